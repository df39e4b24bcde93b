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

// The picture of a BMP (or, with `png`, a PNG) file, shared with the cache: the one read
// before while the file is unchanged, else read now and kept for the next time.
std::shared_ptr<const gfx::Surface> ReadPicture(const std::string& fileName, bool png,
                                                int32_t* width, int32_t* height,
                                                bool& readable) {
    readable = true;
    if (auto cached = detail::FindCachedPicture(fileName, Layout())) return cached;
    auto picture = std::make_shared<gfx::Surface>();
    const bool read = png ? detail::ReadPng(fileName, Layout(), *picture)
                          : ReadBmp(fileName, *picture, width, height, readable);
    if (!read) return nullptr;
    detail::CachePicture(fileName, picture);
    return picture;
}

void LogMissingPicture(const char* name) {
    char line[320];
    std::snprintf(line, sizeof line, "Cannot load picture \"%s\"", name);
    Log(line, false);
}

// The picture file `name` names (".bmp" when it has no extension, then the PNG of that name),
// shared; null, with a log line when neither could be read. `bmp` tells which was read.
std::shared_ptr<const gfx::Surface> FindPicture(const char* name, int32_t* width,
                                                int32_t* height, bool& bmp) {
    std::string copy = name;
    if (copy.find('.') == std::string::npos) copy += ".bmp";
    char fileName[kMaxPath];
    if (!MakePath(copy.c_str(), fileName, kPathData)) return nullptr;
    bool readable = false;
    std::shared_ptr<const gfx::Surface> picture;
    if (!EndsWith(copy, ".png")) picture = ReadPicture(fileName, false, width, height, readable);
    bmp = picture != nullptr;
    if (!bmp) {
        if (readable && !EndsWith(copy, ".png")) return nullptr;  // a bitmap too large: no log line
        const std::string pngName = EndsWith(copy, ".png") ? fileName : WithPngExtension(fileName);
        picture = ReadPicture(pngName, true, width, height, readable);
        if (!picture) {
            LogMissingPicture(name);
            return nullptr;
        }
    }
    if (width) *width = picture->width;
    if (height) *height = picture->height;
    return picture;
}

std::unique_ptr<gfx::Surface> BlankPicture(int32_t* width, int32_t* height) {
    if (!width || !height) return nullptr;
    auto surface = std::make_unique<gfx::Surface>();
    if (!surface->Create(Layout(), *width, *height)) return nullptr;
    return surface;
}

}  // namespace

int LoadPicture(std::unique_ptr<gfx::Surface>* holder, const char* name, int32_t* width,
                int32_t* height, int flags) {
    if (!holder) return 0;
    holder->reset();
    if (flags & kPictureBlank) {
        std::unique_ptr<gfx::Surface> surface = BlankPicture(width, height);
        if (!surface) return 0;
        if (flags & kPictureTransparent) surface->keyColor = static_cast<int32_t>(gfx::kKeyColor);
        *holder = std::move(surface);
        return 1;
    }
    if (!name) return 0;
    bool bmp = false;
    const std::shared_ptr<const gfx::Surface> picture = FindPicture(name, width, height, bmp);
    if (!picture) return 0;
    // A copy: the holder may draw on it, and the cached one is shared.
    auto surface = std::make_unique<gfx::Surface>();
    if (!surface->Create(picture->layout, picture->width, picture->height)) return 0;
    gfx::CopyOpaque(*surface, 0, 0, picture->width, picture->height, *picture, 0, 0);
    // Only bitmaps take the key colour: a PNG's transparency is composited when it is read.
    surface->keyColor = bmp && (flags & kPictureTransparent) ? static_cast<int32_t>(gfx::kKeyColor)
                                                             : -1;
    *holder = std::move(surface);
    return 1;
}

int LoadStrip(std::shared_ptr<const gfx::Surface>* holder, const char* name, int32_t* width,
              int32_t* height) {
    if (!holder) return 0;
    holder->reset();
    if (!name) {
        *holder = BlankPicture(width, height);
        return *holder != nullptr;
    }
    bool bmp = false;
    *holder = FindPicture(name, width, height, bmp);
    return *holder != nullptr;
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
