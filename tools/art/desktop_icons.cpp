#include "desktop_icons.h"

#include "icons.h"

#include <cairo.h>

#include <string>

namespace art {
namespace {

cairo_status_t AppendToVector(void* closure, const unsigned char* data, unsigned int length) {
    auto* out = static_cast<std::vector<uint8_t>*>(closure);
    out->insert(out->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

// Drawn afresh at each size rather than scaled from one picture, so that the small ones stay
// sharp. The emblem stands as in the 48 x 48 window icon. Empty on a cairo failure.
std::vector<uint8_t> DesktopIconPng(int size) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
    cairo_t* cr = cairo_create(surface);
    const double unit = size / 48.0;
    DrawEmblem(cr, 26 * unit, 22 * unit, 47 * unit);
    std::vector<uint8_t> png;
    if (cairo_status(cr) != CAIRO_STATUS_SUCCESS ||
        cairo_surface_write_to_png_stream(surface, AppendToVector, &png) != CAIRO_STATUS_SUCCESS) {
        png.clear();
    }
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    return png;
}

}  // namespace

std::vector<OutputFile> MakeDesktopIcons() {
    std::vector<OutputFile> files;
    for (const int size : kDesktopIconSizes) {
        const std::string side = std::to_string(size);
        const std::string path = "hicolor/" + side + "x" + side + "/apps/brellik.png";
        files.push_back({path, DesktopIconPng(size)});
    }
    return files;
}

}  // namespace art
