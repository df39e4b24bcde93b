#include "library.h"

#include <cstdio>

namespace art {
namespace {

// cairo keeps ARGB32 pixels premultiplied.
struct Premultiplied {
    uint32_t alpha, red, green, blue;
};

Premultiplied Unpack(uint32_t argb) {
    return {argb >> 24, (argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF};
}

uint32_t Over(const Premultiplied& top, uint32_t below) {
    const auto channel = [&](uint32_t front, int shift) {
        const uint32_t back = (below >> shift) & 0xFF;
        return (front + (back * (255 - top.alpha) + 127) / 255) << shift;
    };
    return channel(top.red, 16) | channel(top.green, 8) | channel(top.blue, 0);
}

uint32_t Unpremultiply(const Premultiplied& pixel) {
    const auto channel = [&](uint32_t value, int shift) {
        const uint32_t straight = (value * 255 + pixel.alpha / 2) / pixel.alpha;
        return (straight > 255 ? 255 : straight) << shift;
    };
    return channel(pixel.red, 16) | channel(pixel.green, 8) | channel(pixel.blue, 0);
}

// One frame or row: the layer laid over the host piece, or keyed.
void Compose(const PictureSpec& spec, cairo_surface_t* layer, const Image& host, Image& out,
             int left, int top) {
    cairo_surface_flush(layer);
    const unsigned char* data = cairo_image_surface_get_data(layer);
    const int stride = cairo_image_surface_get_stride(layer);
    for (int y = 0; y < spec.height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < spec.width; ++x) {
            const Premultiplied pixel = Unpack(row[x]);
            uint32_t result;
            if (spec.copy == Copy::Opaque) {
                result = Over(pixel, host.At(x, y));
            } else if (spec.edge == Edge::Hard) {
                result = pixel.alpha >= 128 ? Unpremultiply(pixel) : kMagenta;
            } else {
                result = pixel.alpha == 0 ? kMagenta : Over(pixel, host.At(x, y));
            }
            out.At(left + x, top + y) = result;
        }
    }
}

}  // namespace

Library::Library(const std::vector<PictureSpec>& pictures, const std::vector<SceneSpec>& scenes)
    : pictures_(pictures), scenes_(scenes) {}

const PictureSpec* Library::Find(std::string_view name) const {
    for (const PictureSpec& spec : pictures_) {
        if (spec.name == name) return &spec;
    }
    return nullptr;
}

const Image& Library::Picture(std::string_view name) { return Host(name); }

const Image& Library::Host(std::string_view name) {
    if (auto found = cache_.find(name); found != cache_.end()) return found->second;
    static const Image kEmpty;
    if (rendering_.count(name)) {
        std::fprintf(stderr, "art: picture %.*s is drawn on itself\n", static_cast<int>(name.size()), name.data());
        return kEmpty;
    }
    rendering_.emplace(name);
    Image image;
    if (const PictureSpec* spec = Find(name)) {
        image = Render(*spec);
    } else {
        for (const SceneSpec& scene : scenes_) {
            if (scene.name != name) continue;
            PictureSpec asPicture;
            asPicture.name = scene.name;
            asPicture.role = Role::Background;
            asPicture.width = scene.width;
            asPicture.height = scene.height;
            asPicture.paint = scene.paint;
            image = Render(asPicture);
        }
    }
    rendering_.erase(rendering_.find(name));
    return cache_.emplace(std::string(name), std::move(image)).first->second;
}

Image Library::HostPiece(const PictureSpec& spec) {
    if (spec.role == Role::Background || spec.placements.empty()) {
        return Image(spec.width, spec.height, 0);
    }
    const Placement& place = spec.placements.front();
    return Host(place.host).Crop(place.x, place.y, spec.width, spec.height);
}

Image Library::Render(const PictureSpec& spec) {
    Image out(spec.StripWidth(), spec.StripHeight());
    const Image host = HostPiece(spec);
    for (int row = 0; row < spec.rows; ++row) {
        for (int frame = 0; frame < spec.frames; ++frame) {
            cairo_surface_t* layer =
                cairo_image_surface_create(CAIRO_FORMAT_ARGB32, spec.width, spec.height);
            cairo_t* cr = cairo_create(layer);
            if (spec.paint) {
                spec.paint(Cell{cr, frame, row, spec.width, spec.height, spec.frames, spec.rows,
                                spec.motion, *this});
            }
            cairo_destroy(cr);
            Compose(spec, layer, host, out, frame * spec.width, row * spec.height);
            cairo_surface_destroy(layer);
        }
    }
    return out;
}

void PaintImage(cairo_t* cr, const Image& image, double x, double y) {
    if (image.width == 0 || image.height == 0) return;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, image.width, image.height);
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int row = 0; row < image.height; ++row) {
        auto* target = reinterpret_cast<uint32_t*>(data + static_cast<std::ptrdiff_t>(row) * stride);
        for (int column = 0; column < image.width; ++column) target[column] = image.At(column, row);
    }
    cairo_surface_mark_dirty(surface);
    cairo_save(cr);
    cairo_set_source_surface(cr, surface, x, y);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(surface);
}

}  // namespace art
