#include "props_face.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "../cat_parts.h"
#include "../noise.h"
#include "../raster.h"

namespace tibbo::art::face {
namespace {

constexpr double kDeg = M_PI / 180.0;

void star_path(cairo_t* cr, Point c, double r, double turn) {
    const double inner = r * 0.5;
    for (int i = 0; i < 10; ++i) {
        const double a = (turn - 90.0 + 36.0 * i) * kDeg;
        const double rr = i % 2 == 0 ? r : inner;
        const double x = c.x + rr * std::cos(a), y = c.y + rr * std::sin(a);
        if (i == 0)
            cairo_move_to(cr, x, y);
        else
            cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
}

// Cream colours: lit from the upper left, cool in the shade.
constexpr unsigned kCreamLit = 0xfffdf6;
constexpr unsigned kCreamMid = 0xf3ecdc;
constexpr unsigned kCreamShade = 0xcfc6b6;

// One shaded blob of whipped cream.
void cream_blob(cairo_t* cr, Point c, double r) {
    const Pattern body = radial_gradient(c.x - r * 0.35, c.y - r * 0.4, r * 0.1, c.x, c.y, r * 1.05);
    add_stop(body, 0.0, kCreamLit);
    add_stop(body, 0.55, kCreamMid);
    add_stop(body, 1.0, kCreamShade);
    cairo_set_source(cr, body.get());
    cairo_arc(cr, c.x, c.y, r, 0, 2 * M_PI);
    cairo_fill(cr);
}

// A glossy spot where a blob of cream catches the window.
void cream_gloss(cairo_t* cr, Point c, double r, double alpha) {
    const Pattern gloss = radial_gradient(c.x, c.y, 0.2, c.x, c.y, r);
    add_stop(gloss, 0.0, 0xffffff, 0.9 * alpha);
    add_stop(gloss, 1.0, 0xffffff, 0.0);
    cairo_set_source(cr, gloss.get());
    cairo_arc(cr, c.x, c.y, r, 0, 2 * M_PI);
    cairo_fill(cr);
}

// A blobby, lobed outline round centre (an ellipse rx by ry with `lobes` bulges).
void splat_path(cairo_t* cr, Point c, double rx, double ry, int lobes, double bulge, std::uint64_t seed) {
    Rng rng(seed);
    std::vector<Point> points;
    const int n = lobes * 2;
    for (int i = 0; i < n; ++i) {
        const double a = i * 2.0 * M_PI / n + rng.symmetric(0.1);
        const double k = i % 2 == 0 ? 1.0 + bulge * rng.range(0.5, 1.0) : 1.0 - bulge * rng.range(0.0, 0.4);
        points.push_back({c.x + rx * k * std::cos(a), c.y + ry * k * std::sin(a)});
    }
    smooth_closed(cr, points);
}

// Fills the current path with whipped cream: lit from the upper left, with a shaded rim
// below right and a bright rim above left, so the cream stands up off what is under it.
void cream_fill(cairo_t* cr, Point c, double r) {
    cairo_path_t* path = cairo_copy_path(cr);
    const Pattern body = radial_gradient(c.x - r * 0.3, c.y - r * 0.35, r * 0.05, c.x, c.y, r * 1.1);
    add_stop(body, 0.0, kCreamLit);
    add_stop(body, 0.5, kCreamMid);
    add_stop(body, 1.0, 0xd2c6ae);
    cairo_set_source(cr, body.get());
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip(cr);
    for (int i = 0; i < 3; ++i) {
        const double w = 2.0 + 3.0 * i;
        cairo_save(cr);
        cairo_translate(cr, 1.5 + 0.8 * i, 2.0 + 1.0 * i);
        cairo_new_path(cr);
        cairo_append_path(cr, path);
        cairo_restore(cr);
        set_rgb(cr, 0x7a6e5a, 0.2);
        cairo_set_line_width(cr, w);
        cairo_stroke(cr);
    }
    cairo_save(cr);
    cairo_translate(cr, -1.5, -2.0);
    cairo_new_path(cr);
    cairo_append_path(cr, path);
    cairo_restore(cr);
    set_rgb(cr, 0xffffff, 0.7);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    cairo_restore(cr);
    cairo_new_path(cr);
    cairo_path_destroy(path);
}

}  // namespace

cairo_matrix_t head_to_picture(const CatPose& pose) { return cat::make_rig(pose).head; }

Point head_point(const CatPose& pose, Point local) { return cat::apply(head_to_picture(pose), local); }

void paint_star(cairo_t* cr, Point c, double r, double turn, double alpha) {
    if (alpha <= 0.0)
        return;
    cairo_save(cr);
    // Glow round the star.
    const Pattern glow = radial_gradient(c.x, c.y, r * 0.2, c.x, c.y, r * 2.1);
    add_stop(glow, 0.0, 0xfff2b0, 0.55 * alpha);
    add_stop(glow, 1.0, 0xfff2b0, 0.0);
    cairo_set_source(cr, glow.get());
    cairo_arc(cr, c.x, c.y, r * 2.1, 0, 2 * M_PI);
    cairo_fill(cr);
    // A plump body: the outline stroked with round joins rounds off the points.
    cairo_push_group(cr);
    const Pattern gold = radial_gradient(c.x - r * 0.35, c.y - r * 0.4, r * 0.1, c.x, c.y, r * 1.2);
    add_stop(gold, 0.0, 0xfff6c0);
    add_stop(gold, 0.45, 0xffd24a);
    add_stop(gold, 1.0, 0xc98a16);
    cairo_set_source(cr, gold.get());
    star_path(cr, c, r * 0.88, turn);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, r * 0.28);
    cairo_fill_preserve(cr);
    cairo_stroke(cr);
    // Bevel: the arms facing away from the light are darker.
    const Pattern bevel = linear_gradient(c.x - r, c.y - r, c.x + r, c.y + r);
    add_stop(bevel, 0.0, 0xffffff, 0.25);
    add_stop(bevel, 0.5, 0xffffff, 0.0);
    add_stop(bevel, 1.0, 0x804a00, 0.3);
    cairo_set_source(cr, bevel.get());
    cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
    cairo_paint(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, alpha);
    // Sparkle.
    set_rgb(cr, 0xffffff, 0.85 * alpha);
    ellipse_path(cr, c.x - r * 0.22, c.y - r * 0.25, r * 0.16, r * 0.1, -0.6);
    cairo_fill(cr);
    cairo_restore(cr);
}

void paint_star_ring(cairo_t* cr, const CatPose& pose, double phase, double alpha, bool far_side) {
    constexpr int kStars = 5;
    const Point centre = head_point(pose, {160, 84});
    for (int i = 0; i < kStars; ++i) {
        const double a = phase + i * 2.0 * M_PI / kStars;
        const double depth = std::sin(a);  // +1 nearest the viewer
        if ((depth < 0.0) != far_side)
            continue;
        const Point p{centre.x + 74.0 * std::cos(a), centre.y + 16.0 * depth};
        const double size = 11.5 + 3.5 * depth;
        paint_star(cr, p, size, a / kDeg * 0.6 + i * 20, alpha * (0.8 + 0.2 * depth));
    }
}

void paint_soft_shadow(cairo_t* cr, Point c, double rx, double ry, double alpha) {
    if (alpha <= 0.0)
        return;
    cairo_save(cr);
    cairo_translate(cr, c.x, c.y);
    cairo_scale(cr, rx, ry);
    const Pattern shade = radial_gradient(0, 0, 0.0, 0, 0, 1.0);
    add_stop(shade, 0.0, 0x140c08, alpha);
    add_stop(shade, 1.0, 0x140c08, 0.0);
    cairo_set_source(cr, shade.get());
    cairo_arc(cr, 0, 0, 1.0, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_restore(cr);
}

void paint_ball(cairo_t* cr, Point c, double r, double squash, double spin) {
    cairo_save(cr);
    cairo_translate(cr, c.x, c.y);
    cairo_save(cr);
    cairo_scale(cr, 1.0 + squash, 1.0 - squash);
    cairo_arc(cr, 0, 0, r, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_clip(cr);
    // Rubber body, lit from the upper left.
    const Pattern body = radial_gradient(-r * 0.4, -r * 0.45, r * 0.05, 0, 0, r * (1.0 + squash));
    add_stop(body, 0.0, 0xff8a7a);
    add_stop(body, 0.35, 0xe2382c);
    add_stop(body, 0.8, 0xa01c18);
    add_stop(body, 1.0, 0x5a0e0c);
    cairo_set_source(cr, body.get());
    cairo_paint(cr);
    // A cream band round it, turning with the spin.
    cairo_save(cr);
    cairo_rotate(cr, spin * kDeg);
    const double band = std::cos(spin * kDeg * 2.0);
    cairo_scale(cr, 1.0, 0.35 + 0.25 * band);
    set_rgb(cr, 0xf6e6b0, 0.9);
    cairo_set_line_width(cr, r * 0.32);
    cairo_arc(cr, 0, 0, r * 1.05, 0, 2 * M_PI);
    cairo_stroke(cr);
    cairo_restore(cr);
    // Shade again over the band so it rounds with the ball.
    const Pattern round = radial_gradient(-r * 0.4, -r * 0.45, r * 0.3, 0, 0, r * 1.2);
    add_stop(round, 0.0, 0x000000, 0.0);
    add_stop(round, 0.6, 0x200000, 0.15);
    add_stop(round, 1.0, 0x200000, 0.6);
    cairo_set_source(cr, round.get());
    cairo_paint(cr);
    // Reflected warm light from the room along the lower right edge, and the window's highlight.
    const Pattern bounce = radial_gradient(r * 0.7, r * 0.7, 0, r * 0.7, r * 0.7, r * 0.6);
    add_stop(bounce, 0.0, 0xffb080, 0.3);
    add_stop(bounce, 1.0, 0xffb080, 0.0);
    cairo_set_source(cr, bounce.get());
    cairo_paint(cr);
    const Pattern spec = radial_gradient(-r * 0.42, -r * 0.45, 0, -r * 0.42, -r * 0.45, r * 0.35);
    add_stop(spec, 0.0, 0xffffff, 0.9);
    add_stop(spec, 1.0, 0xffffff, 0.0);
    cairo_set_source(cr, spec.get());
    cairo_paint(cr);
    cairo_restore(cr);
}

void paint_pie_side(cairo_t* cr, Point c, double scale, double angle) {
    cairo_save(cr);
    cairo_translate(cr, c.x, c.y);
    cairo_rotate(cr, angle * kDeg);
    cairo_scale(cr, scale, scale);
    // Cream heaped on top: a row of shaded swirls.
    cairo_move_to(cr, -46, -8);
    cairo_curve_to(cr, -50, -16, -40, -20, -34, -18);
    cairo_curve_to(cr, -32, -26, -20, -28, -16, -22);
    cairo_curve_to(cr, -14, -33, 2, -36, 4, -26);
    cairo_curve_to(cr, 10, -32, 24, -30, 22, -20);
    cairo_curve_to(cr, 30, -24, 42, -20, 38, -14);
    cairo_curve_to(cr, 48, -14, 50, -8, 46, -8);
    cairo_close_path(cr);
    cream_fill(cr, {-6, -18}, 40);
    // Piped swirls on the cream.
    for (const double x : {-30.0, -8.0, 14.0, 34.0}) {
        set_rgb(cr, 0xb8ac96, 0.45);
        cairo_set_line_width(cr, 1.2);
        cairo_arc(cr, x, -15, 5.5, M_PI * 0.15, M_PI * 0.95);
        cairo_stroke(cr);
    }
    cream_gloss(cr, {-12, -27}, 5, 0.8);
    cream_gloss(cr, {-34, -18}, 3.5, 0.6);
    // A cherry on top.
    const Pattern cherry = radial_gradient(-1.5, -33.5, 0.5, 0, -31, 6);
    add_stop(cherry, 0.0, 0xff9a90);
    add_stop(cherry, 0.4, 0xd0202a);
    add_stop(cherry, 1.0, 0x6a0810);
    cairo_set_source(cr, cherry.get());
    cairo_arc(cr, 0, -31, 5.5, 0, 2 * M_PI);
    cairo_fill(cr);
    set_rgb(cr, 0x5a3a18, 0.9);
    cairo_set_line_width(cr, 1.1);
    cairo_move_to(cr, 0.5, -36);
    cairo_curve_to(cr, 1, -40, 3, -43, 6, -44);
    cairo_stroke(cr);
    // The fluted foil tin, narrower at the bottom.
    cairo_move_to(cr, -44, -8);
    cairo_line_to(cr, 44, -8);
    cairo_line_to(cr, 36, 8);
    cairo_line_to(cr, -36, 8);
    cairo_close_path(cr);
    const Pattern foil = linear_gradient(-44, 0, 44, 0);
    add_stop(foil, 0.0, 0xf4f4f0);
    add_stop(foil, 0.3, 0xc8c8c4);
    add_stop(foil, 0.55, 0xe8e8e4);
    add_stop(foil, 1.0, 0x7a7a78);
    cairo_set_source(cr, foil.get());
    cairo_fill(cr);
    set_rgb(cr, 0x5a5a58, 0.35);
    cairo_set_line_width(cr, 0.8);
    for (int i = -10; i <= 10; ++i) {
        const double x = i * 4.0;
        cairo_move_to(cr, x, -7.5);
        cairo_line_to(cr, x * 0.82, 7.5);
    }
    cairo_stroke(cr);
    // Crimped rim and the pastry crust peeping over it.
    const Pattern crust = linear_gradient(0, -12, 0, -6);
    add_stop(crust, 0.0, 0xe8b878);
    add_stop(crust, 1.0, 0xa8703a);
    cairo_set_source(cr, crust.get());
    cairo_rectangle(cr, -45, -11, 90, 4);
    cairo_fill(cr);
    cairo_restore(cr);
}

void paint_pie_back(cairo_t* cr, Point c, double r, double angle, double splat) {
    cairo_save(cr);
    cairo_translate(cr, c.x, c.y);
    cairo_rotate(cr, angle * kDeg);
    // Cream squeezed out round the rim.
    if (splat > 0.0) {
        const double reach = r * (1.0 + 0.2 * splat);
        splat_path(cr, {0, 0}, reach, reach, 7, 0.18 * splat, 0x5b1a7u);
        cream_fill(cr, {0, 0}, reach);
        // Flecks flung off at the splat.
        Rng rng(0x5b1a8u);
        for (int i = 0; i < 10; ++i) {
            const double a = rng.range(0, 2 * M_PI);
            const double d = reach * rng.range(1.15, 1.5) * (0.7 + 0.3 * splat);
            const double br = rng.range(2.5, 5.0) * splat;
            cream_blob(cr, {d * std::cos(a), d * std::sin(a)}, br);
        }
    }
    // The tin's base, seen from behind: a dished disc with rings pressed in, and the
    // fluted wall sloping out to the crimped rim.
    const Pattern wall = radial_gradient(-r * 0.3, -r * 0.3, r * 0.2, 0, 0, r);
    add_stop(wall, 0.0, 0xf2f2ee);
    add_stop(wall, 0.6, 0xbcbcb8);
    add_stop(wall, 0.9, 0x8a8a86);
    add_stop(wall, 1.0, 0x6a6a66);
    cairo_set_source(cr, wall.get());
    cairo_arc(cr, 0, 0, r, 0, 2 * M_PI);
    cairo_fill(cr);
    set_rgb(cr, 0x505050, 0.22);
    cairo_set_line_width(cr, 0.9);
    for (int i = 0; i < 48; ++i) {
        const double a = i * 2.0 * M_PI / 48;
        cairo_move_to(cr, r * 0.74 * std::cos(a), r * 0.74 * std::sin(a));
        cairo_line_to(cr, r * 0.98 * std::cos(a), r * 0.98 * std::sin(a));
    }
    cairo_stroke(cr);
    const Pattern base = linear_gradient(-r * 0.7, -r * 0.7, r * 0.7, r * 0.7);
    add_stop(base, 0.0, 0xfafaf6);
    add_stop(base, 0.45, 0xd6d6d2);
    add_stop(base, 1.0, 0x9a9a96);
    cairo_set_source(cr, base.get());
    cairo_arc(cr, 0, 0, r * 0.72, 0, 2 * M_PI);
    cairo_fill(cr);
    for (const double ring : {0.6, 0.42}) {
        set_rgb(cr, 0x6a6a66, 0.3);
        cairo_set_line_width(cr, 1.4);
        cairo_arc(cr, 0.6, 0.8, r * ring, 0, 2 * M_PI);
        cairo_stroke(cr);
        set_rgb(cr, 0xffffff, 0.45);
        cairo_set_line_width(cr, 1.0);
        cairo_arc(cr, -0.5, -0.6, r * ring, 0, 2 * M_PI);
        cairo_stroke(cr);
    }
    // The window's sheen across the foil.
    const Pattern sheen = linear_gradient(-r, -r * 0.2, -r * 0.2, r * 0.4);
    add_stop(sheen, 0.0, 0xffffff, 0.0);
    add_stop(sheen, 0.5, 0xffffff, 0.45);
    add_stop(sheen, 1.0, 0xffffff, 0.0);
    cairo_set_source(cr, sheen.get());
    cairo_arc(cr, 0, 0, r * 0.72, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_restore(cr);
}

void paint_face_cream(cairo_t* cr, const CatPose& pose, double amount, double drip, double eyes) {
    if (amount <= 0.0)
        return;
    const cairo_matrix_t head = head_to_picture(pose);
    cairo_save(cr);
    cairo_transform(cr, &head);
    // The cream is built up on a layer of its own, softened a touch and laid on at once.
    cairo_matrix_t to_pixels;
    cairo_get_matrix(cr, &to_pixels);
    cairo_surface_t* target = cairo_get_target(cr);
    const Surface layer = make_surface(CAIRO_FORMAT_ARGB32, cairo_image_surface_get_width(target),
                                       cairo_image_surface_get_height(target));
    const Context layer_cr = make_context(layer.get());
    cairo_set_matrix(layer_cr.get(), &to_pixels);
    cairo_t* const outer = cr;
    cr = layer_cr.get();
    const double shrink = 0.6 + 0.4 * amount;
    const Point centre{160, 164 + 6 * drip};
    // The shadow the cream casts on the fur, then the smear itself.
    cairo_save(cr);
    cairo_translate(cr, 3, 5);
    splat_path(cr, centre, 60 * shrink, 36 * shrink, 8, 0.25, 0xc7ea3u);
    cairo_restore(cr);
    set_rgb(cr, 0x1a1008, 0.18);
    cairo_fill(cr);
    // Drips running down the cheeks and the muzzle, each with a bead at its end.
    const double drips[][3] = {{116, 180, 1.0}, {137, 188, 0.65}, {180, 190, 0.85}, {205, 182, 0.55}};
    for (const auto& d : drips) {
        const double len = (6 + 30 * d[2]) * drip * shrink;
        const double w = 6.0 * shrink;
        const Point top{d[0], d[1] - 10};
        const Point end{d[0] + 1.0, d[1] + len};
        cairo_move_to(cr, top.x - w, top.y);
        cairo_curve_to(cr, top.x - w * 0.7, top.y + len * 0.6, end.x - w * 0.8, end.y - w, end.x - w * 0.8, end.y);
        cairo_arc_negative(cr, end.x, end.y, w * 0.8, M_PI, 0);
        cairo_curve_to(cr, end.x + w * 0.8, end.y - w, top.x + w * 0.7, top.y + len * 0.6, top.x + w, top.y);
        cairo_close_path(cr);
        cream_fill(cr, end, w * 2);
    }
    splat_path(cr, centre, 60 * shrink, 36 * shrink, 8, 0.25, 0xc7ea3u);
    cream_fill(cr, centre, 60 * shrink);
    // Smeared ridges: a bright crest over a shaded trough.
    const double ridges[][4] = {{122, 160, 24, 0.2}, {150, 182, 30, -0.1}, {186, 178, 22, 0.15}, {168, 158, 18, -0.2}};
    for (const auto& g : ridges) {
        const Point a{g[0] - g[2] * 0.5, g[1] + 6 * drip}, b{g[0] + g[2] * 0.5, g[1] + 6 * drip + g[2] * g[3]};
        const Point mid = lerp(a, b, 0.5) + Point{0, -5};
        set_rgb(cr, 0x8a7e6a, 0.3 * shrink);
        taper(cr, {a + Point{0, 2.5}, mid + Point{0, 2.5}, b + Point{0, 2.5}}, 1.0, 3.0);
        set_rgb(cr, 0xffffff, 0.8 * shrink);
        taper(cr, {a, mid, b}, 0.8, 2.4);
    }
    // Dollops heaped on the smear.
    const double dollops[][3] = {{140, 150, 15}, {176, 148, 13}, {158, 172, 14}, {124, 170, 10}, {195, 168, 11}};
    for (const auto& d : dollops) {
        const Point c{d[0], d[1] + 6 * drip};
        const double r = d[2] * shrink;
        splat_path(cr, c, r, r * 0.85, 5, 0.15, static_cast<std::uint64_t>(d[0] * 7 + d[1]));
        cream_fill(cr, c, r);
    }
    // The mass of cream rounds over the face: lit at the upper left, shaded lower right.
    cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
    const Pattern dome = radial_gradient(140, 145, 5, 160, 165, 75);
    add_stop(dome, 0.0, 0xffffff, 0.3);
    add_stop(dome, 0.6, 0x8a7e6a, 0.0);
    add_stop(dome, 1.0, 0x6a5e4a, 0.22);
    cairo_set_source(cr, dome.get());
    cairo_paint(cr);
    // The eyes blinking clear: the cream wiped thin round them.
    if (eyes > 0.0) {
        cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
        for (const Point e : {cat::kEyeLeft, cat::kEyeRight}) {
            const double r = 28 * eyes;
            const Pattern hole = radial_gradient(e.x, e.y, 1, e.x, e.y, r);
            add_stop(hole, 0.0, 0x000000, 1.0);
            add_stop(hole, 0.5, 0x000000, 1.0);
            add_stop(hole, 1.0, 0x000000, 0.0);
            cairo_set_source(cr, hole.get());
            ellipse_path(cr, e.x, e.y, r, r * 0.8);
            cairo_fill(cr);
        }
    }
    cr = outer;
    cairo_surface_flush(layer.get());
    blur_surface(layer.get(), 0.5);
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_set_source_surface(cr, layer.get(), 0, 0);
    cairo_paint_with_alpha(cr, std::min(1.0, amount * 1.6));
    cairo_restore(cr);
    // Glossy spots on the dollops.
    const double gloss[][3] = {{135, 144, 5}, {172, 143, 4.5}, {154, 166, 4.5}, {121, 166, 3}, {192, 163, 3}};
    for (const auto& g : gloss)
        cream_gloss(cr, {g[0], g[1] + 6 * drip}, g[2] * shrink, amount);
    cairo_restore(cr);
}

void paint_sneeze_spray(cairo_t* cr, const CatPose& pose, double t) {
    if (t <= 0.0 || t >= 1.0)
        return;
    const Point nose = head_point(pose, {160, 196});
    const double fade = 1.0 - ease(0.35, 1.0, t);
    // A puff of mist.
    const double puff = 25 + 80 * std::sqrt(t);
    const Pattern mist = radial_gradient(nose.x, nose.y + 10, 1, nose.x, nose.y + 10 + 10 * t, puff);
    add_stop(mist, 0.0, 0xf4f8ff, 0.6 * fade);
    add_stop(mist, 0.5, 0xf4f8ff, 0.25 * fade);
    add_stop(mist, 1.0, 0xf4f8ff, 0.0);
    cairo_set_source(cr, mist.get());
    cairo_arc(cr, nose.x, nose.y + 10 + 10 * t, puff, 0, 2 * M_PI);
    cairo_fill(cr);
    // Droplets fanning out towards the viewer and falling.
    Rng rng(0x5eeeu);
    for (int i = 0; i < 44; ++i) {
        const double a = rng.range(-0.25 * M_PI, 1.25 * M_PI);  // sideways and down, a few up
        const double speed = rng.range(90, 240);
        const double r = rng.range(1.6, 4.4);
        const double late = rng.range(0.0, 0.15);
        const double tt = std::max(0.0, t - late);
        if (tt <= 0.0)
            continue;
        const Point p = nose + Point{std::cos(a) * speed * tt, std::sin(a) * speed * tt * 0.8 + 90 * tt * tt};
        const double size = r * (1.0 + 0.8 * tt);
        const double alpha = fade * 0.9;
        // Body of clear water: a cool edge, a bright window highlight, a caustic below.
        const Pattern drop = radial_gradient(p.x - size * 0.3, p.y - size * 0.3, 0.1, p.x, p.y, size);
        add_stop(drop, 0.0, 0xffffff, 0.9 * alpha);
        add_stop(drop, 0.45, 0xd8e6f2, 0.45 * alpha);
        add_stop(drop, 1.0, 0x7890a8, 0.7 * alpha);
        cairo_set_source(cr, drop.get());
        cairo_arc(cr, p.x, p.y, size, 0, 2 * M_PI);
        cairo_fill(cr);
        set_rgb(cr, 0xffffff, 0.6 * alpha);
        cairo_arc(cr, p.x + size * 0.3, p.y + size * 0.35, size * 0.25, 0, 2 * M_PI);
        cairo_fill(cr);
    }
}

}  // namespace tibbo::art::face
