// Turns the table into the files of the game folder: Bitmaps\... pictures, Data\key.txt
// and Data\intro.dat.
#pragma once

#include "library.h"
#include "picture.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace art {

struct OutputFile {
    std::string path;  // relative to the game folder, with '/'
    std::vector<uint8_t> bytes;
};

// "Bitmaps/OneP/ForP/bg.png" for "OneP\ForP\bg".
std::string FilePathOf(const PictureSpec& spec);
// The encoded picture: BMP for keyed pictures and resources, PNG for the rest.
std::vector<uint8_t> EncodePicture(const PictureSpec& spec, const Image& image);

// Every file the generator makes, in table order.
std::vector<OutputFile> MakeGameFiles(Library& library);

// Writes the files under `gameDir`, replacing its Bitmaps folder (it holds generated
// pictures only). Returns false, with a message on stderr, when a file cannot be written.
bool WriteGameFiles(const std::filesystem::path& gameDir, const std::vector<OutputFile>& files);
// Writes the files under `folder`, making the folders they need; false, with a message on
// stderr, when one cannot be written.
bool WriteFiles(const std::filesystem::path& folder, const std::vector<OutputFile>& files);

}  // namespace art
