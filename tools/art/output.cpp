#include "output.h"

#include "bmp_writer.h"
#include "intro.h"
#include "keyboard.h"
#include "png_writer.h"
#include "table.h"

#include <cstdio>
#include <fstream>

namespace art {

std::string FilePathOf(const PictureSpec& spec) {
    std::string path = "Bitmaps/";
    for (char c : spec.name) path += c == '\\' ? '/' : c;
    return path + (spec.IsBmp() ? ".bmp" : ".png");
}

std::vector<uint8_t> EncodePicture(const PictureSpec& spec, const Image& image) {
    return spec.IsBmp() ? EncodeBmp(image) : EncodePng(image);
}

std::vector<OutputFile> MakeGameFiles(Library& library) {
    std::vector<OutputFile> files;
    for (const PictureSpec& spec : PictureTable()) {
        files.push_back({FilePathOf(spec), EncodePicture(spec, library.Picture(spec.name))});
    }
    const auto text = [](const std::string& content) { return std::vector<uint8_t>(content.begin(), content.end()); };
    files.push_back({"Data/key.txt", text(KeyLayoutText())});
    files.push_back({"Data/intro.dat", text(IntroLayoutText())});
    return files;
}

bool WriteGameFiles(const std::filesystem::path& gameDir, const std::vector<OutputFile>& files) {
    std::error_code error;
    std::filesystem::remove_all(gameDir / "Bitmaps", error);
    return WriteFiles(gameDir, files);
}

bool WriteFiles(const std::filesystem::path& folder, const std::vector<OutputFile>& files) {
    std::error_code error;
    for (const OutputFile& file : files) {
        const std::filesystem::path path = folder / file.path;
        if (file.bytes.empty()) {
            std::fprintf(stderr, "art: %s came out empty\n", path.c_str());
            return false;
        }
        std::filesystem::create_directories(path.parent_path(), error);
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(file.bytes.data()), static_cast<std::streamsize>(file.bytes.size()));
        if (!out) {
            std::fprintf(stderr, "art: cannot write %s\n", path.c_str());
            return false;
        }
    }
    return true;
}

}  // namespace art
