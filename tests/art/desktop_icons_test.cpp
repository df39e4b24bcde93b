// The desktop icons: one PNG a hicolor size, square, with a see-through ground around an
// opaque emblem.
#include "desktop_icons.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <cstring>

namespace {

struct PngReader {
    const std::vector<uint8_t>& bytes;
    std::size_t at = 0;
};

cairo_status_t ReadFromVector(void* closure, unsigned char* data, unsigned int length) {
    auto* reader = static_cast<PngReader*>(closure);
    if (reader->at + length > reader->bytes.size()) return CAIRO_STATUS_READ_ERROR;
    std::memcpy(data, reader->bytes.data() + reader->at, length);
    reader->at += length;
    return CAIRO_STATUS_SUCCESS;
}

uint8_t AlphaAt(cairo_surface_t* surface, int x, int y) {
    const unsigned char* row = cairo_image_surface_get_data(surface) +
                               y * cairo_image_surface_get_stride(surface);
    return static_cast<uint8_t>(reinterpret_cast<const uint32_t*>(row)[x] >> 24);
}

}  // namespace

TEST(DesktopIcons, OnePngASizeWithASeeThroughGroundAndAnOpaqueEmblem) {
    const std::vector<art::OutputFile> icons = art::MakeDesktopIcons();
    ASSERT_EQ(icons.size(), std::size(art::kDesktopIconSizes));
    for (std::size_t i = 0; i < icons.size(); ++i) {
        const int size = art::kDesktopIconSizes[i];
        const std::string side = std::to_string(size);
        EXPECT_EQ(icons[i].path, "hicolor/" + side + "x" + side + "/apps/brellik.png");
        PngReader reader{icons[i].bytes};
        cairo_surface_t* png = cairo_image_surface_create_from_png_stream(ReadFromVector, &reader);
        ASSERT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS) << icons[i].path;
        EXPECT_EQ(cairo_image_surface_get_format(png), CAIRO_FORMAT_ARGB32);
        EXPECT_EQ(cairo_image_surface_get_width(png), size);
        EXPECT_EQ(cairo_image_surface_get_height(png), size);
        EXPECT_EQ(AlphaAt(png, 0, 0), 0) << icons[i].path;
        EXPECT_EQ(AlphaAt(png, size - 1, 0), 0) << icons[i].path;
        EXPECT_EQ(AlphaAt(png, size * 3 / 4, size / 2), 255) << icons[i].path;
        cairo_surface_destroy(png);
    }
}
