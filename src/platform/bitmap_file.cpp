// BMP files through SDL's loader, which needs no video subsystem.
#include "platform.h"

#include <SDL.h>

namespace platform {

bool LoadBitmapFile(std::string_view windowsName, RgbImage& out) {
    const std::string path = TranslatePath(windowsName);
    SDL_Surface* loaded = SDL_LoadBMP(path.c_str());
    if (!loaded) return false;
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB888, 0);
    SDL_FreeSurface(loaded);
    if (!rgb) return false;
    out.width = rgb->w;
    out.height = rgb->h;
    out.pixels.resize(static_cast<std::size_t>(rgb->w) * rgb->h);
    SDL_LockSurface(rgb);
    for (int y = 0; y < rgb->h; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(rgb->pixels) +
                                                            static_cast<std::size_t>(y) * rgb->pitch);
        for (int x = 0; x < rgb->w; ++x) out.pixels[static_cast<std::size_t>(y) * rgb->w + x] = row[x] & 0xFFFFFF;
    }
    SDL_UnlockSurface(rgb);
    SDL_FreeSurface(rgb);
    return true;
}

}  // namespace platform
