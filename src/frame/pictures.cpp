// Picture files (BMP, then PNG) and the frame's background picture.
#include "frame_state.h"
#include "picture_cache.h"
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

// A BMP file in the back buffer's layout. `readable` tells a bitmap the platform could read
// (then its size goes to `width` and `height`) from a file that is none.
bool ReadBmp(const std::string& fileName, gfx::Surface& out, int32_t* width, int32_t* height,
             bool& readable) {
    platform::RgbImage image;
    readable = platform::LoadBitmapFile(fileName, image);
    if (!readable) return false;
    if (width) *width = image.width;
    if (height) *height = image.height;
    if (!out.Create(Layout(), image.width, image.height)) return false;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const uint32_t rgb = image.pixels[static_cast<std::size_t>(y) * image.width + x];
            const uint32_t color = (rgb & 0xFF) << 16 | (rgb & 0xFF00) | rgb >> 16;
            out.WritePixel(x, y, gfx::ColorToPixel(out.layout, color));
        }
    }
    return true;
}

// The picture of a BMP (or, with `png`, a PNG) file: a copy of the one read before while the
// file is unchanged, else read now and kept for the next time.
bool ReadPicture(const std::string& fileName, bool png, gfx::Surface& out, int32_t* width,
                 int32_t* height, bool& readable) {
    readable = true;
    if (detail::FindCachedPicture(fileName, Layout(), out)) return true;
    const bool read = png ? detail::ReadPng(fileName, Layout(), out)
                          : ReadBmp(fileName, out, width, height, readable);
    if (read) detail::CachePicture(fileName, out);
    return read;
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
    auto surface = std::make_unique<gfx::Surface>();
    bool readable = false;
    const bool bmp = !EndsWith(copy, ".png") &&
                     ReadPicture(fileName, false, *surface, width, height, readable);
    if (!bmp) {
        if (readable && !EndsWith(copy, ".png")) return 0;  // a bitmap too large: no log line
        const std::string pngName = EndsWith(copy, ".png") ? fileName : WithPngExtension(fileName);
        if (!ReadPicture(pngName, true, *surface, width, height, readable)) {
            LogMissingPicture(name);
            return 0;
        }
    }
    if (width) *width = surface->width;
    if (height) *height = surface->height;
    // Only bitmaps take the key colour: a PNG's transparency is composited when it is read.
    surface->keyColor = bmp && (flags & kPictureTransparent) ? static_cast<int32_t>(gfx::kKeyColor)
                                                             : -1;
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
