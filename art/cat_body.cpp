// The body: torso, haunches, hind feet, front legs and paws, tail.
#include <algorithm>
#include <cmath>

#include "cat_parts.h"
#include "noise.h"

namespace tibbo::art::cat {
namespace {

const std::vector<Point> kTorso = {
    {160, 212}, {194, 220}, {213, 242}, {222, 278}, {222, 318}, {216, 354}, {213, 390},
    {211, 426}, {203, 450}, {184, 462}, {160, 465}, {136, 462}, {117, 450}, {109, 426},
    {107, 390}, {104, 354}, {98, 318},  {98, 278},  {107, 242}, {126, 220},
};

// The white bib from under the chin down the chest to the belly.
const std::vector<Point> kBib = {
    {160, 228}, {184, 236}, {199, 262}, {200, 298}, {193, 330}, {189, 362}, {184, 396},
    {176, 430}, {160, 446}, {144, 430}, {136, 396}, {131, 362}, {127, 330}, {120, 298}, {121, 262}, {136, 236},
};

std::vector<Point> thigh(bool left) {
    const std::vector<Point> t = {{126, 378}, {141, 386}, {150, 406}, {151, 430}, {142, 451},
                                  {121, 458}, {102, 449}, {94, 425},  {98, 398},  {110, 383}};
    return left ? t : mirrored(t);
}

std::vector<Point> foot(bool left) {
    const std::vector<Point> f = {{121, 443}, {134, 439}, {147, 443}, {153, 452}, {149, 461},
                                  {134, 465}, {119, 461}, {115, 452}};
    if (left)
        return f;
    std::vector<Point> r;
    for (Point p : f)
        r.push_back({p.x + (kFootRight.x - kFootLeft.x), p.y + (kFootRight.y - kFootLeft.y)});
    return r;
}

struct Leg {
    Point shoulder, elbow, paw;
    double paw_rx, paw_ry;
};

// Front leg in its paw's local coordinates: the paw stays put, the shoulder follows the body.
Leg front_leg(const Rig& rig, bool left) {
    const cairo_matrix_t& paw_m = left ? rig.paw_left : rig.paw_right;
    const Point shoulder_picture = apply(rig.torso, left ? kShoulderLeft : kShoulderRight);
    Leg leg;
    leg.shoulder = apply_inverse(paw_m, shoulder_picture);
    leg.paw = left ? kPawLeft : kPawRight;
    const Point mid = lerp(leg.shoulder, leg.paw, 0.55);
    leg.elbow = {mid.x + (left ? -5.0 : 4.0), mid.y};
    leg.paw_rx = left ? 15.5 : 13.5;
    leg.paw_ry = left ? 12.5 : 12.5;
    return leg;
}

void leg_path(cairo_t* cr, const Leg& leg) {
    brush_path(cr, {leg.shoulder, leg.elbow, leg.paw}, [](double t) { return 30.0 - 6.0 * t; });
}

// A paw seen from the front, toes down: a rounded mitten with four toe bumps at the bottom.
void paw_path(cairo_t* cr, const Leg& leg) {
    const double cx = leg.paw.x, cy = leg.paw.y, rx = leg.paw_rx, ry = leg.paw_ry;
    std::vector<Point> p = {{cx - rx * 0.85, cy - ry * 0.7}, {cx, cy - ry}, {cx + rx * 0.85, cy - ry * 0.7},
                            {cx + rx, cy + ry * 0.1}};
    // Toes along the bottom, right to left.
    for (int i = 0; i < 4; ++i) {
        const double t = 0.75 - 0.5 * i;
        p.push_back({cx + rx * (t + 0.12), cy + ry * (0.78 - 0.1 * std::abs(t))});
        p.push_back({cx + rx * t, cy + ry * (0.98 - 0.14 * std::abs(t))});
    }
    p.push_back({cx - rx * 0.92, cy + ry * 0.62});
    p.push_back({cx - rx, cy + ry * 0.1});
    smooth_closed(cr, p);
}

// Four hooked claws out of the toes, ivory and a little translucent at the tips.
void draw_claws(cairo_t* cr, const Leg& leg, double out) {
    const double cx = leg.paw.x, cy = leg.paw.y, rx = leg.paw_rx, ry = leg.paw_ry;
    for (int i = 0; i < 4; ++i) {
        const double t = 0.75 - 0.5 * i;
        const Point root{cx + rx * t * 0.92, cy + ry * (0.9 - 0.14 * std::abs(t))};
        const double len = 8.5 * out * (1.0 - 0.15 * std::abs(t));
        const double splay = 0.5 * t;
        const Point tip{root.x + len * splay + 1.5 * out, root.y + len};
        const Point mid{root.x + len * splay * 0.4 - 0.5, root.y + len * 0.6};
        set_rgb(cr, 0x000000, 0.22 * out);
        taper(cr, {root + Point{0.8, 0.8}, mid + Point{0.8, 0.8}, tip + Point{0.8, 0.8}}, 3.0, 0.5);
        const Pattern shade = linear_gradient(root.x - 2, root.y, root.x + 2, root.y);
        add_stop(shade, 0.0, 0xfbf6ea, out);
        add_stop(shade, 1.0, 0xc9bfae, out);
        cairo_set_source(cr, shade.get());
        taper(cr, {root, mid, tip}, 2.8, 0.4);
    }
}

// Tail centre line for the pose, in body coordinates, tip last.
std::vector<Point> tail_line(const TailPose& tail) {
    constexpr int kJoints = 8;
    const double lengths[kJoints] = {18, 16, 18, 18, 18, 14, 10, 8};
    const double curled[kJoints] = {8, -30, -70, -88, -92, -100, -125, -160};
    const double straight[kJoints] = {4, 0, -3, -5, -6, -6, -6, -6};
    std::vector<Point> line{{188, 454}};
    double x = 188, y = 454;
    for (int i = 0; i < kJoints; ++i) {
        double degrees = straight[i] + (curled[i] - straight[i]) * tail.curl + tail.swing;
        degrees += tail.lash * std::sin(tail.phase - 0.8 * i) * (i + 1) / kJoints;
        const double r = degrees * M_PI / 180.0;
        x += lengths[i] * std::cos(r);
        y += lengths[i] * std::sin(r);
        line.push_back({x, y});
    }
    return line;
}

// Arc length along and signed distance across a polyline, for the tail's hairs.
Point along_across(const std::vector<Point>& line, Point p) {
    double best = 1e30, best_along = 0, best_across = 0, walked = 0;
    for (std::size_t i = 0; i + 1 < line.size(); ++i) {
        const Point a = line[i], b = line[i + 1];
        const Point d = b - a;
        const double len2 = d.x * d.x + d.y * d.y;
        const double len = std::sqrt(len2);
        const double t = std::clamp(((p.x - a.x) * d.x + (p.y - a.y) * d.y) / len2, 0.0, 1.0);
        const Point q = a + d * t;
        const double dist = std::hypot(p.x - q.x, p.y - q.y);
        if (dist < best) {
            best = dist;
            best_along = walked + t * len;
            const double cross = d.x * (p.y - a.y) - d.y * (p.x - a.x);
            best_across = std::copysign(dist, cross);
        }
        walked += len;
    }
    return {best_along, best_across};
}

}  // namespace

Painter tail_outline(const CatPose& pose) {
    const std::vector<Point> points = tail_line(pose.tail);
    const double fluff = 1.0 + 0.6 * pose.tail.fluff;
    return [points, fluff](cairo_t* cr) {
        brush_path(cr, points, [fluff](double t) { return fluff * (22.0 - 7.0 * t * t); });
    };
}

Painter torso_outline() {
    return [](cairo_t* cr) { smooth_closed(cr, kTorso); };
}

Painter front_leg_outline(const Rig& rig, bool left) {
    const Leg leg = front_leg(rig, left);
    return [leg](cairo_t* cr) {
        leg_path(cr, leg);
        cairo_fill(cr);
        paw_path(cr, leg);
    };
}

void draw_tail(Layer& layer, const Rig& rig, const CatPose& pose) {
    const std::vector<Point> points = tail_line(pose.tail);
    const std::vector<Point> line = sample_curve(points, false, 8);
    FurPart part;
    part.seed = 0x7a11;
    part.local_to_picture = rig.body;
    part.outline = tail_outline(pose);
    part.hair_coords = [line](Point p) { return along_across(line, p); };
    part.stripes = [line](cairo_t* cr) {
        // Rings round the tail, closer together towards the dark tip.
        double walked = 0;
        double next_ring = 10;
        for (std::size_t i = 0; i + 1 < line.size(); ++i) {
            const Point a = line[i], b = line[i + 1];
            const double len = std::hypot(b.x - a.x, b.y - a.y);
            while (walked + len >= next_ring) {
                const double t = (next_ring - walked) / len;
                const Point c = lerp(a, b, t);
                const Point n{-(b.y - a.y) / len, (b.x - a.x) / len};
                cairo_set_line_width(cr, 5.5);
                cairo_move_to(cr, c.x - n.x * 16, c.y - n.y * 16);
                cairo_line_to(cr, c.x + n.x * 16, c.y + n.y * 16);
                cairo_stroke(cr);
                next_ring += 14;
            }
            walked += len;
        }
        // Dark tip.
        const std::vector<Point> tip(line.end() - 6, line.end());
        taper(cr, tip, 14, 18);
    };
    part.hair_length = 4.5;
    part.hair_width = 0.8;
    part.roundness = 6;
    part.relief = 1.2;
    part.bulk = 12;
    part.fuzz = 1.3;
    layer.fur(part);
}

void draw_torso(Layer& layer, const Rig& rig, const CatPose& pose) {
    FurPart part;
    part.seed = 0xb0d1;
    part.local_to_picture = rig.torso;
    const double puff = pose.breathe;
    part.outline = [puff](cairo_t* cr) {
        if (puff == 0.0) {
            smooth_closed(cr, kTorso);
            return;
        }
        std::vector<Point> t = kTorso;
        for (Point& p : t)
            if (p.y > 260 && p.y < 420)
                p.x = 160 + (p.x - 160) * (1.0 + 0.04 * puff);
        smooth_closed(cr, t);
    };
    part.white = [](cairo_t* cr) {
        smooth_closed(cr, kBib);
        cairo_fill(cr);
    };
    part.bumps = [](cairo_t* cr) {
        // The barrel of the chest and the round of the belly.
        ellipse_path(cr, 160, 292, 54, 50);
        cairo_fill(cr);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.7);
        ellipse_path(cr, 160, 376, 44, 34);
        cairo_fill(cr);
    };
    part.stripes = [](cairo_t* cr) {
        // Mackerel stripes sweeping down and forward over the flanks, a little uneven.
        Rng rng(0x5713);
        for (int side = 0; side < 2; ++side) {
            for (int i = 0; i < 7; ++i) {
                const double y = 250 + i * 24.0 + rng.symmetric(3);
                const double wave = rng.symmetric(3);
                std::vector<Point> s = {{90, y - 8}, {104, y + 1 + wave}, {116, y + 10}, {126 + rng.symmetric(4), y + 22}};
                if (side == 1)
                    s = mirrored(s);
                if (rng.uniform() < 0.3) {
                    // A broken stripe: two dashes.
                    spindle(cr, {s[0], lerp(s[0], s[1], 0.5), s[1]}, 1.5, rng.range(5, 7));
                    spindle(cr, {lerp(s[1], s[2], 0.4), s[2], s[3]}, 1.0, rng.range(3.5, 5.5));
                } else {
                    spindle(cr, s, 1.2, rng.range(5, 7.5));
                }
            }
        }
        // Necklace stripes across the chest, broken by the bib.
        cairo_set_line_width(cr, 4.0);
        for (int i = 0; i < 2; ++i) {
            const double y = 246 + i * 12.0;
            smooth_open(cr, {{108, y}, {134, y + 14}, {160, y + 18}, {186, y + 14}, {212, y}});
            cairo_stroke(cr);
        }
    };
    part.shadow = [](cairo_t* cr) {
        // The fold between the haunches, and the dim light near the floor.
        cairo_set_source_rgba(cr, 0, 0, 0, 0.5);
        ellipse_path(cr, 160, 450, 14, 18);
        cairo_fill(cr);
        const Pattern low = linear_gradient(0, 380, 0, 465);
        cairo_pattern_add_color_stop_rgba(low.get(), 0, 0, 0, 0, 0);
        cairo_pattern_add_color_stop_rgba(low.get(), 1, 0, 0, 0, 0.7);
        cairo_set_source(cr, low.get());
        cairo_paint(cr);
    };
    part.flow_centre = {160, 130};
    part.seam_angle = -M_PI / 2;
    part.flow_radius = 200;
    part.hair_length = 4.0;
    part.roundness = 22;
    part.bulk = 50;
    part.bump_radius = 16;
    part.bump_relief = 0.7;
    part.bulk_relief = 1.8;
    part.fuzz = 0.7;
    part.relief = 1.0;
    layer.fur(part);
}

