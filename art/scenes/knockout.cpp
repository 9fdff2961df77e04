// Knocked silly: a red rubber ball drops onto the cat's forehead and bounces away; stars
// circle its head while it sways with spirals in its eyes, slumps with its tongue out,
// then shakes its head, blinks and comes round.
#include <algorithm>
#include <cmath>

#include "props_face.h"
#include "scenes.h"

namespace tibbo::art {

SceneFrame scene_knockout(int frame, int count) {
    SceneFrame out;
    if (frame >= count)
        return out;
    const double f = frame;
    const double last = count;
    constexpr double kHit = 6.0;
    constexpr double kBallRadius = 24.0;

    const double look_up = envelope(2, 4.5, kHit, kHit + 2, f);
    const double shut = envelope(kHit - 0.6, kHit, kHit + 2, kHit + 4, f);
    const double flinch = envelope(kHit - 0.6, kHit, kHit + 1, kHit + 5, f);
    const double stars = envelope(kHit + 0.5, kHit + 3, 58, 66, f);
    const double dazed = envelope(kHit + 2, kHit + 6, 58, 64, f);
    const double sway = envelope(kHit + 2, 14, 54, 64, f);
    const double slump = envelope(28, 40, 52, 62, f);
    const double shake = envelope(57, 59, 63, 66, f);
    const double blink = envelope(65, 66.2, 67, 68.5, f);
    const double recover = envelope(62, 67, 69, last - 1, f);

    CatPose& p = out.pose;
    const double s = std::sin((f - kHit - 2) * 2.0 * M_PI / 20.0);
    const double s_late = std::sin((f - kHit - 4) * 2.0 * M_PI / 20.0);
    p.head_tilt = 10.0 * sway * s + 9.0 * shake * std::sin((f - 57) * 2.0 * M_PI / 3.5) - 5.0 * slump;
    p.head_dx = 6.0 * sway * s;
    p.lean = 4.0 * sway * s_late - 2.0 * slump;
    p.head_dy = 9.0 * flinch + 12.0 * slump - 2.0 * look_up;
    p.squash = 0.05 * flinch + 0.08 * slump;
    p.gaze_y = -1.0 * look_up;
    p.pupil = 0.3 + 0.5 * look_up + 0.3 * recover;
    p.ear_left.perk = p.ear_right.perk = 0.5 * look_up;
    p.ear_left.flatten = p.ear_right.flatten = std::max(0.9 * flinch, 0.55 * std::max(sway, slump));
    p.ear_left.angle = 8.0 * sway * s;
    p.ear_right.angle = -8.0 * sway * s + 10.0 * slump;
    p.eye_left.open = p.eye_right.open = (1.0 - shut) * (1.0 - 0.4 * slump) * (1.0 - blink);
    p.eye_left.squint = p.eye_right.squint = 0.8 * shut;
    p.dazed = dazed;
    p.dazed_spin = f * 28.0;
    p.mouth.open = 0.18 * dazed + 0.15 * slump;
    p.mouth.smile = -0.5 * dazed;
    p.mouth.shift = 0.4 * sway * s_late;
    p.mouth.tongue = 0.65 * slump;
    p.whisker_twitch = -0.8 * std::max(dazed, flinch);
    p.gaze_x = 0.3 * recover;

    const CatPose pose = p;
    // The ball: dropping onto the forehead, squashing, bouncing off up to the right.
    const Point hit = face::head_point(pose, {162, 109 - kBallRadius});
    bool ball = false;
    Point at;
    double squash = 0.0, spin = 0.0;
    if (f <= kHit) {
        const double u = std::pow((f - 1) / (kHit - 1), 1.4);
        at = {lerp(Point{150, -30}, Point{162, 109 - kBallRadius}, u).x, lerp(-30.0, hit.y, u)};
        at.x = lerp(150.0, hit.x, u);
        squash = f == kHit ? 0.28 : 0.0;
        if (f == kHit)
            at.y += 5;
        spin = f * 8;
        ball = f > 1;
    } else if (f < kHit + 9) {
        const double k = f - kHit;
        at = {hit.x + 20.0 * k, hit.y - 34.0 * k + 2.6 * k * k};
        squash = k < 1.5 ? 0.08 : 0.0;
        spin = 48 + 40 * k;
        ball = true;
    }
    const double ring_phase = (f - kHit) * 0.42;
    if (stars > 0.0)
        out.behind = [pose, ring_phase, stars](cairo_t* cr) { face::paint_star_ring(cr, pose, ring_phase, stars, true); };
    if (ball || stars > 0.0) {
        const double near = ball ? std::clamp(1.0 - std::abs(at.y - hit.y) / 80.0, 0.0, 1.0) : 0.0;
        out.front = [pose, ring_phase, stars, ball, at, squash, spin, near, hit](cairo_t* cr) {
            if (ball) {
                face::paint_soft_shadow(cr, hit + Point{6, 18}, 22 + 6 * (1 - near), 9, 0.35 * near);
                face::paint_ball(cr, at, kBallRadius, squash, spin);
            }
            if (stars > 0.0)
                face::paint_star_ring(cr, pose, ring_phase, stars, false);
        };
    }
    return out;
}

}  // namespace tibbo::art
