// Writes small picture files for the loader tests: BMP through SDL, PNG through libpng in
// the colour types and depths the game may meet.
#pragma once

#include <SDL.h>
#include <png.h>

#include <cstdio>
#include <string>
#include <vector>

namespace frame_testing {

// A 24-bit BMP of the given 0x00RRGGBB pixels, top row first.
inline bool WriteBmp(const std::string& path, int width, int height, const std::vector<uint32_t>& rgb) {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 24, SDL_PIXELFORMAT_BGR24);
    if (!surface) return false;
    for (int y = 0; y < height; ++y) {
        auto* row = static_cast<uint8_t*>(surface->pixels) + y * surface->pitch;
        for (int x = 0; x < width; ++x) {
            const uint32_t p = rgb[static_cast<std::size_t>(y) * width + x];
            row[x * 3] = static_cast<uint8_t>(p);
            row[x * 3 + 1] = static_cast<uint8_t>(p >> 8);
            row[x * 3 + 2] = static_cast<uint8_t>(p >> 16);
        }
    }
    const bool ok = SDL_SaveBMP(surface, path.c_str()) == 0;
    SDL_FreeSurface(surface);
    return ok;
}

struct PngSpec {
    int width = 2;
    int height = 2;
    int bitDepth = 8;
    int colorType = PNG_COLOR_TYPE_RGB;
    std::vector<std::vector<png_byte>> rows;  // raw rows as libpng takes them
    std::vector<png_color> palette;
    double gamma = 0;  // written as a gAMA chunk when set
    bool interlaced = false;
};

inline bool WritePng(const std::string& path, const PngSpec& spec) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, spec.width, spec.height, spec.bitDepth, spec.colorType,
                 spec.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!spec.palette.empty()) {
        png_set_PLTE(png, info, spec.palette.data(), static_cast<int>(spec.palette.size()));
    }
    if (spec.gamma > 0) png_set_gAMA(png, info, spec.gamma);
    png_write_info(png, info);
    const int passes = spec.interlaced ? png_set_interlace_handling(png) : 1;
    for (int pass = 0; pass < passes; ++pass) {
        for (const auto& row : spec.rows) png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}

}  // namespace frame_testing
