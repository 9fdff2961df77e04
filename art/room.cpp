#include "room.h"

#include <cmath>

#include "brush.h"
#include "noise.h"

namespace tibbo::art {
namespace {

constexpr double kSkirtingTop = 346.0;
constexpr double kFloorTop = 362.0;

void draw_wall(cairo_t* cr) {
    const Pattern wall = linear_gradient(0, 0, 0, kSkirtingTop);
    add_stop(wall, 0.0, 0x3e2b20);
    add_stop(wall, 0.55, 0x5b4030);
    add_stop(wall, 1.0, 0x5f4433);
    cairo_set_source(cr, wall.get());
    cairo_rectangle(cr, -20, -20, 360, kSkirtingTop + 20);
    cairo_fill(cr);

    // Soft, faint wallpaper stripes.
    for (int i = 0; i < 16; ++i) {
        const double x = -6 + i * 22.0;
        set_rgb(cr, 0x7a5a44, 0.10);
        cairo_rectangle(cr, x, 0, 7, kSkirtingTop);
        cairo_fill(cr);
    }

    // Daylight from the window spreading over the wall.
    const Pattern glow = radial_gradient(20, 150, 10, 40, 170, 250);
    add_stop(glow, 0.0, 0xffd9a8, 0.42);
    add_stop(glow, 0.5, 0xd99a68, 0.16);
    add_stop(glow, 1.0, 0xd99a68, 0.0);
    cairo_set_source(cr, glow.get());
    cairo_rectangle(cr, -20, -20, 360, kSkirtingTop + 20);
    cairo_fill(cr);
}

void draw_window(cairo_t* cr) {
    // Frame.
    set_rgb(cr, 0xb9a48a);
    cairo_rectangle(cr, -30, 34, 86, 236);
    cairo_fill(cr);
    // Glass: sky over a garden.
    const Pattern view = linear_gradient(0, 44, 0, 258);
    add_stop(view, 0.0, 0xe9eef0);
    add_stop(view, 0.45, 0xd5e2df);
    add_stop(view, 0.62, 0x9fb58e);
    add_stop(view, 1.0, 0x6f8a5e);
    cairo_set_source(cr, view.get());
    cairo_rectangle(cr, -30, 44, 76, 214);
    cairo_fill(cr);
    // Foliage blobs.
    Rng rng(0x7ee5);
    for (int i = 0; i < 26; ++i) {
        const double x = rng.range(-30, 46);
        const double y = rng.range(150, 250);
        set_rgb(cr, i % 3 == 0 ? 0x87a06d : 0x5d7a4c, 0.55);
        ellipse_path(cr, x, y, rng.range(6, 16), rng.range(5, 12));
        cairo_fill(cr);
    }
    // Mullions.
    set_rgb(cr, 0xc9b597);
    cairo_rectangle(cr, 6, 44, 6, 214);
    cairo_rectangle(cr, -30, 146, 76, 6);
    cairo_fill(cr);
    // Sill.
    set_rgb(cr, 0xcdb99c);
    cairo_rectangle(cr, -30, 266, 96, 8);
    cairo_fill(cr);
    set_rgb(cr, 0x4a3628, 0.5);
    cairo_rectangle(cr, -30, 274, 96, 5);
    cairo_fill(cr);
}

void draw_curtain(cairo_t* cr) {
    // A heavy curtain with folds, hanging over the window's right edge.
    const double left = 40, right = 74;
    const Pattern folds = linear_gradient(left, 0, right, 0);
    const unsigned light = 0x9a5a43, dark = 0x5a3023;
    add_stop(folds, 0.00, dark);
    add_stop(folds, 0.18, light);
    add_stop(folds, 0.38, dark);
    add_stop(folds, 0.58, light);
    add_stop(folds, 0.80, 0x7a4433);
    add_stop(folds, 1.00, 0x41231a);
    cairo_set_source(cr, folds.get());
    cairo_move_to(cr, left, 10);
    cairo_line_to(cr, right, 10);
    cairo_curve_to(cr, right + 2, 150, right + 8, 260, right + 6, kSkirtingTop + 4);
    cairo_line_to(cr, left - 6, kSkirtingTop + 4);
    cairo_curve_to(cr, left - 2, 250, left, 150, left, 10);
    cairo_fill(cr);
    // Rail.
    set_rgb(cr, 0x2c1e16);
    cairo_rectangle(cr, -30, 8, 120, 5);
    cairo_fill(cr);
}

void draw_painting(cairo_t* cr) {
    const double x = 246, y = 46, w = 60, h = 76;
    // Shadow on the wall, away from the window.
    set_rgb(cr, 0x20140e, 0.35);
    cairo_rectangle(cr, x + 4, y + 5, w, h);
    cairo_fill(cr);
    set_rgb(cr, 0x3a2618);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
    set_rgb(cr, 0x6b5036);
    cairo_rectangle(cr, x + 2, y + 2, w - 4, h - 4);
    cairo_fill(cr);
    // A small landscape: evening sky, hills, a lake.
    const double ix = x + 7, iy = y + 7, iw = w - 14, ih = h - 14;
    const Pattern sky = linear_gradient(0, iy, 0, iy + ih);
    add_stop(sky, 0.0, 0x8a9aa0);
    add_stop(sky, 0.45, 0xc9a77c);
    add_stop(sky, 0.55, 0x5e6b4e);
    add_stop(sky, 1.0, 0x3d4a3a);
    cairo_set_source(cr, sky.get());
    cairo_rectangle(cr, ix, iy, iw, ih);
    cairo_fill(cr);
    set_rgb(cr, 0x4a5a45);
    cairo_move_to(cr, ix, iy + ih * 0.55);
    cairo_curve_to(cr, ix + iw * 0.3, iy + ih * 0.35, ix + iw * 0.6, iy + ih * 0.6, ix + iw, iy + ih * 0.42);
    cairo_line_to(cr, ix + iw, iy + ih);
    cairo_line_to(cr, ix, iy + ih);
    cairo_fill(cr);
    set_rgb(cr, 0x7d8d8f, 0.8);
    cairo_rectangle(cr, ix, iy + ih * 0.72, iw, ih * 0.1);
    cairo_fill(cr);
}

void draw_skirting_and_floor(cairo_t* cr) {
    // Floor boards receding towards a vanishing point at the cat's eye height.
    const Pattern floor = linear_gradient(0, kFloorTop, 0, 480);
    add_stop(floor, 0.0, 0x3a271b);
    add_stop(floor, 0.4, 0x4d3322);
    add_stop(floor, 1.0, 0x5c3e29);
    cairo_set_source(cr, floor.get());
    cairo_rectangle(cr, -20, kFloorTop, 360, 140);
    cairo_fill(cr);

    const double vx = 160, vy = 170;
    Rng rng(0xf100);
    for (int i = -9; i <= 9; ++i) {
        const double bottom_x = 160 + i * 58.0;
        const double t = (kFloorTop - vy) / (480 - vy);
        const double top_x = vx + (bottom_x - vx) * t;
        set_rgb(cr, 0x24170f, 0.65);
        cairo_set_line_width(cr, 1.3);
        cairo_move_to(cr, top_x, kFloorTop);
        cairo_line_to(cr, bottom_x, 480);
        cairo_stroke(cr);
        // Tone variation between boards.
        const double next_bottom = bottom_x + 58.0;
        const double next_top = vx + (next_bottom - vx) * t;
        set_rgb(cr, rng.uniform() < 0.5 ? 0x6a4930 : 0x2e1e14, rng.range(0.08, 0.2));
        cairo_move_to(cr, top_x, kFloorTop);
        cairo_line_to(cr, next_top, kFloorTop);
        cairo_line_to(cr, next_bottom, 480);
        cairo_line_to(cr, bottom_x, 480);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
    // The window's light on the floor.
    const Pattern sheen = radial_gradient(30, 400, 5, 30, 400, 120);
    add_stop(sheen, 0.0, 0xe8c49a, 0.35);
    add_stop(sheen, 1.0, 0xe8c49a, 0.0);
    cairo_set_source(cr, sheen.get());
    cairo_rectangle(cr, -20, kFloorTop, 360, 140);
    cairo_fill(cr);

    // Skirting board.
    set_rgb(cr, 0x8a7460);
    cairo_rectangle(cr, -20, kSkirtingTop, 360, kFloorTop - kSkirtingTop);
    cairo_fill(cr);
    set_rgb(cr, 0xb29c82, 0.8);
    cairo_rectangle(cr, -20, kSkirtingTop, 360, 2);
    cairo_fill(cr);
    set_rgb(cr, 0x2a1c13, 0.6);
    cairo_rectangle(cr, -20, kFloorTop - 1.5, 360, 3);
    cairo_fill(cr);
}

void draw_rug(cairo_t* cr) {
    // A braided oval rug: rings of three muted colours, each with slanted braid ticks.
    const double cx = kRugCentreX, cy = kRugCentreY;
    const unsigned colours[] = {0x4f6b6a, 0x8c7a5f, 0x7a4a3b, 0x5b7672, 0xa08d6c, 0x6b3f33, 0x4c6462};
    const int rings = 14;
    const double outer_rx = 170, outer_ry = 40;
    // Rug shadow on the floor.
    set_rgb(cr, 0x1a100a, 0.45);
    ellipse_path(cr, cx, cy + 3, outer_rx + 4, outer_ry + 5);
    cairo_fill(cr);
    for (int i = 0; i < rings; ++i) {
        const double k = 1.0 - static_cast<double>(i) / rings;
        const double rx = outer_rx * k, ry = outer_ry * k;
        set_rgb(cr, colours[i % 7]);
        ellipse_path(cr, cx, cy, rx, ry);
        cairo_fill(cr);
        // Braid ticks around the ring.
        const double ring_w = outer_ry / rings;
        const int ticks = static_cast<int>(rx * 0.9);
        cairo_set_line_width(cr, 1.0);
        for (int t = 0; t < ticks; ++t) {
            const double a = 2 * M_PI * t / ticks;
            const double r0 = 1.0 - 0.5 * ring_w / ry;
            const double x0 = cx + std::cos(a) * rx * r0, y0 = cy + std::sin(a) * ry * r0;
            set_rgb(cr, t % 2 ? 0x000000 : 0xffffff, 0.10);
            cairo_move_to(cr, x0 - 1.6, y0 - 0.8);
            cairo_line_to(cr, x0 + 1.6, y0 + 0.8);
            cairo_stroke(cr);
        }
    }
    // The rug's raised edge catches a little light at the front.
    const Pattern edge = linear_gradient(0, cy - outer_ry, 0, cy + outer_ry);
    add_stop(edge, 0.0, 0x000000, 0.25);
    add_stop(edge, 0.5, 0x000000, 0.0);
    add_stop(edge, 1.0, 0xffffff, 0.06);
    cairo_set_source(cr, edge.get());
    ellipse_path(cr, cx, cy, outer_rx, outer_ry);
    cairo_fill(cr);
}

}  // namespace

Surface render_room(const Canvas& canvas) {
    const cairo_matrix_t to_pixels = canvas.picture_to_pixels();
    const double s = canvas.scale;

    // The far room sits out of focus; the rug under the cat is nearly sharp.
    Surface back = make_surface(CAIRO_FORMAT_RGB24, canvas.width, canvas.height);
    {
        Context cr = make_context(back.get());
        cairo_set_matrix(cr.get(), &to_pixels);
        draw_wall(cr.get());
        draw_window(cr.get());
        draw_curtain(cr.get());
        draw_painting(cr.get());
        draw_skirting_and_floor(cr.get());
    }
    blur_surface(back.get(), 3.2 * s);

    Surface rug = make_surface(CAIRO_FORMAT_ARGB32, canvas.width, canvas.height);
    {
        Context cr = make_context(rug.get());
        cairo_set_matrix(cr.get(), &to_pixels);
        draw_rug(cr.get());
    }
    blur_surface(rug.get(), 0.9 * s);

    Context cr = make_context(back.get());
    cairo_set_source_surface(cr.get(), rug.get(), 0, 0);
    cairo_paint(cr.get());

    // Lens falloff.
    cairo_set_matrix(cr.get(), &to_pixels);
    const Pattern vignette = radial_gradient(160, 250, 120, 160, 250, 330);
    cairo_pattern_add_color_stop_rgba(vignette.get(), 0.0, 0, 0, 0, 0.0);
    cairo_pattern_add_color_stop_rgba(vignette.get(), 1.0, 0.05, 0.02, 0.0, 0.42);
    cairo_set_source(cr.get(), vignette.get());
    cairo_paint(cr.get());
    cr.reset();

    // Fine film grain, fixed seed.
    cairo_surface_flush(back.get());
    for (int y = 0; y < canvas.height; ++y) {
        std::uint32_t* row = pixel_row(back.get(), y);
        for (int x = 0; x < canvas.width; ++x) {
            const float g = (static_cast<float>(hash2(x, y, 0x9a1u) >> 8) / 16777215.0f - 0.5f) * 5.0f;
            std::uint32_t p = row[x];
            std::uint32_t out = 0xff000000u;
            for (int c = 0; c < 3; ++c) {
                const float v = static_cast<float>((p >> (8 * c)) & 0xff) + g;
                out |= static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0f, 255.0f))) << (8 * c);
            }
            row[x] = out;
        }
    }
    cairo_surface_mark_dirty(back.get());
    return back;
}

}  // namespace tibbo::art
