// The head: ears, the furry head with its tabby markings, nose, mouth and whiskers.
#include <cmath>

#include "cat_parts.h"
#include "noise.h"

namespace tibbo::art::cat {
namespace {

const std::vector<Point> kHead = {
    {160, 95},  {193, 98},  {221, 111}, {238, 133}, {246, 158}, {250, 184}, {245, 207},
    {228, 226}, {202, 240}, {160, 248}, {118, 240}, {92, 226},  {75, 207},  {70, 184},
    {74, 158},  {82, 133},  {99, 111},  {127, 98},
};

const std::vector<Point> kEarLeft = {
    {80, 156}, {74, 124}, {76, 98}, {82, 76}, {88, 71}, {97, 76}, {116, 90}, {136, 104}, {120, 140},
};
const std::vector<Point> kEarInnerLeft = {
    {86, 140}, {83, 112}, {86, 90}, {90, 82}, {97, 86}, {112, 97}, {126, 108}, {112, 134},
};

void ear(Layer& layer, const cairo_matrix_t& m, bool left) {
    const std::vector<Point> outline = left ? kEarLeft : mirrored(kEarLeft);
    const std::vector<Point> inner = left ? kEarInnerLeft : mirrored(kEarInnerLeft);
    const Point base = left ? kEarBaseLeft : kEarBaseRight;
    FurPart part;
    part.seed = left ? 0xea01u : 0xea02u;
    part.local_to_picture = m;
    part.outline = [outline](cairo_t* cr) { smooth_closed(cr, outline); };
    part.flow_centre = {base.x, base.y + 30};
    part.flow_radius = 50;
    part.seam_angle = M_PI / 2;
    part.roundness = 5;
    part.bulk = 16;
    part.relief = 0.8;
    part.hair_length = 2.6;
    part.fuzz = 0.8;
    layer.fur(part);

    layer.paint(m, [inner, left, base](cairo_t* cr) {
        // Pink skin inside, in shadow deep down and lit at the rim.
        const Point tip = inner[3];
        const Pattern skin = linear_gradient(tip.x, tip.y, base.x + (left ? 8 : -8), base.y + 14);
        add_stop(skin, 0.0, 0xb98a86);
        add_stop(skin, 0.35, 0xd39c98);
        add_stop(skin, 0.75, 0x9a6a68);
        add_stop(skin, 1.0, 0x5e4242);
        cairo_set_source(cr, skin.get());
        smooth_closed(cr, inner);
        cairo_fill(cr);
        // The inner fold shades the outer half of the ear cup.
        const Pattern fold = linear_gradient(inner[1].x, 0, inner[6].x, 0);
        add_stop(fold, 0.0, 0x2a1a18, 0.45);
        add_stop(fold, 0.5, 0x2a1a18, 0.0);
        cairo_set_source(cr, fold.get());
        smooth_closed(cr, inner);
        cairo_fill(cr);
        // Pale ear furnishings curling out of the ear.
        Rng rng(left ? 0xe1u : 0xe2u);
        for (int i = 0; i < 40; ++i) {
            const double t = rng.uniform();
            const Point from = lerp(inner[5], inner[7], t * 0.9) + Point{rng.symmetric(3), rng.symmetric(3)};
            const Point to = from + Point{(left ? -1 : 1) * rng.range(8, 18), rng.range(-16, -6)};
            const Point mid = lerp(from, to, 0.5) + Point{left ? 3.0 : -3.0, 0};
            set_rgb(cr, 0xf4f0e8, rng.range(0.45, 0.85));
            taper(cr, {from, mid, to}, 1.0, 0.1);
        }
    });
}

void draw_nose(cairo_t* cr, const CatPose& pose) {
    const double wrinkle = pose.nose_wrinkle;
    auto nose_path = [](cairo_t* c) {
        cairo_move_to(c, 148.5, 180.5);
        cairo_curve_to(c, 154, 178.6, 166, 178.6, 171.5, 180.5);
        cairo_curve_to(c, 175, 181.8, 174.6, 185.4, 172, 187.6);
        cairo_curve_to(c, 168.5, 190.5, 164, 193.5, 161.5, 196);
        cairo_curve_to(c, 160.6, 196.8, 159.4, 196.8, 158.5, 196);
        cairo_curve_to(c, 156, 193.5, 151.5, 190.5, 148, 187.6);
        cairo_curve_to(c, 145.4, 185.4, 145, 181.8, 148.5, 180.5);
        cairo_close_path(c);
    };
    cairo_save(cr);
    if (wrinkle > 0) {
        cairo_translate(cr, 160, 186);
        cairo_scale(cr, 1.0 + 0.06 * wrinkle, 1.0 - 0.1 * wrinkle);
        cairo_translate(cr, -160, -186 - 2 * wrinkle);
    }
    // Soft shadow under the nose.
    set_rgb(cr, 0x3a2a28, 0.25);
    ellipse_path(cr, 161, 195, 10, 3);
    cairo_fill(cr);
    const Pattern skin = linear_gradient(0, 179, 0, 197);
    add_stop(skin, 0.0, 0xe2a2a4);
    add_stop(skin, 0.5, 0xd38a8e);
    add_stop(skin, 1.0, 0xa8606a);
    nose_path(cr);
    cairo_set_source(cr, skin.get());
    cairo_fill_preserve(cr);
    // Rounded: darker at the sides.
    const Pattern round = radial_gradient(157, 184, 2, 160, 186, 15);
    add_stop(round, 0.0, 0x000000, 0.0);
    add_stop(round, 0.6, 0x000000, 0.05);
    add_stop(round, 1.0, 0x401018, 0.35);
    cairo_set_source(cr, round.get());
    cairo_fill_preserve(cr);
    set_rgb(cr, 0x7a4048, 0.55);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    // Nostrils.
    set_rgb(cr, 0x4a2228, 0.85);
    cairo_set_line_width(cr, 1.5);
    cairo_move_to(cr, 149.5, 186.5);
    cairo_curve_to(cr, 151.5, 189.5, 154.5, 191.2, 157.2, 191.8);
    cairo_move_to(cr, 170.5, 186.5);
    cairo_curve_to(cr, 168.5, 189.5, 165.5, 191.2, 162.8, 191.8);
    cairo_stroke(cr);
    // Moist highlight.
    const Pattern shine = radial_gradient(156, 182.5, 0.5, 156, 182.5, 6);
    add_stop(shine, 0.0, 0xffffff, 0.7);
    add_stop(shine, 1.0, 0xffffff, 0.0);
    cairo_set_source(cr, shine.get());
    ellipse_path(cr, 156, 182.5, 6, 2.6);
    cairo_fill(cr);
    cairo_restore(cr);
    if (wrinkle > 0) {
        set_rgb(cr, 0x2c2220, 0.5 * wrinkle);
        cairo_set_line_width(cr, 1.0);
        for (int i = -1; i <= 1; i += 2) {
            cairo_move_to(cr, 160 + i * 4, 172);
            cairo_curve_to(cr, 160 + i * 7, 170, 160 + i * 10, 171, 160 + i * 12, 174);
        }
        cairo_stroke(cr);
    }
}

void draw_mouth(cairo_t* cr, const CatPose& pose) {
    const MouthPose& m = pose.mouth;
    const double lift = 3.0 * m.smile;
    const double shift = 5.0 * m.shift;
    const double open = std::clamp(m.open, 0.0, 1.0);
    const double jaw = std::clamp(m.jaw, 0.0, 1.0);
    const double top = 204.0;
    // A dropped jaw stretches the mouth down into the chin.
    const double h = 26.0 * open + 24.0 * jaw, w = 12.0 + 10.0 * open + 5.0 * jaw;
    if (open > 0.0 || jaw > 0.0) {
        // The open mouth: dark inside, pink tongue, little fangs.
        const double cx = 160 + shift;
        auto mouth_path = [&](cairo_t* c) {
            cairo_move_to(c, cx - w, top + 2);
            cairo_curve_to(c, cx - w * 0.6, top - 1, cx + w * 0.6, top - 1, cx + w, top + 2);
            cairo_curve_to(c, cx + w * 0.9, top + h * 0.9, cx + w * 0.4, top + h, cx, top + h);
            cairo_curve_to(c, cx - w * 0.4, top + h, cx - w * 0.9, top + h * 0.9, cx - w, top + 2);
            cairo_close_path(c);
        };
        cairo_save(cr);
        mouth_path(cr);
        cairo_clip_preserve(cr);
        const Pattern inside = linear_gradient(0, top, 0, top + h);
        add_stop(inside, 0.0, 0x1a0a0c);
        add_stop(inside, 1.0, 0x5a2026);
        cairo_set_source(cr, inside.get());
        cairo_fill(cr);
        set_rgb(cr, 0xd67c86);
        ellipse_path(cr, cx, top + h * 0.95, w * 0.75, h * 0.4);
        cairo_fill(cr);
        set_rgb(cr, 0xa04a56, 0.7);
        cairo_set_line_width(cr, 0.8);
        cairo_move_to(cr, cx, top + h * 0.7);
        cairo_line_to(cr, cx, top + h);
        cairo_stroke(cr);
        if (jaw > 0.0) {
            // Wide open: the ridged palate under the upper teeth, the tongue lit from the
            // window, a shadow deep in the throat.
            const Pattern palate = linear_gradient(0, top, 0, top + h * 0.45);
            add_stop(palate, 0.0, 0xb05a66, 0.9 * jaw);
            add_stop(palate, 1.0, 0x5a2026, 0.0);
            cairo_set_source(cr, palate.get());
            ellipse_path(cr, cx, top + 2, w * 0.8, h * 0.4);
            cairo_fill(cr);
            set_rgb(cr, 0x6a2a32, 0.5 * jaw);
            cairo_set_line_width(cr, 0.9);
            for (int r = 1; r <= 3; ++r) {
                const double y = top + 3 + r * h * 0.07;
                cairo_move_to(cr, cx - w * (0.55 - r * 0.08), y);
                cairo_curve_to(cr, cx - w * 0.2, y + 2.5, cx + w * 0.2, y + 2.5, cx + w * (0.55 - r * 0.08), y);
            }
            cairo_stroke(cr);
            const Pattern throat = radial_gradient(cx, top + h * 0.45, 1, cx, top + h * 0.45, w * 0.45);
            add_stop(throat, 0.0, 0x12060a, 0.85 * jaw);
            add_stop(throat, 1.0, 0x12060a, 0.0);
            cairo_set_source(cr, throat.get());
            cairo_paint(cr);
            const Pattern tongue = radial_gradient(cx - w * 0.2, top + h * 0.74, 1, cx, top + h * 0.85, w * 0.75);
            add_stop(tongue, 0.0, 0xf0a0aa);
            add_stop(tongue, 0.6, 0xd67c86);
            add_stop(tongue, 1.0, 0x9a4652);
            cairo_set_source(cr, tongue.get());
            cairo_move_to(cr, cx - w * 0.85, top + h);
            cairo_curve_to(cr, cx - w * 0.8, top + h * (1.0 - 0.38 * jaw), cx - w * 0.2,
                           top + h * (1.0 - 0.34 * jaw), cx, top + h * (1.0 - 0.27 * jaw));
            cairo_curve_to(cr, cx + w * 0.2, top + h * (1.0 - 0.34 * jaw), cx + w * 0.8,
                           top + h * (1.0 - 0.38 * jaw), cx + w * 0.85, top + h);
            cairo_close_path(cr);
            cairo_fill(cr);
            set_rgb(cr, 0xa04a56, 0.6 * jaw);
            cairo_move_to(cr, cx, top + h * (1.0 - 0.24 * jaw));
            cairo_line_to(cr, cx, top + h * 0.97);
            cairo_stroke(cr);
        }
        if (open > 0.25 || jaw > 0.0) {
            // Fangs, with a shaded side away from the light.
            const double fang = 5.5 * open + 6.0 * jaw;
            for (int i = -1; i <= 1; i += 2) {
                const double fx = cx + i * w * 0.62;
                const Pattern enamel = linear_gradient(fx - 2, 0, fx + 2, 0);
                add_stop(enamel, 0.0, 0xfbf8f0);
                add_stop(enamel, 1.0, 0xcfc6b8);
                cairo_set_source(cr, enamel.get());
                cairo_move_to(cr, fx - 1.8 - jaw, top + 1);
                cairo_line_to(cr, fx + 1.8 + jaw, top + 1);
                cairo_line_to(cr, fx + i * 0.4, top + 1 + fang);
                cairo_close_path(cr);
                cairo_fill(cr);
                if (jaw > 0.0) {
                    // The lower fangs point up from the dropped jaw.
                    const double lx = cx + i * w * 0.5, ly = top + h - 1;
                    cairo_move_to(cr, lx - 1.6 - 0.6 * jaw, ly + 1);
                    cairo_line_to(cr, lx + 1.6 + 0.6 * jaw, ly + 1);
                    cairo_line_to(cr, lx - i * 0.4, ly - 5.0 * jaw);
                    cairo_close_path(cr);
                    cairo_fill(cr);
                }
            }
            if (jaw > 0.0) {
                // The little incisors between the upper fangs.
                set_rgb(cr, 0xf2ece2, jaw);
                for (int k = 0; k < 6; ++k) {
                    const double ix = cx + (k - 2.5) * w * 0.17;
                    ellipse_path(cr, ix, top + 1.6, w * 0.06, 1.4 + 1.0 * jaw);
                    cairo_fill(cr);
                }
            }
        }
        cairo_restore(cr);
        if (jaw > 0.0) {
            // The lips' dark rim.
            mouth_path(cr);
            set_rgb(cr, 0x2a1618, 0.75 * jaw);
            cairo_set_line_width(cr, 1.4);
            cairo_stroke(cr);
        }
    }
    if (m.tongue > 0.0) {
        const double t = m.tongue;
        const double y0 = top + 2 + h;
        set_rgb(cr, 0xd9808a);
        cairo_move_to(cr, 160 + shift - 7, y0 - 3);
        cairo_curve_to(cr, 160 + shift - 8, y0 + 9 * t, 160 + shift + 8, y0 + 9 * t, 160 + shift + 7, y0 - 3);
        cairo_close_path(cr);
        cairo_fill(cr);
        set_rgb(cr, 0xa85060, 0.6);
        cairo_set_line_width(cr, 0.8);
        cairo_move_to(cr, 160 + shift, y0 - 2);
        cairo_line_to(cr, 160 + shift, y0 + 5 * t);
        cairo_stroke(cr);
    }
    // Philtrum and the upper lip's two curves.
    set_rgb(cr, 0x3a2624, 0.8);
    cairo_set_line_width(cr, 1.3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, 160, 196.5);
    cairo_line_to(cr, 160 + shift * 0.3, top);
    cairo_stroke(cr);
    for (int i = -1; i <= 1; i += 2) {
        cairo_move_to(cr, 160 + shift * 0.3, top);
        cairo_curve_to(cr, 160 + shift + i * 1.5, top + 4.5, 160 + shift + i * 6, top + 6.5 - lift * 0.3,
                       160 + shift + i * 10.5, top + 5.5 - lift);
        cairo_curve_to(cr, 160 + shift + i * 13.5, top + 5 - lift, 160 + shift + i * 15.5, top + 3.5 - lift * 1.4,
                       160 + shift + i * 17, top + 1.5 - lift * 1.8);
    }
    cairo_stroke(cr);
}

void draw_whiskers(cairo_t* cr, const CatPose& pose) {
    const double twitch = pose.whisker_twitch;
    for (int side = 0; side < 2; ++side) {
        const double dir = side == 0 ? -1.0 : 1.0;
        Rng rng(side == 0 ? 0x3b1u : 0x3b2u);
        // Whiskers from the pads.
        for (int i = 0; i < 7; ++i) {
            const double root_x = 160 + dir * (13 + 2.2 * i + rng.symmetric(1));
            const double root_y = 199 + 2.0 * i + rng.symmetric(0.8);
            const double spread = (-0.28 + 0.13 * i) + 0.1 * twitch;  // radians below horizontal
            const double len = rng.range(70, 92) - 3 * i;
            const double a = spread;
            const Point root{root_x, root_y};
            const Point end{root_x + dir * len * std::cos(a), root_y + len * std::sin(a) + 6};
            const Point mid{root_x + dir * len * 0.5 * std::cos(a), root_y + len * 0.5 * std::sin(a) - 3};
            // Dark hairline shadow first, then the bright whisker.
            set_rgb(cr, 0x000000, 0.18);
            taper(cr, {root + Point{0.6, 1.0}, mid + Point{0.6, 1.2}, end + Point{0.6, 1.2}}, 1.3, 0.2);
            set_rgb(cr, 0xfbf8f2, rng.range(0.72, 0.92));
            taper(cr, {root, mid, end}, 1.15, 0.15);
        }
        // Eyebrow whiskers.
        for (int i = 0; i < 3; ++i) {
            const Point root{160 + dir * (20 + 5 * i), 136.0 - i * 1.5};
            const Point end{root.x + dir * (30 + 6 * i), root.y - 26 + i * 4};
            const Point mid{lerp(root, end, 0.5).x, lerp(root, end, 0.5).y - 4};
            set_rgb(cr, 0xf3efe6, 0.7);
            taper(cr, {root, mid, end}, 0.9, 0.12);
        }
    }
}

void draw_whisker_pads(cairo_t* cr) {
    // Rows of follicle dots on the white pads.
    for (int side = -1; side <= 1; side += 2) {
        for (int row = 0; row < 3; ++row) {
            for (int i = 0; i < 4 - (row == 2); ++i) {
                const double x = 160 + side * (11.5 + i * 4.2 + row * 1.2);
                const double y = 200.5 + row * 4.0 + i * 0.6;
                set_rgb(cr, 0x4a3a36, 0.45);
                ellipse_path(cr, x, y, 0.8, 0.7);
                cairo_fill(cr);
            }
        }
    }
}

}  // namespace

Painter head_outline() {
    return [](cairo_t* cr) { smooth_closed(cr, kHead); };
}

namespace {

// The head's outline with the chin lowered by a dropped jaw.
std::vector<Point> head_with_jaw(double jaw) {
    std::vector<Point> head = kHead;
    for (Point& p : head) {
        if (p.y > 220)
            p.y += jaw * (p.y - 220) * 0.75;
    }
    return head;
}

}  // namespace

void draw_ears(Layer& layer, const Rig& rig, const CatPose&) {
    ear(layer, rig.ear_left, true);
    ear(layer, rig.ear_right, false);
}

void draw_head(Layer& layer, const Rig& rig, const CatPose& pose) {
    const double jaw = std::clamp(pose.mouth.jaw, 0.0, 1.0);
    FurPart part;
    part.seed = 0x4ead;
    part.local_to_picture = rig.head;
    if (jaw > 0.0) {
        const std::vector<Point> outline = head_with_jaw(jaw);
        part.outline = [outline](cairo_t* cr) { smooth_closed(cr, outline); };
    } else {
        part.outline = head_outline();
    }
    part.white = [jaw](cairo_t* cr) {
        // Muzzle: whisker pads, chin and lip.
        ellipse_path(cr, 146, 206, 16, 11.5);
        cairo_fill(cr);
        ellipse_path(cr, 174, 206, 16, 11.5);
        cairo_fill(cr);
        ellipse_path(cr, 160, 200, 11, 8);
        cairo_fill(cr);
        ellipse_path(cr, 160, 226 + 22 * jaw, 25 + 3 * jaw, 15 + 6 * jaw);
        cairo_fill(cr);
        ellipse_path(cr, 160, 246 + 16 * jaw, 44, 12);
        cairo_fill(cr);
    };
    part.pale = [](cairo_t* cr) {
        // Pale rims round the eyes, a paler nose bridge and lower cheeks.
        cairo_set_source_rgba(cr, 0, 0, 0, 0.6);
        cairo_set_line_width(cr, 4);
        ellipse_path(cr, kEyeLeft.x, kEyeLeft.y + 1, 20, 16.5);
        cairo_stroke(cr);
        ellipse_path(cr, kEyeRight.x, kEyeRight.y + 1, 20, 16.5);
        cairo_stroke(cr);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
        ellipse_path(cr, 160, 170, 7, 11);
        cairo_fill(cr);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.5);
        ellipse_path(cr, 118, 214, 22, 14);
        cairo_fill(cr);
        ellipse_path(cr, 202, 214, 22, 14);
        cairo_fill(cr);
    };
    part.bumps = [](cairo_t* cr) {
        // Whisker pads, chin, cheeks and brows stand out from the face.
        ellipse_path(cr, 146, 205, 14, 10);
        cairo_fill(cr);
        ellipse_path(cr, 174, 205, 14, 10);
        cairo_fill(cr);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.6);
        ellipse_path(cr, 110, 190, 26, 24);
        cairo_fill(cr);
        ellipse_path(cr, 210, 190, 26, 24);
        cairo_fill(cr);
        ellipse_path(cr, 160, 172, 9, 18);
        cairo_fill(cr);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.5);
        ellipse_path(cr, 130, 132, 20, 8);
        cairo_fill(cr);
        ellipse_path(cr, 190, 132, 20, 8);
        cairo_fill(cr);
    };
    part.stripes = [](cairo_t* cr) {
        for (int side = 0; side < 2; ++side) {
            auto s = [side](std::vector<Point> p) { return side == 0 ? p : mirrored(p); };
            // The M on the forehead: two legs over the inner brows, a dip between.
            cairo_set_source_rgba(cr, 0, 0, 0, 0.9);
            taper(cr, s({{142, 137}, {140, 121}, {136, 105}}), 3.6, 1.6);
            taper(cr, s({{142, 137}, {146, 131}, {151, 130}}), 2.8, 2.2);
            taper(cr, s({{151, 130}, {150, 114}, {148, 99}}), 2.8, 1.6);
            cairo_set_source_rgba(cr, 0, 0, 0, 1);
            // Eye liner sweeping back from the outer corner, and the cheek stripes.
            taper(cr, s({{112, 153}, {101, 154}, {90, 156}, {80, 160}}), 3.6, 1.0);
            taper(cr, s({{117, 175}, {105, 178}, {92, 182}, {80, 186}}), 3.4, 1.0);
            taper(cr, s({{110, 196}, {98, 202}, {86, 206}}), 2.6, 0.8);
            // Stripes running back over the crown beside the ears.
            taper(cr, s({{126, 104}, {120, 100}}), 2.2, 1.0);
            taper(cr, s({{92, 132}, {84, 142}, {79, 152}}), 2.6, 1.0);
        }
        taper(cr, {{160, 127}, {160, 114}, {160, 97}}, 3.2, 2.0);
    };
    part.shadow = [](cairo_t* cr) {
        // Eye sockets and the creases beside the muzzle.
        cairo_set_source_rgba(cr, 0, 0, 0, 0.18);
        ellipse_path(cr, kEyeLeft.x, kEyeLeft.y + 1, 20, 16);
        cairo_fill(cr);
        ellipse_path(cr, kEyeRight.x, kEyeRight.y + 1, 20, 16);
        cairo_fill(cr);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
        cairo_set_line_width(cr, 3);
        smooth_open(cr, {{134, 196}, {128, 208}, {132, 220}});
        cairo_stroke(cr);
        smooth_open(cr, {{186, 196}, {192, 208}, {188, 220}});
        cairo_stroke(cr);
    };
    part.flow_centre = {160, 188};
    part.seam_angle = M_PI / 2;
    part.flow_radius = 45;
    part.hair_length = 3.2;
    part.hair_width = 0.7;
    part.roundness = 14;
    part.bulk = 44;
    part.bulk_relief = 0.6;
    part.relief = 0.8;
    part.bump_radius = 7;
    part.bump_relief = 0.4;
    part.fuzz = 1.0;
    layer.fur(part);
}

void draw_face(Layer& layer, const Rig& rig, const CatPose& pose) {
    layer.paint(rig.head, [&pose](cairo_t* cr) {
        if (pose.blush > 0.0) {
            for (int side = -1; side <= 1; side += 2) {
                const double x = 160 + side * 50;
                const Pattern pink = radial_gradient(x, 196, 1, x, 196, 18);
                add_stop(pink, 0.0, 0xff8a9a, 0.45 * pose.blush);
                add_stop(pink, 1.0, 0xff8a9a, 0.0);
                cairo_set_source(cr, pink.get());
                ellipse_path(cr, x, 196, 18, 18);
                cairo_fill(cr);
            }
        }
        draw_whisker_pads(cr);
        draw_mouth(cr, pose);
        draw_nose(cr, pose);
        draw_whiskers(cr, pose);
    });
}

}  // namespace tibbo::art::cat
