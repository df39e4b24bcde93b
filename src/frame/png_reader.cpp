#include "png_reader.h"

#include "platform/platform.h"

#include <png.h>

#include <vector>

namespace Interface::detail {

namespace {

// Everything the reader must release, kept in memory the error jump cannot clobber.
struct PngRead {
    std::FILE* file = nullptr;
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::vector<png_byte> row;
    ~PngRead() {
        if (png) png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
        if (file) std::fclose(file);
    }
};

void SilentWarning(png_structp, png_const_charp) {}

void SetTransformations(png_structp png, png_infop info) {
    const int colorType = png_get_color_type(png, info);
    const int bitDepth = png_get_bit_depth(png, info);
    if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_expand(png);
    if (colorType == PNG_COLOR_TYPE_GRAY && bitDepth < 8) png_set_expand(png);
    if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_expand(png);
    if (bitDepth == 16) png_set_strip_16(png);
    if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA) {
        png_set_gray_to_rgb(png);
    }
    double fileGamma = 0;
    if (png_get_gAMA(png, info, &fileGamma)) png_set_gamma(png, 2.2, fileGamma);
    png_read_update_info(png, info);
}

// One decoded row (3 or 4 bytes a pixel) into the surface's row `y`.
void StoreRow(const png_byte* row, int channels, gfx::Surface& out, int y) {
    for (int x = 0; x < out.width; ++x) {
        const png_byte* p = row + x * channels;
        uint32_t r = p[0], g = p[1], b = p[2];
        if (channels == 4) {
            const uint32_t a = p[3];
            r = (r * a + 127) / 255;
            g = (g * a + 127) / 255;
            b = (b * a + 127) / 255;
        }
        out.WritePixel(x, y, gfx::ColorToPixel(out.layout, b << 16 | g << 8 | r));
    }
}

}  // namespace

bool ReadPng(const std::string& fileName, gfx::PixelLayout layout, gfx::Surface& out) {
    PngRead read;
    read.file = platform::OpenFile(fileName, "rb");
    if (!read.file) return false;
    png_byte signature[8];
    if (std::fread(signature, 1, 8, read.file) != 8 || png_sig_cmp(signature, 0, 8) != 0) {
        return false;
    }
    read.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, SilentWarning);
    if (!read.png) return false;
    read.info = png_create_info_struct(read.png);
    if (!read.info) return false;
    if (setjmp(png_jmpbuf(read.png))) {
        out.Reset();
        return false;
    }
    png_init_io(read.png, read.file);
    png_set_sig_bytes(read.png, 8);
    png_read_info(read.png, read.info);
    const int width = static_cast<int>(png_get_image_width(read.png, read.info));
    const int height = static_cast<int>(png_get_image_height(read.png, read.info));
    SetTransformations(read.png, read.info);
    const int channels = png_get_channels(read.png, read.info);
    if ((channels != 3 && channels != 4) || !out.Create(layout, width, height)) return false;
    read.row.resize(png_get_rowbytes(read.png, read.info));
    for (int y = 0; y < height; ++y) {
        png_read_row(read.png, read.row.data(), nullptr);
        StoreRow(read.row.data(), channels, out, y);
    }
    png_read_end(read.png, nullptr);
    return true;
}

}  // namespace Interface::detail
