// The BMP and PNG encoders: header fields, row order and padding, and that the files read
// back (SDL's BMP loader, libpng) to the very pixels written.
#include "bmp_writer.h"
#include "png_writer.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <png.h>

#include <cstring>

namespace {

uint32_t Read32(const std::vector<uint8_t>& bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | uint32_t(bytes[at + 3]) << 24;
}
uint16_t Read16(const std::vector<uint8_t>& bytes, std::size_t at) { return uint16_t(bytes[at] | bytes[at + 1] << 8); }

// A 3 x 2 picture: rows of 9 bytes need 3 bytes of padding each.
art::Image Sample() {
    art::Image image(3, 2);
    image.At(0, 0) = 0x112233;
    image.At(1, 0) = 0xFF00FF;
    image.At(2, 0) = 0x000001;
    image.At(0, 1) = 0xABCDEF;
    image.At(1, 1) = 0x808080;
    image.At(2, 1) = 0xFFFFFF;
    return image;
}

TEST(BmpWriter, WritesTheStandardHeadersFor24BitBottomUpRows) {
    const std::vector<uint8_t> bytes = art::EncodeBmp(Sample());
    ASSERT_EQ(bytes.size(), 14u + 40u + 2 * 12u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(Read32(bytes, 2), bytes.size());  // file size
    EXPECT_EQ(Read32(bytes, 6), 0u);            // reserved
    EXPECT_EQ(Read32(bytes, 10), 54u);          // pixel data offset
    EXPECT_EQ(Read32(bytes, 14), 40u);          // BITMAPINFOHEADER
    EXPECT_EQ(int32_t(Read32(bytes, 18)), 3);   // width
    EXPECT_EQ(int32_t(Read32(bytes, 22)), 2);   // height > 0: bottom-up
    EXPECT_EQ(Read16(bytes, 26), 1);            // planes
    EXPECT_EQ(Read16(bytes, 28), 24);           // bits per pixel
    EXPECT_EQ(Read32(bytes, 30), 0u);           // BI_RGB
    EXPECT_EQ(Read32(bytes, 34), 24u);          // image size: two padded rows
    EXPECT_EQ(Read32(bytes, 46), 0u);           // no palette
}

TEST(BmpWriter, StoresTheBottomRowFirstAsBlueGreenRedPaddedToFourBytes) {
    const std::vector<uint8_t> bytes = art::EncodeBmp(Sample());
    const std::vector<uint8_t> bottom(bytes.begin() + 54, bytes.begin() + 66);
    const std::vector<uint8_t> top(bytes.begin() + 66, bytes.begin() + 78);
    EXPECT_EQ(bottom, (std::vector<uint8_t>{0xEF, 0xCD, 0xAB, 0x80, 0x80, 0x80, 0xFF, 0xFF, 0xFF, 0, 0, 0}));
    EXPECT_EQ(top, (std::vector<uint8_t>{0x33, 0x22, 0x11, 0xFF, 0x00, 0xFF, 0x01, 0x00, 0x00, 0, 0, 0}));
}

TEST(BmpWriter, ReadsBackThroughSdlPixelForPixel) {
    for (int width : {1, 2, 3, 4, 5, 33}) {
        art::Image image(width, 3);
        for (std::size_t i = 0; i < image.pixels.size(); ++i) image.pixels[i] = uint32_t(i * 0x10305 + 7) & 0xFFFFFF;
        const std::vector<uint8_t> bytes = art::EncodeBmp(image);
        SDL_RWops* stream = SDL_RWFromConstMem(bytes.data(), int(bytes.size()));
        SDL_Surface* loaded = SDL_LoadBMP_RW(stream, 1);
        ASSERT_NE(loaded, nullptr) << SDL_GetError();
        SDL_Surface* rgb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_XRGB8888, 0);
        SDL_FreeSurface(loaded);
        ASSERT_NE(rgb, nullptr);
        ASSERT_EQ(rgb->w, width);
        ASSERT_EQ(rgb->h, 3);
        for (int y = 0; y < 3; ++y) {
            const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(rgb->pixels) + y * rgb->pitch);
            for (int x = 0; x < width; ++x) EXPECT_EQ(row[x] & 0xFFFFFF, image.At(x, y)) << width << " " << x << "," << y;
        }
        SDL_FreeSurface(rgb);
    }
}

struct PngReadBack {
    int width = 0, height = 0, colourType = -1, bitDepth = 0;
    bool hasTime = false;
    std::vector<uint32_t> pixels;
};

PngReadBack DecodePng(const std::vector<uint8_t>& bytes) {
    PngReadBack result;
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return result;
    result.width = int(image.width);
    result.height = int(image.height);
    result.colourType = (image.format & PNG_FORMAT_FLAG_ALPHA) ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB;
    image.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(image));
    png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr);
    for (std::size_t i = 0; i + 2 < rgb.size(); i += 3) result.pixels.push_back(rgb[i] << 16 | rgb[i + 1] << 8 | rgb[i + 2]);
    // Chunk names follow the 8-byte signature: length, type, data, CRC.
    for (std::size_t at = 8; at + 8 <= bytes.size();) {
        const uint32_t length = uint32_t(bytes[at]) << 24 | bytes[at + 1] << 16 | bytes[at + 2] << 8 | bytes[at + 3];
        const std::string type(bytes.begin() + long(at) + 4, bytes.begin() + long(at) + 8);
        if (type == "tIME") result.hasTime = true;
        if (type == "IHDR") {
            result.bitDepth = bytes[at + 16];
            result.colourType = bytes[at + 17];
        }
        at += 12 + length;
    }
    return result;
}

TEST(PngWriter, WritesEightBitRgbWithoutAlphaOrTimeThatDecodesToTheSamePixels) {
    art::Image image(37, 5);
    for (std::size_t i = 0; i < image.pixels.size(); ++i) image.pixels[i] = uint32_t(i * 0x2468A + 3) & 0xFFFFFF;
    const PngReadBack back = DecodePng(art::EncodePng(image));
    EXPECT_EQ(back.width, 37);
    EXPECT_EQ(back.height, 5);
    EXPECT_EQ(back.colourType, PNG_COLOR_TYPE_RGB);
    EXPECT_EQ(back.bitDepth, 8);
    EXPECT_FALSE(back.hasTime);
    EXPECT_EQ(back.pixels, image.pixels);
}

}  // namespace
