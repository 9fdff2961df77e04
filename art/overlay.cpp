#include "overlay.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include "raster.h"

namespace tibbo::art {
namespace {

struct Region {
    const char* name;
    int x0, x1, y0, y1;  // picture units, inclusive
};

// Where the pet takes clicks on the cat at rest.
constexpr Region kRegions[] = {
    {"head L", 73, 106, 108, 158},   {"head R", 210, 238, 109, 161},  {"forehead", 146, 177, 107, 131},
    {"eye L", 115, 146, 139, 170},   {"eye R", 174, 206, 142, 170},   {"nose", 140, 188, 177, 200},
    {"mouth", 125, 204, 208, 238},   {"cheek L", 82, 121, 177, 220},  {"cheek R", 190, 230, 175, 207},
    {"paw L", 91, 122, 284, 319},    {"paw R", 197, 220, 274, 308},   {"chest", 126, 193, 281, 335},
    {"belly", 141, 185, 343, 382},   {"tail", 205, 237, 365, 435},    {"bottom", 127, 184, 390, 440},
    {"foot R", 163, 200, 440, 464},  {"foot L", 115, 153, 442, 464},
};

}  // namespace

void write_region_overlay(cairo_surface_t* stage, const std::filesystem::path& png) {
    const int w = cairo_image_surface_get_width(stage), h = cairo_image_surface_get_height(stage);
    Surface out = make_surface(CAIRO_FORMAT_RGB24, w * 2, h * 2);
    Context cr = make_context(out.get());
    cairo_scale(cr.get(), 2, 2);
    cairo_set_source_surface(cr.get(), stage, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr.get()), CAIRO_FILTER_GOOD);
    cairo_paint(cr.get());
    cairo_set_line_width(cr.get(), 0.6);
    cairo_select_font_face(cr.get(), "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr.get(), 6.5);
    int i = 0;
    for (const Region& r : kRegions) {
        const double hue = (i++ % 6) / 6.0;
        const double red = 0.5 + 0.5 * std::cos(2 * M_PI * hue), green = 0.5 + 0.5 * std::cos(2 * M_PI * (hue - 1.0 / 3)),
                     blue = 0.5 + 0.5 * std::cos(2 * M_PI * (hue - 2.0 / 3));
        cairo_set_source_rgb(cr.get(), red, green, blue);
        cairo_rectangle(cr.get(), r.x0 + 0.5, r.y0 + 0.5, r.x1 - r.x0, r.y1 - r.y0);
        cairo_stroke(cr.get());
        cairo_move_to(cr.get(), r.x0 + 1.5, r.y0 + 7);
        cairo_show_text(cr.get(), r.name);
    }
    cr.reset();
    if (cairo_surface_write_to_png(out.get(), png.c_str()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot write " + png.string());
}

}  // namespace tibbo::art
