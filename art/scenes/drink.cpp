#include <algorithm>
#include <cmath>

#include "props_body.h"
#include "scenes.h"

namespace tibbo::art {

// A glass slides in and a jug pours milk into it while the cat watches; the cat bends
// down and laps it, sits up with a milk moustache, licks it off, and the glass goes.
SceneFrame scene_drink(int frame, int) {
    using namespace props;
    const double f = frame;
    CatPose p;
    const double watch = window(f, 4, 9, 44, 50);
    const double bend = window(f, 47, 54, 63, 70);
    const double lap = window(f, 53, 55, 63, 65);
    const double pleased = window(f, 66, 70, 76, 81);
    const double lick = window(f, 69, 71, 77, 79);
    p.gaze_y = 0.75 * watch + 0.6 * bend;
    p.gaze_x = 0.25 * watch * (1.0 - ramp(f, 14, 22));
    p.pupil = 0.3 + 0.3 * watch;
    p.ear_left.perk = p.ear_right.perk = 0.7 * watch;
    p.whisker_twitch = 0.5 * watch;
    p.mouth.smile = 0.3 * watch + 0.6 * pleased;
    p.head_dy = 134 * bend + (bend > 0.9 ? 3.0 * std::sin((f - 53) * 1.6) : 0.0);
    p.squash = 0.1 * bend;
    p.eye_left.open = p.eye_right.open = 1.0 - 0.6 * bend - 0.5 * pleased;
    p.eye_left.squint = p.eye_right.squint = 0.8 * pleased;
    p.mouth.tongue = lap * (0.5 + 0.5 * std::cos((f - 53) * 1.6)) + lick;
    p.mouth.shift = lick * std::sin((f - 69) * 1.3);
    p.paw_left.dy = p.paw_right.dy = 30 * bend;
    p.paw_left.dx = 14 * bend;
    p.paw_right.dx = -14 * bend;

    // The glass slides in from the right along the rug and back out at the end.
    const double glass_x = 160 + 200 * (1.0 - ramp(f, 1, 10)) + 200 * ramp(f, 72, 80);
    const Point base{glass_x, 470};
    const double milk = 0.92 * ramp(f, 17, 44) - 0.55 * ramp(f, 54, 64);
    // The jug comes down from the upper right, tips, pours, tips back and leaves.
    const double in = ramp(f, 5, 14) * (1.0 - ramp(f, 46, 56));
    const Point spout = lerp(Point{380, 90}, Point{184, 290}, in);
    const double tilt = -28 * in - 44 * window(f, 12, 17, 42, 47);
    const double flow = window(f, 16, 18, 41, 44);
    const double splash = lap * std::max(0.0, std::sin((f - 53) * 1.6 + 0.8));
    const double moustache = ramp(f, 60, 63) * (1.0 - ramp(f, 73, 79));

    SceneFrame out{p, {}, {}};
    out.front = [=](cairo_t* cr) {
        milk_moustache(cr, p, moustache);
        if (glass_x < 360)
            glass(cr, base, milk, 1.0);
        if (splash > 0.0) {
            // Drops flicked up by the tongue.
            const Point top = glass_milk_top(base, milk);
            set_rgb(cr, 0xffffff, 0.9 * splash);
            for (int i = -1; i <= 1; ++i) {
                ellipse_path(cr, top.x + 9 * i + 2, top.y - 6 - 5 * splash * (1 + std::abs(i)), 1.5, 1.9);
                cairo_fill(cr);
            }
        }
        if (flow > 0.0)
            milk_stream(cr, spout + Point{-1, 2}, glass_milk_top(base, milk), flow);
        if (in > 0.0)
            jug(cr, spout, tilt, 1.0);
    };
    return out;
}

}  // namespace tibbo::art