void draw_thighs(Layer& layer, const Rig& rig) {
    for (int side = 0; side < 2; ++side) {
        const bool left = side == 0;
        const std::vector<Point> outline = thigh(left);
        FurPart part;
        part.seed = left ? 0x7416u : 0x7417u;
        part.local_to_picture = rig.body;
        part.outline = [outline](cairo_t* cr) { smooth_closed(cr, outline); };
        part.stripes = [left](cairo_t* cr) {
            // Bands wrapping round the haunch, following its curve.
            Rng rng(left ? 0x51u : 0x52u);
            for (int i = 0; i < 4; ++i) {
                const double r = 14 + i * 11.0;
                std::vector<Point> arc;
                for (int k = 0; k < 5; ++k) {
                    const double a = (200 + 30 * k + rng.symmetric(6)) * M_PI / 180.0;
                    arc.push_back({138 + r * std::cos(a), 448 + r * 1.1 * std::sin(a)});
                }
                if (!left)
                    arc = mirrored(arc);
                if (rng.uniform() < 0.4) {
                    spindle(cr, {arc[0], arc[1], arc[2]}, 1.0, rng.range(3.5, 5.0));
                    spindle(cr, {lerp(arc[2], arc[3], 0.35), arc[3], arc[4]}, 1.0, rng.range(3.0, 4.5));
                } else {
                    spindle(cr, arc, 1.0, rng.range(3.5, 5.5));
                }
            }
        };
        part.white = [left](cairo_t* cr) {
            // Pale towards the front where the haunch meets the belly.
            cairo_set_source_rgba(cr, 0, 0, 0, 0.6);
            ellipse_path(cr, left ? 146 : 174, 438, 10, 16);
            cairo_fill(cr);
        };
        part.flow_centre = {left ? 130.0 : 190.0, 360};
        part.flow_radius = 80;
        part.roundness = 10;
        part.bulk = 24;
        part.bulk_relief = 1.5;
        part.fuzz = 0.8;
        part.relief = 1.1;
        layer.fur(part);
    }
}

