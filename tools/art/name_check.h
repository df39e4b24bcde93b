// Keeps the game and the artwork in step: finds the picture names the game's sources ask
// for (string literals starting with "Bitmaps\\") and reports those the table lacks.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace art {

struct PictureReference {
    std::string file;
    int line = 0;
    std::string name;  // below "Bitmaps\", as written (printf patterns and all)
};

// Every such literal in the C++ sources under `root`.
std::vector<PictureReference> FindPictureReferences(const std::filesystem::path& root);

// Whether a table picture answers the name: letters compared case-insensitively, an
// extension ".bmp" or ".png" ignored, printf conversions (%s, %02d) matching any text or
// digits, and a name ending in a backslash (a folder prefix) matching any picture in it.
bool TableHasPicture(const std::string& name);

std::vector<PictureReference> UnknownPictures(const std::filesystem::path& root);

}  // namespace art
