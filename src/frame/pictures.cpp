// Picture files (BMP, then PNG) and the frame's background picture.
#include "frame_state.h"
#include "png_reader.h"

#include <cstring>

namespace Interface {

using detail::State;

namespace {

bool EndsWith(const std::string& text, const char* suffix) {
    const std::size_t n = std::strlen(suffix);
    return text.size() >= n && text.compare(text.size() - n, n, suffix) == 0;
}

// The file name with the text after its last "." replaced by "png".
std::string WithPngExtension(const std::string& fileName) {
    const std::size_t dot = fileName.rfind('.');
    return dot == std::string::npos ? fileName + ".png" : fileName.substr(0, dot + 1) + "png";
}

bool LoadBmp(const std::string& fileName, int flags, std::unique_ptr<gfx::Surface>& holder,
             int32_t* width, int32_t* height, bool& readable) {
    platform::RgbImage image;
    readable = platform::LoadBitmapFile(fileName, image);
    if (!readable) return false;
    if (width) *width = image.width;
    if (height) *height = image.height;
    auto surface = std::make_unique<gfx::Surface>();
    if (!surface->Create(Layout(), image.width, image.height)) return false;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const uint32_t rgb = image.pixels[static_cast<std::size_t>(y) * image.width + x];
            const uint32_t color = (rgb & 0xFF) << 16 | (rgb & 0xFF00) | rgb >> 16;
            surface->WritePixel(x, y, gfx::ColorToPixel(surface->layout, color));
        }
    }
    if (flags & kPictureTransparent) surface->keyColor = static_cast<int32_t>(gfx::kKeyColor);
    holder = std::move(surface);
    return true;
}

void LogMissingPicture(const char* name) {
    char line[320];
    std::snprintf(line, sizeof line, "Cannot load picture \"%s\"", name);
    Log(line, false);
}

}  // namespace

int LoadPicture(std::unique_ptr<gfx::Surface>* holder, const char* name, int32_t* width,
                int32_t* height, int flags) {
    if (!holder) return 0;
    holder->reset();
    if (flags & kPictureBlank) {
        if (!width || !height) return 0;
        auto surface = std::make_unique<gfx::Surface>();
        if (!surface->Create(Layout(), *width, *height)) return 0;
        if (flags & kPictureTransparent) surface->keyColor = static_cast<int32_t>(gfx::kKeyColor);
        *holder = std::move(surface);
        return 1;
    }
    if (!name) return 0;
    std::string copy = name;
    if (copy.find('.') == std::string::npos) copy += ".bmp";
    char fileName[kMaxPath];
    if (!MakePath(copy.c_str(), fileName, kPathData)) return 0;
    std::string pngName = fileName;
    if (!EndsWith(copy, ".png")) {
        bool readable = false;
        if (LoadBmp(fileName, flags, *holder, width, height, readable)) return 1;
        if (readable) return 0;  // a bitmap too large for a surface: no log line
        pngName = WithPngExtension(fileName);
    }
    auto surface = std::make_unique<gfx::Surface>();
    if (!detail::ReadPng(pngName, Layout(), *surface)) {
        LogMissingPicture(name);
        return 0;
    }
    if (width) *width = surface->width;
    if (height) *height = surface->height;
    *holder = std::move(surface);
    return 1;
}

int SetBackground(const char* name, bool force) {
    detail::FrameState& s = State();
    if (!name) {
        if (!s.background) return 1;
        s.background.reset();
        s.backgroundName.clear();
        return 0;
    }
    if (!force && s.backgroundName == name) return 1;
    s.background.reset();
    if (!LoadPicture(&s.background, name, nullptr, nullptr, 0)) {
        s.backgroundName.clear();
        return 0;
    }
    s.backgroundName = std::string(name).substr(0, 260);
    return 1;
}

gfx::Surface* Background() { return State().background.get(); }

}  // namespace Interface