// The pads of a hind foot turned sole to the viewer, toes up: one broad main pad and four
// toe beans, each a soft pink cushion lit from the window and sunk a little into the fur.
void paint_foot_pads(cairo_t* cr, Point c, double amount) {
    struct Pad {
        double x, y, rx, ry, angle;
    };
    const Pad pads[] = {
        {0.0, 4.5, 9.0, 6.8, 0.0},       // the main pad
        {-12.0, -4.0, 3.6, 4.3, -18.0},  // toe beans, outer to inner
        {-4.3, -7.6, 3.7, 4.5, -5.0},
        {4.3, -7.6, 3.7, 4.5, 5.0},
        {12.0, -4.0, 3.6, 4.3, 18.0},
    };
    for (const Pad& pad : pads) {
        const double x = c.x + pad.x, y = c.y + pad.y;
        // The hollow of the fur round the pad, deepest below right, away from the light.
        cairo_save(cr);
        cairo_translate(cr, x + 0.7, y + 0.9);
        cairo_rotate(cr, pad.angle * M_PI / 180.0);
        cairo_scale(cr, pad.rx + 1.8, pad.ry + 1.8);
        const Pattern hollow = radial_gradient(0, 0, 0, 0, 0, 1);
        add_stop(hollow, 0.0, 0x5a3a36, 0.55 * amount);
        add_stop(hollow, 0.7, 0x5a3a36, 0.4 * amount);
        add_stop(hollow, 1.0, 0x5a3a36, 0.0);
        cairo_set_source(cr, hollow.get());
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_restore(cr);
        // The cushion: pale where the window light lands, deeper rose below right.
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, pad.angle * M_PI / 180.0);
        cairo_scale(cr, pad.rx, pad.ry);
        const Pattern body = radial_gradient(-0.4, -0.45, 0.05, 0, 0, 1.05);
        add_stop(body, 0.0, 0xf7cfcc, amount);
        add_stop(body, 0.45, 0xe39ea0, amount);
        add_stop(body, 0.85, 0xc27b80, amount);
        add_stop(body, 1.0, 0xa8646b, amount);
        cairo_set_source(cr, body.get());
        if (&pad == &pads[0]) {
            // The main pad: broad at the heel with three soft lobes, narrower towards the toes.
            cairo_move_to(cr, 0, -1.0);
            cairo_curve_to(cr, 0.55, -1.05, 1.0, -0.55, 1.0, 0.05);
            cairo_curve_to(cr, 1.0, 0.75, 0.75, 1.0, 0.5, 0.92);
            cairo_curve_to(cr, 0.3, 0.85, 0.2, 1.02, 0, 1.0);
            cairo_curve_to(cr, -0.2, 1.02, -0.3, 0.85, -0.5, 0.92);
            cairo_curve_to(cr, -0.75, 1.0, -1.0, 0.75, -1.0, 0.05);
            cairo_curve_to(cr, -1.0, -0.55, -0.55, -1.05, 0, -1.0);
            cairo_close_path(cr);
        } else {
            cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        }
        cairo_fill(cr);
        // A moist sheen up on the lit side.
        const Pattern sheen = radial_gradient(-0.35, -0.4, 0, -0.35, -0.4, 0.45);
        add_stop(sheen, 0.0, 0xffffff, 0.55 * amount);
        add_stop(sheen, 1.0, 0xffffff, 0.0);
        cairo_set_source(cr, sheen.get());
        cairo_arc(cr, -0.35, -0.4, 0.45, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_restore(cr);
    }
}

