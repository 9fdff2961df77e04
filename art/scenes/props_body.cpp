#include "props_body.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "../cat_parts.h"
#include "../noise.h"
#include "../raster.h"

namespace tibbo::art::props {
namespace {

constexpr double kDegrees = M_PI / 180.0;

// A horizontal gradient across [x0, x1] through the given colours, evenly spaced.
Pattern across(double x0, double x1, std::initializer_list<unsigned> colours, double alpha) {
    Pattern p = linear_gradient(x0, 0, x1, 0);
    const double n = static_cast<double>(colours.size() - 1);
    int i = 0;
    for (unsigned c : colours)
        add_stop(p, i++ / n, c, alpha);
    return p;
}

// Fills the current path (built in any user space) with a gradient across its own width in
// picture space, so the light stays on the left whatever the prop's tilt.
void fill_lit(cairo_t* cr, std::initializer_list<unsigned> colours, double alpha) {
    double x0, y0, x1, y1;
    cairo_fill_extents(cr, &x0, &y0, &x1, &y1);
    const Pattern p = across(x0, x1, colours, alpha);
    cairo_set_source(cr, p.get());
    cairo_fill(cr);
}

void soft_ball(cairo_t* cr, Point c, double r, unsigned colour, double alpha) {
    const Pattern p = radial_gradient(c.x, c.y, 0, c.x, c.y, r);
    add_stop(p, 0.0, colour, alpha);
    add_stop(p, 0.6, colour, alpha * 0.5);
    add_stop(p, 1.0, colour, 0.0);
    cairo_set_source(cr, p.get());
    cairo_arc(cr, c.x, c.y, r, 0, 2 * M_PI);
    cairo_fill(cr);
}

// The front half of an ellipse, right to left, continuing the current path.
void front_arc(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, 0, M_PI);
    cairo_restore(cr);
}

}  // namespace


cairo_matrix_t head_matrix(const CatPose& pose) { return cat::make_rig(pose).head; }

Point paw_point(const CatPose& pose, bool left) {
    const cat::Rig rig = cat::make_rig(pose);
    return cat::apply(left ? rig.paw_left : rig.paw_right, left ? cat::kPawLeft : cat::kPawRight);
}

void floor_shadow(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha) {
    if (alpha <= 0.0)
        return;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    const Pattern p = radial_gradient(0, 0, 0, 0, 0, 1);
    add_stop(p, 0.0, 0x140c08, alpha);
    add_stop(p, 0.5, 0x140c08, alpha * 0.6);
    add_stop(p, 1.0, 0x140c08, 0.0);
    cairo_set_source(cr, p.get());
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_restore(cr);
}

void claw_marks(cairo_t* cr, Point from, Point to, double drawn, double spread, double alpha) {
    if (drawn <= 0.0 || alpha <= 0.0)
        return;
    const Point d = to - from;
    const double len = std::hypot(d.x, d.y);
    const Point n{-d.y / len, d.x / len};
    for (int k = 0; k < 4; ++k) {
        const double side = k - 1.5;
        const double t0 = 0.04 * std::abs(side) + (k == 3 ? 0.08 : 0.0);
        const double t1 = t0 + (1.0 - 0.1 * std::abs(side) - t0) * drawn;
        std::vector<Point> line;
        for (int i = 0; i <= 10; ++i) {
            const double t = t0 + (t1 - t0) * i / 10.0;
            const double bow = 3.0 * std::sin(M_PI * t) + 0.8 * std::sin(7.0 * t + k);
            line.push_back(from + d * t + n * (side * spread * (1.0 - 0.15 * t) + bow));
        }
        const double w = 4.2 - 0.5 * std::abs(side);
        // The groove catches shadow on one side and light on the other.
        set_rgb(cr, 0x2a2220, 0.45 * alpha);
        brush_path(cr, line, [w](double t) { return 0.3 + w * std::sin(M_PI * std::clamp(t, 0.0, 1.0)); });
        cairo_fill(cr);
        std::vector<Point> lit;
        for (const Point& p : line)
            lit.push_back(p + Point{-0.9, -0.7});
        set_rgb(cr, 0xfdfbf6, 0.9 * alpha);
        brush_path(cr, lit, [w](double t) { return 0.3 + 0.55 * w * std::sin(M_PI * std::clamp(t, 0.0, 1.0)); });
        cairo_fill(cr);
        // Chipped glass glints along the scratch.
        set_rgb(cr, 0xffffff, 0.5 * alpha);
        brush_path(cr, lit, [w](double t) { return 0.15 + 0.3 * w * std::sin(M_PI * std::clamp(t, 0.0, 1.0)); });
        cairo_fill(cr);
    }
}

