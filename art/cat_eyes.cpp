// The eyes: green irises with slit pupils and window catchlights, under lids that can
// close (blink) or push up from below (squint).
#include <cmath>

#include "cat_parts.h"
#include "noise.h"

namespace tibbo::art::cat {
namespace {

constexpr double kHalfWidth = 18.0;
constexpr double kIrisRadius = 16.5;

// The lids in eye coordinates: origin at the eye's centre, x pointing away from the nose.
struct Lids {
    Point inner{-kHalfWidth, 2.0};
    Point outer{kHalfWidth, -3.0};
    double upper = -19.0;  // control point height of the upper lid
    double lower = 16.0;   // and of the lower lid
};

Lids lids_for(const EyePose& eye) {
    const double open = std::clamp(eye.open, 0.0, 1.0);
    Lids lids;
    lids.upper = lerp(6.5, -19.0, open);
    lids.lower = lerp(7.5, 16.0, open) - 8.0 * std::clamp(eye.squint, 0.0, 1.0);
    lids.lower = std::max(lids.lower, lids.upper + 1.0);
    return lids;
}

void upper_lid_path(cairo_t* cr, const Lids& l) {
    cairo_move_to(cr, l.inner.x, l.inner.y);
    cairo_curve_to(cr, -10, l.upper + 1, 9, l.upper, l.outer.x, l.outer.y);
}

void opening_path(cairo_t* cr, const Lids& l) {
    upper_lid_path(cr, l);
    cairo_curve_to(cr, 10, l.lower, -9, l.lower + 0.5, l.inner.x, l.inner.y);
    cairo_close_path(cr);
}

void iris(cairo_t* cr, Point c, double pupil, std::uint32_t seed) {
    // Limbal ring and the corners of the eye.
    set_rgb(cr, 0x2e3220);
    cairo_paint(cr);
    const Pattern green = radial_gradient(c.x, c.y + 1, 1, c.x, c.y, kIrisRadius);
    add_stop(green, 0.0, 0xd6d870);
    add_stop(green, 0.3, 0xb4c858);
    add_stop(green, 0.62, 0x79a842);
    add_stop(green, 0.86, 0x4d7d30);
    add_stop(green, 1.0, 0x2c4a1e);
    cairo_set_source(cr, green.get());
    cairo_arc(cr, c.x, c.y, kIrisRadius, 0, 2 * M_PI);
    cairo_fill(cr);

    // Fibres radiating from the pupil.
    Rng rng(seed);
    cairo_set_line_width(cr, 0.7);
    for (int i = 0; i < 70; ++i) {
        const double a = rng.range(0, 2 * M_PI);
        const double r0 = rng.range(3, 7), r1 = rng.range(10, 14.5);
        const bool light = rng.uniform() < 0.5;
        set_rgb(cr, light ? 0xf0f0a0 : 0x20401a, rng.range(0.10, 0.24));
        cairo_move_to(cr, c.x + std::cos(a) * r0, c.y + std::sin(a) * r0);
        cairo_line_to(cr, c.x + std::cos(a) * r1, c.y + std::sin(a) * r1);
        cairo_stroke(cr);
    }
    // Light gathered by the cornea glows on the lower iris, across from the window.
    const Pattern glow = radial_gradient(c.x + 3, c.y + 8, 1, c.x + 3, c.y + 8, 11);
    add_stop(glow, 0.0, 0xeef29a, 0.45);
    add_stop(glow, 1.0, 0xeef29a, 0.0);
    cairo_set_source(cr, glow.get());
    cairo_arc(cr, c.x, c.y, kIrisRadius, 0, 2 * M_PI);
    cairo_fill(cr);

    // Pupil: a vertical slit that rounds out as it widens; a soft edge, then the core.
    const double half_w = std::max(1.2, std::clamp(pupil, 0.1, 0.95) * kIrisRadius);
    const double half_h = std::max(14.5, half_w);
    const double pointy = 1.0 - half_w / half_h;
    auto pupil_path = [&](double grow) {
        const double w = half_w + grow, h = half_h + grow;
        const double cx1 = lerp(0.5523 * w, 0.6 * w, pointy), cy1 = lerp(1.0, 0.55, pointy) * h;
        const double cy2 = lerp(0.5523, 0.35, pointy) * h;
        cairo_move_to(cr, c.x, c.y - h);
        cairo_curve_to(cr, c.x + cx1, c.y - cy1, c.x + w, c.y - cy2, c.x + w, c.y);
        cairo_curve_to(cr, c.x + w, c.y + cy2, c.x + cx1, c.y + cy1, c.x, c.y + h);
        cairo_curve_to(cr, c.x - cx1, c.y + cy1, c.x - w, c.y + cy2, c.x - w, c.y);
        cairo_curve_to(cr, c.x - w, c.y - cy2, c.x - cx1, c.y - cy1, c.x, c.y - h);
        cairo_close_path(cr);
    };
    set_rgb(cr, 0x0c0c08, 0.45);
    pupil_path(0.9);
    cairo_fill(cr);
    set_rgb(cr, 0x070707);
    pupil_path(0.0);
    cairo_fill(cr);
}

// Knocked silly: the iris clouds over and a spiral turns in it.
void dazed_swirl(cairo_t* cr, bool left, double amount, double spin_degrees) {
    const double a = std::clamp(amount, 0.0, 1.0);
    const Pattern haze = radial_gradient(-3, -4, 1, 0, 0, kIrisRadius + 2);
    add_stop(haze, 0.0, 0xeef0d8, 0.95 * a);
    add_stop(haze, 0.7, 0xc8d0a8, 0.9 * a);
    add_stop(haze, 1.0, 0x7d8a62, 0.9 * a);
    cairo_set_source(cr, haze.get());
    cairo_paint(cr);
    cairo_save(cr);
    cairo_rotate(cr, (left ? -1.0 : 1.0) * spin_degrees * M_PI / 180.0);
    if (left)
        cairo_scale(cr, -1.0, 1.0);
    set_rgb(cr, 0x2a2218, 0.9 * a);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 1.7);
    const int steps = 90;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const double angle = t * 3.0 * 2.0 * M_PI;
        const double r = 1.0 + t * 14.0;
        const double x = r * std::cos(angle), y = r * std::sin(angle);
        if (i == 0)
            cairo_move_to(cr, x, y);
        else
            cairo_line_to(cr, x, y);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

void eye(Layer& layer, const cairo_matrix_t& head, Point centre, bool left, const EyePose& pose_eye,
         const CatPose& pose) {
    Lids lids = lids_for(pose_eye);
    const double open = std::clamp(pose_eye.open, 0.0, 1.0);
    layer.paint(head, [&](cairo_t* cr) {
        cairo_translate(cr, centre.x, centre.y);
        cairo_matrix_t straight;
        cairo_get_matrix(cr, &straight);
        cairo_matrix_t outward = straight;
        cairo_matrix_scale(&outward, left ? -1.0 : 1.0, 1.0);
        const Point gaze{4.0 * pose.gaze_x, 3.0 * pose.gaze_y};

        if (lids.lower - lids.upper > 1.5) {
            cairo_save(cr);
            cairo_set_matrix(cr, &outward);
            opening_path(cr, lids);
            cairo_set_matrix(cr, &straight);
            cairo_clip(cr);
            iris(cr, gaze, pose.pupil, left ? 0x1111u : 0x2222u);
            if (pose.dazed > 0.0)
                dazed_swirl(cr, left, pose.dazed, pose.dazed_spin);
            // The upper lid's shadow on the eyeball, and a little shade along the lower lid.
            const double top = 0.75 * lids.upper;
            const Pattern lid = linear_gradient(0, top, 0, top + 11);
            add_stop(lid, 0.0, 0x000000, 0.62);
            add_stop(lid, 1.0, 0x000000, 0.0);
            cairo_set_source(cr, lid.get());
            cairo_paint(cr);
            // Catchlights: the window, and a faint second light.
            const Point spot = gaze + Point{-5.5, -6.0};
            const Pattern halo = radial_gradient(spot.x, spot.y, 1, spot.x, spot.y, 7);
            add_stop(halo, 0.0, 0xffffff, 0.35);
            add_stop(halo, 1.0, 0xffffff, 0.0);
            cairo_set_source(cr, halo.get());
            cairo_paint(cr);
            set_rgb(cr, 0xffffff, 0.95);
            cairo_rectangle(cr, spot.x - 2.8, spot.y - 2.6, 5.6, 5.2);
            cairo_fill(cr);
            set_rgb(cr, 0x8a9a88, 0.6);  // the window's mullions
            cairo_rectangle(cr, spot.x - 0.3, spot.y - 2.6, 0.6, 5.2);
            cairo_rectangle(cr, spot.x - 2.8, spot.y - 0.3, 5.6, 0.6);
            cairo_fill(cr);
            set_rgb(cr, 0xffffff, 0.6);
            cairo_arc(cr, gaze.x + 6.0, gaze.y + 6.5, 1.2, 0, 2 * M_PI);
            cairo_fill(cr);
            cairo_restore(cr);

            // Dark rims.
            cairo_set_matrix(cr, &outward);
            set_rgb(cr, 0x17120e, 0.95);
            cairo_set_line_width(cr, 1.5);
            opening_path(cr, lids);
            cairo_stroke(cr);
            cairo_set_line_width(cr, 1.9);
            upper_lid_path(cr, lids);
            cairo_stroke(cr);
            // Tear duct at the inner corner.
            set_rgb(cr, 0x2a1612, 0.9);
            cairo_move_to(cr, lids.inner.x - 3.0, lids.inner.y + 1.5);
            cairo_line_to(cr, lids.inner.x + 2.5, lids.inner.y - 1.2);
            cairo_line_to(cr, lids.inner.x + 2.5, lids.inner.y + 2.2);
            cairo_close_path(cr);
            cairo_fill(cr);
        } else {
            // Shut: one dark line where the lids meet. A squint pushes it up into an arch,
            // the shut eye of a smiling, purring cat.
            const double arch = std::clamp(pose_eye.squint, 0.0, 1.0) * std::clamp(1.0 - 4.0 * open, 0.0, 1.0);
            if (arch > 0.0)
                lids.upper = lids.upper + (-7.0 - lids.upper) * arch;
            cairo_set_matrix(cr, &outward);
            set_rgb(cr, 0x17120e, 0.9);
            cairo_set_line_width(cr, 2.0 + 0.7 * arch);
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
            upper_lid_path(cr, lids);
            cairo_stroke(cr);
        }
        // The round of the lid catches the light above a lowered lid.
        if (open < 1.0) {
            cairo_set_matrix(cr, &outward);
            cairo_translate(cr, 0, -2.4);
            set_rgb(cr, 0xffffff, 0.22 * (1.0 - open));
            cairo_set_line_width(cr, 2.2);
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
            cairo_move_to(cr, lids.inner.x + 4, lids.inner.y - 1);
            cairo_curve_to(cr, -6, lids.upper + 0.5, 6, lids.upper, lids.outer.x - 4, lids.outer.y - 1);
            cairo_stroke(cr);
        }
    });
}

}  // namespace

void draw_eyes(Layer& layer, const Rig& rig, const CatPose& pose) {
    eye(layer, rig.head, kEyeLeft, true, pose.eye_left, pose);
    eye(layer, rig.head, kEyeRight, false, pose.eye_right, pose);
}

}  // namespace tibbo::art::cat
