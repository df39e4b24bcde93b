// BMP files through SDL's loader, which needs no video subsystem. SDL believes the header, so
// the header is checked against the file first.
#include "platform.h"

#include <SDL.h>
#include <sys/stat.h>

#include <array>
#include <cstdlib>

namespace platform {

namespace {

uint32_t Le(const uint8_t* p, int bytes) {
    uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = value << 8 | p[i];
    return value;
}

enum Compression : uint32_t { kPlain = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3 };

// What a BMP header claims about the picture.
struct BitmapClaim {
    int64_t width = 0;
    int64_t height = 0;
    int64_t bitsPerPixel = 0;
    uint32_t compression = kPlain;
    int64_t dataOffset = 0;
};

bool ReadClaim(const std::string& path, BitmapClaim& claim, int64_t& fileSize) {
    std::FILE* file = std::fopen(path.c_str(), "rbe");
    if (!file) return false;
    std::array<uint8_t, 34> header{};
    const bool read = std::fread(header.data(), 1, header.size(), file) == header.size();
    struct stat info {};
    const bool sized = ::fstat(::fileno(file), &info) == 0;
    std::fclose(file);
    if (!read || !sized || header[0] != 'B' || header[1] != 'M') return false;
    fileSize = info.st_size;
    claim.dataOffset = Le(&header[10], 4);
    if (Le(&header[14], 4) == 12) {  // the old core header: 16-bit sizes, no compression
        claim.width = Le(&header[18], 2);
        claim.height = Le(&header[20], 2);
        claim.bitsPerPixel = Le(&header[24], 2);
        return true;
    }
    claim.width = static_cast<int32_t>(Le(&header[18], 4));
    claim.height = std::llabs(static_cast<int32_t>(Le(&header[22], 4)));  // < 0: top-down
    claim.bitsPerPixel = Le(&header[28], 2);
    claim.compression = Le(&header[30], 4);
    return true;
}

// The fewest bytes of pixel data that can describe the claimed picture. A run-length coded
// line takes at least two bytes per 255 pixels.
int64_t LeastDataBytes(const BitmapClaim& claim) {
    if (claim.compression == kRle8 || claim.compression == kRle4) {
        return (claim.width * claim.height + 254) / 255 * 2;
    }
    const int64_t rowBytes = (claim.width * claim.bitsPerPixel + 31) / 32 * 4;
    return rowBytes * claim.height;
}

}  // namespace

bool PictureSizeIsSane(int64_t width, int64_t height) {
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           width * height <= kMaxPicturePixels;
}

bool BitmapFileIsSane(std::string_view windowsName) {
    BitmapClaim claim;
    int64_t fileSize = 0;
    if (!ReadClaim(TranslatePath(windowsName), claim, fileSize)) return false;
    if (!PictureSizeIsSane(claim.width, claim.height)) return false;
    if (claim.bitsPerPixel < 1 || claim.bitsPerPixel > 32) return false;
    if (claim.dataOffset > fileSize) return false;
    return LeastDataBytes(claim) <= fileSize - claim.dataOffset;
}

bool LoadBitmapFile(std::string_view windowsName, RgbImage& out) {
    if (!BitmapFileIsSane(windowsName)) return false;
    const std::string path = TranslatePath(windowsName);
    SDL_Surface* loaded = SDL_LoadBMP(path.c_str());
    if (!loaded) return false;
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB888, 0);
    SDL_FreeSurface(loaded);
    if (!rgb) return false;
    if (SDL_LockSurface(rgb) != 0) {
        SDL_FreeSurface(rgb);
        return false;
    }
    out.width = rgb->w;
    out.height = rgb->h;
    out.pixels.resize(static_cast<std::size_t>(rgb->w) * rgb->h);
    for (int y = 0; y < rgb->h; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(
            static_cast<const uint8_t*>(rgb->pixels) + static_cast<std::size_t>(y) * rgb->pitch);
        for (int x = 0; x < rgb->w; ++x) {
            out.pixels[static_cast<std::size_t>(y) * rgb->w + x] = row[x] & 0xFFFFFF;
        }
    }
    SDL_UnlockSurface(rgb);
    SDL_FreeSurface(rgb);
    return true;
}

}  // namespace platform
