#include "text.h"

#include "gfx/font.h"

#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>
#include <pango/pangofc-fontmap.h>

#include <cstdio>
#include <string>

namespace art {
namespace {

constexpr const char* kFamily = "Liberation Sans";

// The font map over a fontconfig set of its own; it lives as long as the process.
class FontSet {
public:
    FontSet() {
        FcConfig* config = FcConfigCreate();
        const std::string regular = gfx::FontFileFor(400);
        const std::string bold = gfx::FontFileFor(700);
        bool added = false;
        for (const std::string& file : {regular, bold}) {
            if (file.empty()) continue;
            added = FcConfigAppFontAddFile(config, reinterpret_cast<const FcChar8*>(file.c_str())) || added;
        }
        map_ = pango_cairo_font_map_new_for_font_type(CAIRO_FONT_TYPE_FT);
        if (!regular.empty() && !bold.empty() && added) {
            pango_fc_font_map_set_config(PANGO_FC_FONT_MAP(map_), config);
        } else {
            std::fprintf(stderr, "art: Liberation Sans not found; the pictures will use another font.\n");
        }
        FcConfigDestroy(config);
    }

    PangoFontMap* map() const { return map_; }

private:
    PangoFontMap* map_ = nullptr;
};

const FontSet& Fonts() {
    static const FontSet set;
    return set;
}

// A layout on the fixed font options: grey anti-aliasing, no hinting, unhinted metrics.
PangoLayout* MakeLayout(cairo_t* cr, std::string_view utf8, const Font& font, double wrapWidth,
                        Align align) {
    PangoContext* context = pango_font_map_create_context(Fonts().map());
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    pango_cairo_context_set_font_options(context, options);
    cairo_font_options_destroy(options);
    if (cr) pango_cairo_update_context(cr, context);

    PangoLayout* layout = pango_layout_new(context);
    g_object_unref(context);
    PangoFontDescription* description = pango_font_description_new();
    pango_font_description_set_family(description, kFamily);
    pango_font_description_set_weight(
        description, font.weight == Weight::Bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_absolute_size(description, font.size * PANGO_SCALE);
    pango_layout_set_font_description(layout, description);
    pango_font_description_free(description);
    pango_layout_set_text(layout, utf8.data(), static_cast<int>(utf8.size()));
    if (wrapWidth > 0) {
        pango_layout_set_width(layout, static_cast<int>(wrapWidth * PANGO_SCALE));
        pango_layout_set_wrap(layout, PANGO_WRAP_WORD);
    }
    pango_layout_set_alignment(layout, align == Align::Centre  ? PANGO_ALIGN_CENTER
                                       : align == Align::Right ? PANGO_ALIGN_RIGHT
                                                               : PANGO_ALIGN_LEFT);
    return layout;
}

Extent LayoutExtent(PangoLayout* layout) {
    PangoRectangle logical;
    pango_layout_get_extents(layout, nullptr, &logical);
    return {static_cast<double>(logical.width) / PANGO_SCALE,
            static_cast<double>(logical.height) / PANGO_SCALE};
}

}  // namespace

Extent MeasureText(std::string_view utf8, const Font& font, double wrapWidth) {
    PangoLayout* layout = MakeLayout(nullptr, utf8, font, wrapWidth, Align::Left);
    const Extent extent = LayoutExtent(layout);
    g_object_unref(layout);
    return extent;
}

double DrawText(cairo_t* cr, std::string_view utf8, double x, double y, const Font& font,
                const Rgb& colour, double wrapWidth, Align align) {
    PangoLayout* layout = MakeLayout(cr, utf8, font, wrapWidth, align);
    const Extent extent = LayoutExtent(layout);
    cairo_save(cr);
    cairo_set_source_rgb(cr, colour.r, colour.g, colour.b);
    cairo_move_to(cr, x, y);
    pango_cairo_show_layout(cr, layout);
    cairo_restore(cr);
    g_object_unref(layout);
    return extent.height;
}

void DrawCentred(cairo_t* cr, std::string_view utf8, double x, double y, double width,
                 double height, Font font, const Rgb& colour) {
    Extent extent = MeasureText(utf8, font);
    while (font.size > 6 && (extent.width > width || extent.height > height)) {
        font.size -= 0.5;
        extent = MeasureText(utf8, font);
    }
    DrawText(cr, utf8, x + (width - extent.width) / 2, y + (height - extent.height) / 2, font,
             colour, extent.width + 1, Align::Centre);
}

void DrawCentredWithShadow(cairo_t* cr, std::string_view utf8, double x, double y,
                           double width, double height, const Font& font, const Rgb& colour) {
    const Rgb shadow = Darker(palette::kNightBottom, 0.5);
    cairo_push_group(cr);
    DrawCentred(cr, utf8, x + 1.5, y + 2, width, height, font, shadow);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, 0.6);
    DrawCentred(cr, utf8, x, y, width, height, font, colour);
}

}  // namespace art