// The lower hind leg of a lifted foot: from the hock on the rug, in front of the haunch, up
// to the heel of the raised foot (base pose units, before the body's lean).
std::vector<Point> shin(Point foot, double lift, double outward) {
    return {{foot.x + outward * 5.0, foot.y + 9.0},
            {foot.x + outward * 4.0, foot.y + 6.0 - 0.5 * lift},
            {foot.x + outward * 1.5, foot.y + 4.0 - lift}};
}

void draw_feet(Layer& layer, const Rig& rig, const CatPose& pose) {
    for (int side = 0; side < 2; ++side) {
        const bool left = side == 0;
        const std::vector<Point> outline = foot(left);
        const Point c = left ? kFootLeft : kFootRight;
        const double toes = left ? pose.foot_toes_left : pose.foot_toes_right;
        const double lift = left ? pose.foot_lift_left : pose.foot_lift_right;
        const double outward = left ? -1.0 : 1.0;
        if (lift > 0.0) {
            // The raised foot brings its lower leg up in front of the haunch.
            const std::vector<Point> leg = shin(c, lift, outward);
            const Painter leg_shape = [leg](cairo_t* cr) { taper(cr, leg, 24.0, 18.0); };
            layer.shadow(rig.body, leg_shape, 4.0, 0.7, {3, 3});
            layer.shadow(rig.body, leg_shape, 9.0, 0.4, {5, 4});
            FurPart part;
            part.seed = left ? 0x5410u : 0x5411u;
            part.local_to_picture = rig.body;
            part.outline = leg_shape;
            part.stripes = [leg](cairo_t* cr) {
                // Bars round the shin.
                for (int i = 0; i < 2; ++i) {
                    const Point p = lerp(leg.front(), leg.back(), 0.3 + 0.28 * i);
                    spindle(cr, {{p.x - 10, p.y - 2}, {p.x, p.y + 1}, {p.x + 10, p.y - 2}}, 1.0, 3.6);
                }
            };
            part.white = [leg](cairo_t* cr) {
                // The white sock reaches up from the foot.
                const Point top = leg.back();
                ellipse_path(cr, top.x, top.y + 3, 11, 9);
                cairo_fill(cr);
            };
            part.flow_centre = {c.x, c.y + 40};
            part.flow_radius = 40;
            part.hair_length = 2.8;
            part.roundness = 7;
            part.bulk = 12;
            part.relief = 1.1;
            layer.fur(part);
        }
        // A raised foot comes forward, so it looks a little larger; tipped up, its sole
        // turns to the viewer, taller and splayed a little outwards.
        const double grow = 1.0 + 0.01 * lift;
        const cairo_matrix_t m =
            toes > 0.0 ? then(about({c.x, c.y + 6}, outward * 9.0 * toes, grow * (1.0 + 0.06 * toes),
                                    grow * (1.0 + 0.22 * toes)),
                              left ? rig.foot_left : rig.foot_right)
                       : then(about({c.x, c.y - 10}, 0, grow, grow), left ? rig.foot_left : rig.foot_right);
        if (lift > 0.0)
            // Its shadow falls on the leg and haunch behind it.
            layer.shadow(m, [outline](cairo_t* cr) { smooth_closed(cr, outline); }, 3.5, 0.55 * std::min(1.0, lift / 8.0),
                         {3, 4});
        FurPart part;
        part.seed = left ? 0xf007u : 0xf008u;
        part.local_to_picture = m;
        part.outline = [outline](cairo_t* cr) { smooth_closed(cr, outline); };
        part.white = [](cairo_t* cr) { cairo_paint(cr); };
        part.creases = [c, toes](cairo_t* cr) {
            // Gaps between the toes, hidden as the sole turns up.
            cairo_set_source_rgba(cr, 0, 0, 0, 0.9 * (1.0 - toes));
            cairo_set_line_width(cr, 1.4);
            for (int i = -1; i <= 1; ++i) {
                cairo_move_to(cr, c.x + i * 6.5, c.y + 4);
                cairo_line_to(cr, c.x + i * 7.0, c.y + 13);
            }
            cairo_stroke(cr);
        };
        if (toes > 0.0)
            // The sole's fur is in its own shade, a little darker round the pads.
            part.shadow = [c, toes](cairo_t* cr) {
                const Pattern p = radial_gradient(c.x, c.y, 4, c.x, c.y, 19);
                add_stop(p, 0.0, 0x000000, 0.28 * toes);
                add_stop(p, 1.0, 0x000000, 0.0);
                cairo_set_source(cr, p.get());
                cairo_paint(cr);
            };
        part.flow_centre = {c.x, c.y - 30};
        part.flow_radius = 40;
        part.hair_length = 2.8;
        part.roundness = 6;
        part.bulk = 10;
        part.relief = 1.0;
        layer.fur(part);
        if (toes > 0.0)
            layer.paint(m, [c, toes](cairo_t* cr) { paint_foot_pads(cr, c, std::min(1.0, 1.4 * toes)); });
    }
}

