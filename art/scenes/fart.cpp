#include "props_body.h"
#include "scenes.h"

namespace tibbo::art {

// Pfft: a little hop, a green cloud billows out from under the cat and drifts up and
// away, and the cat blushes and looks aside as if nothing happened.
SceneFrame scene_fart(int frame, int) {
    using namespace props;
    const double f = frame;
    CatPose p;
    const double hop = window(f, 1, 3, 3, 6);
    const double startle = window(f, 2, 4, 6, 9);
    const double shy = window(f, 5, 10, 20, 28);
    p.squash = -0.04 * hop;
    p.head_dy = -3 * hop;
    p.pupil = 0.3 + 0.4 * startle;
    p.eye_left.open = p.eye_right.open = 1.0 - 0.25 * shy;
    p.gaze_x = -0.85 * shy;
    p.gaze_y = 0.25 * shy;
    p.blush = 0.95 * window(f, 4, 10, 20, 28);
    p.mouth.smile = 0.35 * shy;
    p.ear_left.flatten = p.ear_right.flatten = 0.3 * shy;
    p.ear_left.angle = -8 * shy;
    p.head_tilt = -6 * shy;
    p.whisker_twitch = 0.4 * startle - 0.3 * shy;
    p.tail.swing = -10 * startle;

    const double grow = ramp(f, 2, 11);
    const double drift = ramp(f, 6, 28);
    const double fade = ramp(f, 2, 4) * (1.0 - ramp(f, 15, 27));
    const double wisp = ramp(f, 3, 6) * (1.0 - ramp(f, 12, 22));
    SceneFrame out{p, {}, {}};
    out.behind = [=](cairo_t* cr) {
        gas_cloud(cr, {160 - 8 * drift, 428 - 70 * drift}, 12 + 58 * grow + 20 * drift, 0.9 * fade, 0xfa27);
        gas_cloud(cr, {112 - 34 * drift, 438 - 44 * drift}, 8 + 34 * grow, 0.85 * fade, 0xfa28);
        gas_cloud(cr, {238 + 30 * drift, 420 - 56 * drift}, 8 + 36 * grow, 0.85 * fade, 0xfa29);
    };
    out.front = [=](cairo_t* cr) {
        gas_cloud(cr, {128 - 40 * drift, 462 - 30 * drift}, 6 + 18 * grow, 0.65 * wisp, 0xfa2a);
        gas_cloud(cr, {196 + 44 * drift, 462 - 26 * drift}, 6 + 16 * grow, 0.6 * wisp, 0xfa2b);
    };
    return out;
}

}  // namespace tibbo::art
