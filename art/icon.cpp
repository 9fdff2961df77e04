#include "icon.h"

#include <cmath>

#include "cat.h"

namespace tibbo::art {
namespace {

constexpr double kViewCentreX = 160.0;  // picture point in the middle of the icon
constexpr double kViewCentreY = 161.0;
constexpr double kViewSize = 182.0;     // picture units across the icon

Canvas icon_canvas(int size) {
    Canvas canvas;
    canvas.width = size;
    canvas.height = size;
    canvas.scale = size / kViewSize;
    canvas.origin_x = kViewCentreX - kViewSize / 2;
    canvas.origin_y = kViewCentreY - kViewSize / 2;
    return canvas;
}

CatPose icon_pose() {
    CatPose pose;
    pose.pupil = 0.36;
    return pose;
}

void tile_path(cairo_t* cr, double size, bool rounded) {
    if (!rounded) {
        cairo_rectangle(cr, 0, 0, size, size);
        return;
    }
    const double r = size * 0.18;
    cairo_new_sub_path(cr);
    cairo_arc(cr, size - r, r, r, -M_PI / 2, 0);
    cairo_arc(cr, size - r, size - r, r, 0, M_PI / 2);
    cairo_arc(cr, r, size - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, r, r, r, M_PI, 1.5 * M_PI);
    cairo_close_path(cr);
}

Surface draw_icon(int size, bool rounded) {
    const Canvas canvas = icon_canvas(size);
    Surface tile = make_surface(CAIRO_FORMAT_ARGB32, size, size);
    {
        Context cr = make_context(tile.get());
        const Pattern warm = radial_gradient(size * 0.35, size * 0.3, size * 0.05, size * 0.5,
                                                            size * 0.5, size * 0.75);
        cairo_pattern_add_color_stop_rgb(warm.get(), 0.0, 0.74, 0.52, 0.36);
        cairo_pattern_add_color_stop_rgb(warm.get(), 0.6, 0.48, 0.31, 0.21);
        cairo_pattern_add_color_stop_rgb(warm.get(), 1.0, 0.27, 0.17, 0.12);
        cairo_set_source(cr.get(), warm.get());
        cairo_paint(cr.get());
    }
    CatOptions options;
    options.floor_shadow = false;
    draw_cat(tile.get(), canvas, icon_pose(), options);

    // Cut the rounded tile out.
    Surface out = make_surface(CAIRO_FORMAT_ARGB32, size, size);
    Context cr = make_context(out.get());
    tile_path(cr.get(), size, rounded);
    cairo_clip(cr.get());
    cairo_set_source_surface(cr.get(), tile.get(), 0, 0);
    cairo_paint(cr.get());
    cr.reset();
    cairo_surface_flush(out.get());
    return out;
}

}  // namespace

Surface render_icon(int size) { return draw_icon(size, true); }

std::vector<std::uint8_t> render_icon_rgb(int size) {
    const int factor = size >= 128 ? 1 : (256 + size - 1) / size;
    Surface big = draw_icon(size * factor, false);
    cairo_surface_t* s = big.get();

    // Box-filter down to size, in straight colour (the tile is opaque).
    std::vector<Rgb> small(static_cast<std::size_t>(size) * size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            Rgb sum;
            for (int dy = 0; dy < factor; ++dy) {
                const std::uint32_t* row = pixel_row(s, y * factor + dy);
                for (int dx = 0; dx < factor; ++dx) {
                    Rgb c;
                    unpack_argb(row[x * factor + dx], c);
                    sum = sum + c;
                }
            }
            small[static_cast<std::size_t>(y) * size + x] = sum * (1.0f / (factor * factor));
        }
    }
    // Unsharp mask against a 3x3 average, and a touch more colour.
    std::vector<std::uint8_t> out;
    out.reserve(small.size() * 3);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            Rgb avg;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int sx = std::clamp(x + dx, 0, size - 1), sy = std::clamp(y + dy, 0, size - 1);
                    avg = avg + small[static_cast<std::size_t>(sy) * size + sx];
                }
            avg = avg * (1.0f / 9.0f);
            const Rgb c = small[static_cast<std::size_t>(y) * size + x];
            Rgb sharp = factor > 1 ? c + (c - avg) * 0.45f : c;
            const float grey = (sharp.r + sharp.g + sharp.b) / 3.0f;
            sharp = mix(Rgb{grey, grey, grey}, sharp, factor > 1 ? 1.15f : 1.0f);
            for (float v : {sharp.r, sharp.g, sharp.b})
                out.push_back(static_cast<std::uint8_t>(std::lround(clamp01(v) * 255.0f)));
        }
    }
    return out;
}

}  // namespace tibbo::art