void draw_front_legs(Layer& layer, const Rig& rig, const CatPose& pose, bool reaching) {
    for (int side = 0; side < 2; ++side) {
        const bool left = side == 0;
        const PawPose& paw_pose = left ? pose.paw_left : pose.paw_right;
        if ((paw_pose.reach > 0.0) != reaching)
            continue;
        const Leg leg = front_leg(rig, left);
        FurPart part;
        part.seed = left ? 0x1e91u : 0x1e92u;
        part.local_to_picture = left ? rig.paw_left : rig.paw_right;
        part.outline = front_leg_outline(rig, left);
        part.stripes = [leg](cairo_t* cr) {
            // Bars across the upper leg.
            const Point d = leg.paw - leg.shoulder;
            const double len = std::hypot(d.x, d.y);
            const Point n{-d.y / len, d.x / len};
            for (int i = 0; i < 3; ++i) {
                const Point c = lerp(leg.shoulder, leg.paw, 0.18 + 0.16 * i);
                const std::vector<Point> bar = {c - n * 17 + d * (0.04), c, c + n * 17 + d * (0.04)};
                spindle(cr, bar, 1.5, 5.5);
            }
        };
        part.white = [leg](cairo_t* cr) {
            // White mittens reaching a little way up the leg.
            paw_path(cr, leg);
            cairo_fill(cr);
            const Point wrist = lerp(leg.paw, leg.elbow, 0.45);
            ellipse_path(cr, wrist.x, wrist.y, leg.paw_rx * 0.75, leg.paw_ry * 0.6);
            cairo_fill(cr);
        };
        part.bumps = [leg](cairo_t* cr) { paw_path(cr, leg); };
        part.creases = [leg](cairo_t* cr) {
            // Creases between the toes.
            cairo_set_source_rgba(cr, 0, 0, 0, 0.9);
            cairo_set_line_width(cr, 1.2);
            for (int i = -1; i <= 1; ++i) {
                const double x = leg.paw.x + i * leg.paw_rx * 0.5;
                cairo_move_to(cr, x, leg.paw.y + leg.paw_ry * 0.35);
                cairo_line_to(cr, x + i * 0.6, leg.paw.y + leg.paw_ry + 1);
            }
            cairo_stroke(cr);
        };
        part.flow_centre = leg.shoulder - (leg.paw - leg.shoulder) * 0.6;
        part.flow_radius = 60;
        part.hair_length = 3.4;
        part.roundness = 8;
        part.bulk = 16;
        part.bump_radius = 4;
        part.bump_relief = 0.8;
        part.relief = 1.1;
        layer.fur(part);
        if (paw_pose.claws > 0.0)
            layer.paint(left ? rig.paw_left : rig.paw_right, [leg, claws = paw_pose.claws](cairo_t* cr) {
                draw_claws(cr, leg, claws);
            });
    }
}

}  // namespace tibbo::art::cat
