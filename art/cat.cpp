#include "cat.h"

#include <cmath>

#include "cat_parts.h"

namespace tibbo::art {
namespace cat {

std::vector<Point> mirrored(const std::vector<Point>& points) {
    std::vector<Point> out;
    out.reserve(points.size());
    for (const Point& p : points)
        out.push_back(mirrored(p));
    return out;
}

cairo_matrix_t then(const cairo_matrix_t& a, const cairo_matrix_t& b) {
    cairo_matrix_t out;
    cairo_matrix_multiply(&out, &a, &b);
    return out;
}

cairo_matrix_t about(Point pivot, double degrees, double sx, double sy, Point shift) {
    cairo_matrix_t m;
    cairo_matrix_init_translate(&m, pivot.x + shift.x, pivot.y + shift.y);
    cairo_matrix_rotate(&m, degrees * M_PI / 180.0);
    cairo_matrix_scale(&m, sx, sy);
    cairo_matrix_translate(&m, -pivot.x, -pivot.y);
    return m;
}

Point apply(const cairo_matrix_t& m, Point p) {
    cairo_matrix_transform_point(&m, &p.x, &p.y);
    return p;
}

Point apply_inverse(const cairo_matrix_t& m, Point p) {
    cairo_matrix_t inverse = m;
    cairo_matrix_invert(&inverse);
    return apply(inverse, p);
}

Rig make_rig(const CatPose& pose) {
    Rig rig;
    rig.body = about(kSitPivot, pose.lean, 1.0 + 0.5 * pose.squash, 1.0 - pose.squash);
    rig.torso = pose.hunch != 0.0 ? then(about(kSitPivot, 0, 1, 1.0 - 0.3 * pose.hunch), rig.body) : rig.body;
    rig.head = then(about(kHeadPivot, pose.head_tilt, 1, 1, {pose.head_dx, pose.head_dy}), rig.body);

    auto ear = [&](const EarPose& e, Point base, double outward) {
        // Flattening swings the ear out sideways and shortens it; perking lifts it.
        const double angle = e.angle + outward * 62.0 * e.flatten - outward * 6.0 * e.perk;
        const double height = 1.0 - 0.3 * e.flatten + 0.1 * e.perk;
        return then(about(base, angle, 1.0, height), rig.head);
    };
    rig.ear_left = ear(pose.ear_left, kEarBaseLeft, -1.0);
    rig.ear_right = ear(pose.ear_right, kEarBaseRight, 1.0);

    // A reaching paw is nearer the viewer, so it is drawn larger.
    const double near_left = 1.0 + 0.8 * pose.paw_left.reach, near_right = 1.0 + 0.8 * pose.paw_right.reach;
    rig.paw_left = then(about(kPawLeft, pose.paw_left.angle, near_left, near_left, {pose.paw_left.dx, pose.paw_left.dy}),
                        rig.body);
    rig.paw_right = then(
        about(kPawRight, pose.paw_right.angle, near_right, near_right, {pose.paw_right.dx, pose.paw_right.dy}), rig.body);

    rig.foot_left = then(about(kFootLeft, 0, 1, 1, {0, -pose.foot_lift_left}), rig.body);
    rig.foot_right = then(about(kFootRight, 0, 1, 1, {0, -pose.foot_lift_right}), rig.body);
    return rig;
}

Layer::Layer(const Canvas& canvas) : canvas_(canvas), surface_(make_surface(CAIRO_FORMAT_ARGB32, canvas.width, canvas.height)) {}

void Layer::fur(const FurPart& part) {
    Surface shaded = render_fur(canvas_, part);
    Context cr = make_context(surface_.get());
    cairo_set_source_surface(cr.get(), shaded.get(), 0, 0);
    cairo_paint(cr.get());
}

void Layer::shadow(const cairo_matrix_t& local_to_picture, const Painter& shape, double blur_radius, double alpha,
                   Point offset) {
    cairo_matrix_t m = local_to_picture;
    cairo_matrix_t shift;
    cairo_matrix_init_translate(&shift, offset.x, offset.y);
    m = then(m, shift);
    Plane mask = draw_mask(canvas_, m, [&](cairo_t* cr) {
        shape(cr);
        cairo_fill(cr);
    });
    blur(mask, blur_radius * canvas_.scale);
    Surface shade = make_surface(CAIRO_FORMAT_ARGB32, canvas_.width, canvas_.height);
    cairo_surface_flush(shade.get());
    for (int y = 0; y < canvas_.height; ++y) {
        std::uint32_t* row = pixel_row(shade.get(), y);
        for (int x = 0; x < canvas_.width; ++x)
            row[x] = pack_argb(Rgb{0.05f, 0.04f, 0.06f}, mask.at(x, y) * static_cast<float>(alpha));
    }
    cairo_surface_mark_dirty(shade.get());
    Context cr = make_context(surface_.get());
    cairo_set_operator(cr.get(), CAIRO_OPERATOR_ATOP);
    cairo_set_source_surface(cr.get(), shade.get(), 0, 0);
    cairo_paint(cr.get());
}

void Layer::paint(const cairo_matrix_t& local_to_picture, const Painter& painter) {
    Context cr = make_context(surface_.get());
    const cairo_matrix_t m = then(local_to_picture, canvas_.picture_to_pixels());
    cairo_set_matrix(cr.get(), &m);
    painter(cr.get());
}

namespace {

void draw_floor_shadow(cairo_surface_t* target, const Canvas& canvas, const Rig& rig) {
    // A wide soft shadow and a tight dark contact under the feet and haunches.
    Plane soft = draw_mask(canvas, rig.body, [](cairo_t* cr) {
        ellipse_path(cr, 164, 462, 76, 11);
        cairo_fill(cr);
        ellipse_path(cr, 226, 452, 18, 7);
        cairo_fill(cr);
    });
    blur(soft, 7.0 * canvas.scale);
    Plane contact = draw_mask(canvas, rig.body, [](cairo_t* cr) {
        ellipse_path(cr, 158, 464, 52, 4.5);
        cairo_fill(cr);
    });
    blur(contact, 2.5 * canvas.scale);
    Surface shade = make_surface(CAIRO_FORMAT_ARGB32, canvas.width, canvas.height);
    cairo_surface_flush(shade.get());
    for (int y = 0; y < canvas.height; ++y) {
        std::uint32_t* row = pixel_row(shade.get(), y);
        for (int x = 0; x < canvas.width; ++x) {
            const float a = 1.0f - (1.0f - 0.55f * soft.at(x, y)) * (1.0f - 0.6f * contact.at(x, y));
            row[x] = pack_argb(Rgb{0.06f, 0.04f, 0.03f}, a);
        }
    }
    cairo_surface_mark_dirty(shade.get());
    Context cr = make_context(target);
    cairo_set_source_surface(cr.get(), shade.get(), 0, 0);
    cairo_paint(cr.get());
}

}  // namespace
}  // namespace cat

void draw_cat(cairo_surface_t* target, const Canvas& canvas, const CatPose& pose, const CatOptions& options) {
    using namespace cat;
    const Rig rig = make_rig(pose);
    if (options.floor_shadow)
        draw_floor_shadow(target, canvas, rig);

    Layer layer(canvas);
    draw_torso(layer, rig, pose);
    draw_thighs(layer, rig);
    layer.shadow(rig.body, tail_outline(pose), 3.5, 0.5, {2, 2});
    draw_tail(layer, rig, pose);
    draw_feet(layer, rig, pose);
    for (const bool left : {true, false}) {
        const cairo_matrix_t& paw = left ? rig.paw_left : rig.paw_right;
        layer.shadow(paw, front_leg_outline(rig, left), 2.5, 0.45, {0, 1});
        layer.shadow(paw, front_leg_outline(rig, left), 5.0, 0.5, {4, 5});
    }
    draw_front_legs(layer, rig, pose, false);
    layer.shadow(rig.head, head_outline(), 8.0, 0.7, {3, 9});
    draw_ears(layer, rig, pose);
    draw_head(layer, rig, pose);
    draw_face(layer, rig, pose);
    draw_eyes(layer, rig, pose);
    // A paw reaching out towards the viewer comes over the face.
    for (const bool left : {true, false}) {
        if ((left ? pose.paw_left : pose.paw_right).reach <= 0.0)
            continue;
        const cairo_matrix_t& paw = left ? rig.paw_left : rig.paw_right;
        layer.shadow(paw, front_leg_outline(rig, left), 6.0, 0.55, {5, 7});
    }
    draw_front_legs(layer, rig, pose, true);

    Context cr = make_context(target);
    cairo_set_source_surface(cr.get(), layer.surface(), 0, 0);
    cairo_paint(cr.get());
}

}  // namespace tibbo::art