void cymbal(cairo_t* cr, Point centre, double tilt, double face, double facing, double alpha) {
    if (alpha <= 0.0)
        return;
    constexpr double r = 40.0;
    const double rx = r * std::max(face, 0.1);
    cairo_save(cr);
    cairo_translate(cr, centre.x, centre.y);
    cairo_rotate(cr, tilt * kDegrees);
    // Its shadow on the cat.
    cairo_save(cr);
    cairo_translate(cr, 5, 7);
    cairo_scale(cr, rx + 4, r + 4);
    {
        const Pattern s = radial_gradient(0, 0, 0.6, 0, 0, 1);
        add_stop(s, 0.0, 0x100806, 0.3 * alpha);
        add_stop(s, 1.0, 0x100806, 0.0);
        cairo_set_source(cr, s.get());
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    // The disc: brass turned on a lathe, bright where it faces the window.
    ellipse_path(cr, 0, 0, rx, r);
    {
        const Pattern p = linear_gradient(-rx, -r, rx, r);
        const bool lit_hollow = facing > 0;
        add_stop(p, 0.0, lit_hollow ? 0xf6dc8a : 0xb88a30, alpha);
        add_stop(p, 0.3, lit_hollow ? 0xfff3c4 : 0xe2b85a, alpha);
        add_stop(p, 0.55, 0xd2a040, alpha);
        add_stop(p, 0.8, 0x9a6c22, alpha);
        add_stop(p, 1.0, 0x6a4614, alpha);
        cairo_set_source(cr, p.get());
    }
    cairo_fill(cr);
    cairo_set_line_width(cr, 0.7);
    for (int i = 1; i <= 4; ++i) {
        const double k = i / 5.0;
        ellipse_path(cr, 0, 0, rx * k, r * k);
        set_rgb(cr, i % 2 ? 0x5a3a10 : 0xfff0c0, 0.18 * alpha);
        cairo_stroke(cr);
    }
    // The bell in the middle bulges towards the back, the hand's side.
    const double bx = -facing * rx * 0.18;
    ellipse_path(cr, bx, 0, rx * 0.34, r * 0.34);
    {
        const Pattern p = radial_gradient(bx - rx * 0.1, -r * 0.12, 0, bx, 0, r * 0.34);
        add_stop(p, 0.0, 0xfff6d0, alpha);
        add_stop(p, 0.5, 0xd8a848, alpha);
        add_stop(p, 1.0, 0x8a5c1c, alpha);
        cairo_set_source(cr, p.get());
    }
    cairo_fill(cr);
    // A bright rim and a specular streak.
    ellipse_path(cr, 0, 0, rx, r);
    set_rgb(cr, 0xfff4cc, 0.45 * alpha);
    cairo_set_line_width(cr, 1.1);
    cairo_stroke(cr);
    set_rgb(cr, 0xffffff, 0.55 * alpha);
    spindle(cr, {{-rx * 0.55, -r * 0.62}, {-rx * 0.7, -r * 0.2}, {-rx * 0.6, r * 0.25}}, 0.3, std::max(1.0, rx * 0.14));
    cairo_restore(cr);
}

void clash_flash(cairo_t* cr, Point c, double strength) {
    if (strength <= 0.0)
        return;
    soft_ball(cr, c, 52 * strength, 0xfff4c8, 0.75 * strength);
    soft_ball(cr, c, 22 * strength, 0xffffff, 0.9 * strength);
    Rng rng(0xc1a5);
    for (int i = 0; i < 12; ++i) {
        const double a = (i * 30.0 + rng.symmetric(9)) * kDegrees;
        const double inner = 10 * strength, outer = (i % 2 ? 44 : 66) * strength * rng.range(0.8, 1.1);
        const Point dir{std::cos(a), std::sin(a)};
        set_rgb(cr, 0xfffbe8, 0.8 * strength);
        spindle(cr, {c + dir * inner, c + dir * ((inner + outer) * 0.45), c + dir * outer}, 0.2, 2.4 * strength);
    }
}

void jug(cairo_t* cr, Point spout, double tilt, double alpha) {
    if (alpha <= 0.0)
        return;
    const std::vector<Point> body = {{-8, -3}, {8, -5},  {28, -6}, {42, -4}, {42, 10}, {56, 30}, {64, 56},
                                     {58, 82}, {46, 94}, {14, 94}, {2, 82},  {-4, 56}, {2, 30},  {7, 12}, {-1, 3}};
    cairo_save(cr);
    cairo_translate(cr, spout.x, spout.y);
    cairo_rotate(cr, tilt * kDegrees);
    cairo_matrix_t local;
    cairo_get_matrix(cr, &local);
    // Shadow cast on the cat behind.
    cairo_save(cr);
    cairo_translate(cr, 34, 56);
    cairo_scale(cr, 1.0, 1.3);
    soft_ball(cr, {0, 0}, 46, 0x100806, 0.3 * alpha);
    cairo_restore(cr);
    // Handle.
    smooth_open(cr, {{44, 8}, {68, 12}, {78, 38}, {60, 68}});
    cairo_set_line_width(cr, 9);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_restore(cr);
    {
        double x0, y0, x1, y1;
        cairo_stroke_extents(cr, &x0, &y0, &x1, &y1);
        const Pattern p = across(x0, x1, {0xf7f2e6, 0xd9d1c0, 0x9c9484}, alpha);
        cairo_set_source(cr, p.get());
        cairo_set_line_width(cr, 9);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    }
    // Body.
    cairo_save(cr);
    cairo_set_matrix(cr, &local);
    smooth_closed(cr, body);
    cairo_restore(cr);
    fill_lit(cr, {0xfffcf4, 0xf3eddf, 0xd8d0c0, 0x9d9586}, alpha);
    // A blue band round the belly, and the shade towards the base.
    cairo_matrix_t picture;
    cairo_get_matrix(cr, &picture);
    cairo_save(cr);
    cairo_set_matrix(cr, &local);
    smooth_closed(cr, body);
    cairo_clip(cr);
    cairo_rectangle(cr, -20, 40, 100, 9);
    cairo_set_matrix(cr, &picture);
    fill_lit(cr, {0x9ab8d8, 0x6f8fb4, 0x3f5a7a}, alpha);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_set_matrix(cr, &local);
    smooth_closed(cr, body);
    cairo_clip(cr);
    // The dark mouth of the jug and a gloss along the lit side.
    ellipse_path(cr, 20, -5, 22, 3.2);
    set_rgb(cr, 0x8a8070, 0.6 * alpha);
    cairo_fill(cr);
    set_rgb(cr, 0xffffff, 0.7 * alpha);
    spindle(cr, {{10, 16}, {7, 44}, {12, 76}}, 0.5, 4.0);
    cairo_restore(cr);
}

void milk_stream(cairo_t* cr, Point from, Point to, double flow) {
    if (flow <= 0.0)
        return;
    const double dy = to.y - from.y;
    const std::vector<Point> line = {from, {from.x - 5, from.y + 0.15 * dy}, {to.x - 1, from.y + 0.55 * dy}, to};
    brush_path(cr, line, [flow](double t) { return flow * (6.0 - 2.0 * t); });
    fill_lit(cr, {0xf4f2ec, 0xffffff, 0xd6d3cc}, 1.0);
    set_rgb(cr, 0xffffff, 0.8);
    std::vector<Point> gloss;
    for (const Point& p : line)
        gloss.push_back(p + Point{-1.0 * flow, 0});
    taper(cr, gloss, 1.2 * flow, 0.6 * flow);
    // Where it lands the milk rings and splashes a little.
    ellipse_path(cr, to.x, to.y, 8 * flow, 2.2 * flow);
    set_rgb(cr, 0xffffff, 0.9);
    cairo_fill(cr);
    for (int i = -1; i <= 1; i += 2) {
        ellipse_path(cr, to.x + i * 9 * flow, to.y - 4 * flow, 1.6 * flow, 1.6 * flow);
        cairo_fill(cr);
    }
}

namespace {
constexpr double kGlassBottom = 23.0, kGlassTop = 29.0, kGlassTilt = 0.24;
double glass_radius(double up) { return kGlassBottom + (kGlassTop - kGlassBottom) * up / kGlassHeight; }
double milk_height(double milk) { return 7.0 + (kGlassHeight - 16.0) * milk; }
}  // namespace

Point glass_milk_top(Point base, double milk) { return {base.x, base.y - milk_height(milk)}; }

void glass(cairo_t* cr, Point base, double milk, double alpha) {
    if (alpha <= 0.0)
        return;
    const double cx = base.x, yb = base.y, yt = yb - kGlassHeight, e = kGlassTilt;
    floor_shadow(cr, cx + 7, yb + 1, 36, 7, 0.4 * alpha);
    // The body of the glass, a faint brightening over what is behind it.
    auto wall = [&](cairo_t* c) {
        cairo_move_to(c, cx - kGlassTop, yt);
        cairo_line_to(c, cx + kGlassTop, yt);
        cairo_line_to(c, cx + kGlassBottom, yb);
        front_arc(c, cx, yb, kGlassBottom, kGlassBottom * e);
        cairo_close_path(c);
    };
    wall(cr);
    fill_lit(cr, {0xffffff, 0xe8eef2, 0xffffff}, 0.12 * alpha);
    // Milk.
    if (milk > 0.0) {
        const double h = milk_height(milk);
        const double ym = yb - h, rm = glass_radius(h) - 2.5, r0 = kGlassBottom - 2.5;
        cairo_move_to(cr, cx - rm, ym);
        cairo_line_to(cr, cx + rm, ym);
        cairo_line_to(cr, cx + r0, yb - 6);
        front_arc(cr, cx, yb - 6, r0, r0 * e);
        cairo_close_path(cr);
        fill_lit(cr, {0xeeece6, 0xffffff, 0xf4f2ec, 0xd4d0c8, 0xb6b2aa}, alpha);
        ellipse_path(cr, cx, ym, rm, rm * e);
        {
            const Pattern p = linear_gradient(cx - rm, ym - rm * e, cx + rm, ym + rm * e);
            add_stop(p, 0.0, 0xe6e3dc, alpha);
            add_stop(p, 0.6, 0xfdfcf9, alpha);
            add_stop(p, 1.0, 0xf2f0ea, alpha);
            cairo_set_source(cr, p.get());
        }
        cairo_fill(cr);
    }
    // Glass: bright rims and edges, a reflection of the window down the left.
    cairo_set_line_width(cr, 1.2);
    ellipse_path(cr, cx, yt, kGlassTop, kGlassTop * e);
    set_rgb(cr, 0xffffff, 0.55 * alpha);
    cairo_stroke(cr);
    set_rgb(cr, 0xffffff, 0.35 * alpha);
    cairo_move_to(cr, cx - kGlassTop, yt);
    cairo_line_to(cr, cx - kGlassBottom, yb);
    cairo_move_to(cr, cx + kGlassTop, yt);
    cairo_line_to(cr, cx + kGlassBottom, yb);
    cairo_stroke(cr);
    set_rgb(cr, 0xffffff, 0.6 * alpha);
    spindle(cr, {{cx - kGlassTop + 6, yt + 10}, {cx - kGlassTop + 7.5, yt + 50}, {cx - kGlassBottom + 5, yb - 14}}, 0.4,
            3.2);
    set_rgb(cr, 0xffffff, 0.3 * alpha);
    spindle(cr, {{cx + kGlassTop - 6, yt + 16}, {cx + kGlassTop - 7, yt + 50}, {cx + kGlassBottom - 5, yb - 20}}, 0.3,
            1.6);
    // The thick base.
    ellipse_path(cr, cx, yb - 4, kGlassBottom, kGlassBottom * e);
    set_rgb(cr, 0xf0f4f6, 0.3 * alpha);
    cairo_fill_preserve(cr);
    set_rgb(cr, 0xffffff, 0.4 * alpha);
    cairo_stroke(cr);
}

void milk_moustache(cairo_t* cr, const CatPose& pose, double amount) {
    if (amount <= 0.0)
        return;
    const cairo_matrix_t head = head_matrix(pose);
    cairo_save(cr);
    cairo_transform(cr, &head);
    const std::vector<Point> band = {{139, 204}, {146, 199}, {153, 200}, {160, 202}, {167, 200}, {174, 199},
                                     {181, 204}, {178, 209}, {171, 212}, {165, 209}, {160, 211}, {155, 209},
                                     {149, 212}, {142, 209}};
    // A soft shadow under it, the milk, its drips and a wet gleam.
    cairo_save(cr);
    cairo_translate(cr, 0.6, 1.6);
    smooth_closed(cr, band);
    set_rgb(cr, 0x403030, 0.2 * amount);
    cairo_fill(cr);
    cairo_restore(cr);
    smooth_closed(cr, band);
    ellipse_path(cr, 149, 214, 2.2, 3.0);
    ellipse_path(cr, 172, 214.5, 1.8, 2.6);
    {
        const Pattern p = linear_gradient(140, 198, 180, 214);
        add_stop(p, 0.0, 0xffffff, amount);
        add_stop(p, 0.6, 0xf3f1ec, amount);
        add_stop(p, 1.0, 0xd8d4cc, amount);
        cairo_set_source(cr, p.get());
    }
    cairo_fill(cr);
    set_rgb(cr, 0xffffff, 0.9 * amount);
    ellipse_path(cr, 148, 202.5, 3.5, 1.2, -10);
    cairo_fill(cr);
    cairo_restore(cr);
}

void food_bowl(cairo_t* cr, Point base, double food, double alpha) {
    if (alpha <= 0.0)
        return;
    const double cx = base.x, yb = base.y;
    const double rim_y = yb - 42, rim_rx = 72, rim_ry = 15, foot_rx = 54;
    cairo_push_group(cr);
    floor_shadow(cr, cx + 10, yb + 1, 84, 11, 0.55);
    // Inside: the far wall catches the window's light.
    ellipse_path(cr, cx, rim_y, rim_rx, rim_ry);
    fill_lit(cr, {0xa8553e, 0xc8684c, 0xf09a78}, 1.0);
    if (food > 0.0) {
        cairo_save(cr);
        ellipse_path(cr, cx, rim_y, rim_rx - 3, rim_ry - 1.5);
        cairo_clip(cr);
        const double top = rim_y + 2 - 11 * food;
        ellipse_path(cr, cx, top + 7, (rim_rx - 6) * (0.7 + 0.3 * food), 9 + 4 * food);
        fill_lit(cr, {0x9a6238, 0x7a4624, 0x4e2a14}, 1.0);
        Rng rng(0xb0e1);
        for (int i = 0; i < 48; ++i) {
            const double a = rng.uniform() * 2 * M_PI, rr = std::sqrt(rng.uniform());
            const Point k{cx + std::cos(a) * rr * (rim_rx - 12) * (0.7 + 0.3 * food),
                          top + 7 + std::sin(a) * rr * (7 + 4 * food) - (1 - rr) * 4 * food};
            const double shade = rng.uniform();
            const bool kept = rng.uniform() < food * 1.15;
            if (!kept)
                continue;
            ellipse_path(cr, k.x, k.y, 3.6, 2.6, rng.symmetric(40));
            set_rgb(cr, shade < 0.5 ? 0x8e5630 : 0x6a3c1e);
            cairo_fill(cr);
            ellipse_path(cr, k.x - 1.0, k.y - 0.9, 1.3, 0.8);
            set_rgb(cr, 0xd8a070, 0.7);
            cairo_fill(cr);
        }
        cairo_restore(cr);
    }
    // Outer wall, glazed, with the rim's front edge.
    cairo_move_to(cr, cx - rim_rx, rim_y);
    cairo_curve_to(cr, cx - rim_rx + 2, rim_y + 22, cx - foot_rx - 3, yb - 10, cx - foot_rx, yb - 3);
    cairo_line_to(cr, cx + foot_rx, yb - 3);
    cairo_curve_to(cr, cx + foot_rx + 3, yb - 10, cx + rim_rx - 2, rim_y + 22, cx + rim_rx, rim_y);
    front_arc(cr, cx, rim_y, rim_rx, rim_ry);
    cairo_close_path(cr);
    fill_lit(cr, {0xe88a68, 0xd8694a, 0xb84a32, 0x8a2e1e, 0x5a1a10}, 1.0);
    // Darker towards the floor, a glossy streak from the window.
    cairo_move_to(cr, cx - foot_rx - 4, yb - 12);
    cairo_line_to(cr, cx + foot_rx + 4, yb - 12);
    cairo_line_to(cr, cx + foot_rx, yb - 3);
    cairo_line_to(cr, cx - foot_rx, yb - 3);
    cairo_close_path(cr);
    set_rgb(cr, 0x2a0c06, 0.3);
    cairo_fill(cr);
    set_rgb(cr, 0xffffff, 0.55);
    spindle(cr, {{cx - rim_rx + 10, rim_y + 14}, {cx - rim_rx + 15, rim_y + 26}, {cx - foot_rx + 3, yb - 8}}, 0.4, 3.5);
    // The rolled lip.
    ellipse_path(cr, cx, rim_y, rim_rx, rim_ry);
    cairo_set_line_width(cr, 2.4);
    {
        const Pattern p = across(cx - rim_rx, cx + rim_rx, {0xffd2b8, 0xf0a080, 0xb85a40}, 1.0);
        cairo_set_source(cr, p.get());
    }
    cairo_stroke(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, alpha);
}

void gas_cloud(cairo_t* cr, Point centre, double size, double alpha, std::uint32_t seed) {
    if (alpha <= 0.0 || size <= 0.0)
        return;
    Rng rng(seed);
    for (int i = 0; i < 7; ++i) {
        const Point c = centre + Point{rng.symmetric(size * 0.95), rng.symmetric(size * 0.45)};
        const double r = size * rng.range(0.5, 0.8);
        // Body of the puff, then its sunlit top-left.
        const Pattern p = radial_gradient(c.x - r * 0.3, c.y - r * 0.35, 0, c.x, c.y, r);
        add_stop(p, 0.0, 0xdcebaa, 0.92 * alpha);
        add_stop(p, 0.5, 0xa8c266, 0.85 * alpha);
        add_stop(p, 0.82, 0x82a04a, 0.55 * alpha);
        add_stop(p, 1.0, 0x7a9444, 0.0);
        cairo_set_source(cr, p.get());
        cairo_arc(cr, c.x, c.y, r, 0, 2 * M_PI);
        cairo_fill(cr);
    }
}

void finger(cairo_t* cr, Point tip, double angle, double alpha) {
    if (alpha <= 0.0)
        return;
    cairo_push_group(cr);
    cairo_save(cr);
    cairo_translate(cr, tip.x, tip.y);
    cairo_rotate(cr, (angle + 180.0) * kDegrees);
    cairo_matrix_t local;
    cairo_get_matrix(cr, &local);
    const std::vector<Point> digit = {{8, 0}, {60, 0}, {110, 2}};
    auto hand = [](cairo_t* c) {
        ellipse_path(c, 165, 18, 78, 44, 6);
        ellipse_path(c, 120, 24, 30, 20, 10);
    };
    // Its shadow on the cat.
    for (int i = 1; i <= 2; ++i) {
        cairo_save(cr);
        cairo_translate(cr, 6.0 * i, 5.0 * i);
        brush_path(cr, digit, [](double t) { return 19.0 + 5 * t; });
        hand(cr);
        set_rgb(cr, 0x100806, 0.13);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    hand(cr);
    cairo_restore(cr);
    fill_lit(cr, {0xf0c4a2, 0xd89c7a, 0xa86a50}, 1.0);
    cairo_save(cr);
    cairo_set_matrix(cr, &local);
    brush_path(cr, digit, [](double t) { return 19.0 + 5 * t; });
    cairo_restore(cr);
    fill_lit(cr, {0xf6d0b2, 0xe8b08e, 0xc4805e, 0x9a5c44}, 1.0);
    cairo_save(cr);
    cairo_set_matrix(cr, &local);
    // Warm light through the fingertip, the nail, the knuckle creases.
    soft_ball(cr, {4, 0}, 14, 0xffb0a0, 0.35);
    ellipse_path(cr, 15, -1.5, 10, 6.2);
    {
        const Pattern p = linear_gradient(5, -8, 25, 5);
        add_stop(p, 0.0, 0xfbe8e0);
        add_stop(p, 1.0, 0xe0aa98);
        cairo_set_source(cr, p.get());
    }
    cairo_fill(cr);
    set_rgb(cr, 0xffffff, 0.7);
    ellipse_path(cr, 13, -4, 5, 1.4);
    cairo_fill(cr);
    set_rgb(cr, 0x8a4c36, 0.3);
    cairo_set_line_width(cr, 1.0);
    for (const double x : {44.0, 48.0, 82.0}) {
        cairo_move_to(cr, x, -6);
        cairo_curve_to(cr, x + 2, -2, x + 2, 2, x, 6);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, alpha);
}

}  // namespace tibbo::art::props

namespace tibbo::art::props {

double keyed(double frame, std::initializer_list<Key> keys) {
    const Key* prev = keys.begin();
    if (frame <= prev->frame)
        return prev->value;
    for (const Key* k = keys.begin() + 1; k != keys.end(); ++k) {
        if (frame <= k->frame)
            return prev->value + (k->value - prev->value) * ramp(frame, prev->frame, k->frame);
        prev = k;
    }
    return prev->value;
}

namespace {

// The hind-foot taps: (lift off, top reached, top left, landing, height). The foot rises
// smoothly and comes down gathering speed, so each landing reads as a tap.
struct Tap {
    double start, top, hold, land, height;
};
constexpr Tap kTaps[] = {{1, 5, 7.5, 10, 48}, {10, 12.2, 12.6, 14.5, 27}, {14.5, 16.2, 16.4, 18.5, 14}};

double foot_lift(double f) {
    for (const Tap& t : kTaps) {
        if (f <= t.start || f >= t.land)
            continue;
        if (f < t.hold) {
            const double rise = ramp(f, t.start, t.top);
            return t.height * (0.92 * rise + 0.08 * ramp(f, t.start, t.hold));
        }
        return t.height * std::cos(0.5 * M_PI * (f - t.hold) / (t.land - t.hold));
    }
    return 0.0;
}

// Where the foot on that side meets the rug in that frame, in picture units.
Point foot_contact(double f, bool viewer_left) {
    const CatPose pose = foot_tap_pose(f, viewer_left);
    const cat::Rig rig = cat::make_rig(pose);
    const Point c = viewer_left ? cat::kFootLeft : cat::kFootRight;
    return cat::apply(rig.body, {c.x, c.y + 11});
}

}  // namespace

CatPose foot_tap_pose(double f, bool viewer_left) {
    const double side = viewer_left ? -1.0 : 1.0;
    const double lift = foot_lift(f);
    // The sole turns to the viewer as the foot comes up and stays turned through the taps.
    const double turn = keyed(f, {{1, 0}, {4, 1}, {17, 1}, {20.5, 0}});
    const double toes = turn * (0.55 + 0.45 * std::min(1.0, lift / 18.0));
    const double wince = window(f, 2, 4.5, 11, 16);
    const double look = window(f, 10, 13.5, 23, 29);
    CatPose p;
    (viewer_left ? p.foot_lift_left : p.foot_lift_right) = lift;
    (viewer_left ? p.foot_toes_left : p.foot_toes_right) = toes;
    p.eye_left.open = p.eye_right.open = 1.0 - 0.85 * wince - 0.15 * look;
    p.eye_left.squint = p.eye_right.squint = 0.8 * wince + 0.25 * look;
    p.mouth.open = 0.3 * window(f, 3, 6, 11, 16);
    p.mouth.smile = -0.8 * wince - 0.3 * look;
    p.whisker_twitch = -0.6 * wince;
    p.nose_wrinkle = 0.6 * wince;
    EarPose& ear = viewer_left ? p.ear_left : p.ear_right;
    ear.flatten = 0.6 * wince + 0.2 * look;
    (viewer_left ? p.ear_right : p.ear_left).flatten = 0.2 * wince;
    // Wincing, the head tips towards the sore foot; then it bows to look down at it.
    p.head_tilt = side * (7.0 * wince + 6.0 * look);
    p.head_dy = 4.0 * wince + 8.0 * look;
    p.head_dx = side * 4.0 * look;
    p.lean = -side * 3.0 * wince + side * 1.5 * look;
    PawPose& paw = viewer_left ? p.paw_left : p.paw_right;
    paw.dy = -10.0 * wince;
    paw.dx = side * 3.0 * wince;
    p.gaze_x = side * 0.6 * look;
    p.gaze_y = 0.95 * look;
    return p;
}

namespace {

// How hard the foot landed, fading over the frames after each landing (0 before).
double landing(double f, double& since) {
    double strength = 0.0;
    since = 0.0;
    for (const Tap& t : kTaps) {
        if (f >= t.land) {
            since = f - t.land;
            strength = t.height / kTaps[0].height;
        }
    }
    return strength;
}

}  // namespace

void foot_tap_ripple(cairo_t* cr, double f, bool viewer_left) {
    double since = 0.0;
    const double strength = landing(f, since);
    const double fade = strength * (1.0 - ramp(since, 0.0, 6.0));
    if (fade <= 0.0)
        return;
    const Point at = foot_contact(f, viewer_left);
    const double grow = ramp(since, -1.0, 6.0);
    const double rx = 24.0 + 38.0 * grow * (0.6 + 0.4 * strength);
    const double ry = rx * 0.3;
    // A flattened ring of pile catching the window light, a touch of shade just inside it.
    cairo_save(cr);
    cairo_translate(cr, at.x, at.y + 2);
    cairo_scale(cr, rx, ry);
    const Pattern p = radial_gradient(0, 0, 0, 0, 0, 1);
    add_stop(p, 0.0, 0x2a1a12, 0.0);
    add_stop(p, 0.55, 0x2a1a12, 0.0);
    add_stop(p, 0.72, 0x2a1a12, 0.35 * fade);
    add_stop(p, 0.84, 0xfbf0dc, 0.8 * fade);
    add_stop(p, 1.0, 0xfbf0dc, 0.0);
    cairo_set_source(cr, p.get());
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_restore(cr);
}

void foot_tap_dust(cairo_t* cr, double f, bool viewer_left) {
    double since = 0.0;
    const double strength = landing(f, since);
    const double fade = strength * (1.0 - ramp(since, 0.5, 5.5));
    if (fade <= 0.0)
        return;
    const Point at = foot_contact(f, viewer_left);
    const double spread = ramp(since, -0.5, 5.0);
    Rng rng(viewer_left ? 0xd057u : 0xd058u);
    // Two little clouds of rug dust kicked out sideways from under the foot, rising as they thin.
    for (int i = 0; i < 10; ++i) {
        const double dir = i % 2 == 0 ? -1.0 : 1.0;
        const double reach = rng.range(15, 24) + rng.range(10, 20) * spread * (0.5 + 0.5 * strength);
        const Point c = at + Point{dir * reach, 2.0 - rng.range(0, 5) - rng.range(4, 12) * spread};
        const double r = (rng.range(3.5, 5.0) + rng.range(3.0, 6.0) * spread) * (0.7 + 0.3 * strength);
        const double a = fade * rng.range(0.55, 0.75);
        const Pattern p = radial_gradient(c.x - r * 0.35, c.y - r * 0.4, 0, c.x, c.y, r);
        add_stop(p, 0.0, 0xfaf1e2, a);
        add_stop(p, 0.5, 0xd9c9b1, 0.8 * a);
        add_stop(p, 1.0, 0xa8967e, 0.0);
        cairo_set_source(cr, p.get());
        cairo_arc(cr, c.x, c.y, r, 0, 2 * M_PI);
        cairo_fill(cr);
    }
}

}  // namespace tibbo::art::props
