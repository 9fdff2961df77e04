// A cream pie in the face: it flies in from the left and splats onto the face, the foil
// tin clings a moment, slides down and drops away, leaving the face covered in cream; the
// cat blinks through it, licks its lips while the cream runs and melts away, and is clean.
#include <algorithm>
#include <cmath>

#include "props_face.h"
#include "scenes.h"

namespace tibbo::art {

SceneFrame scene_pie(int frame, int count) {
    SceneFrame out;
    if (frame >= count)
        return out;
    const double f = frame;
    const double last = count;
    constexpr double kHit = 5.0;

    const double brace = envelope(2, kHit, kHit, kHit + 1, f);
    const double recoil = envelope(kHit - 0.6, kHit, kHit + 1, kHit + 5, f);
    const double messy = envelope(kHit - 0.5, kHit, 15, last - 2, f);
    const double eyes_clear = ease(10, 13, f);
    const double blink = envelope(15, 15.8, 16.3, 17, f);
    const double lick = envelope(12, 14, 17.5, 19.5, f);

    CatPose& p = out.pose;
    p.gaze_x = -0.9 * brace;
    p.pupil = 0.3 + 0.55 * brace;
    p.ear_left.angle = -10.0 * brace;
    p.head_dy = -6.0 * recoil + 2.0 * messy;
    p.head_dx = 5.0 * recoil;
    p.head_tilt = 6.0 * recoil;
    p.lean = 2.5 * recoil;
    p.squash = 0.04 * recoil;
    p.ear_left.flatten = p.ear_right.flatten = std::max(0.8 * recoil, 0.45 * messy);
    const double hidden = f >= kHit ? 1.0 - eyes_clear : 0.0;
    p.eye_left.open = p.eye_right.open = (1.0 - hidden) * (1.0 - 0.35 * messy) * (1.0 - blink);
    p.eye_left.squint = p.eye_right.squint = 0.6 * hidden;
    p.whisker_twitch = -0.7 * messy;
    p.mouth.smile = -0.35 * messy;
    p.mouth.tongue = 0.8 * lick;
    p.mouth.shift = 0.7 * lick * std::sin((f - 12) * 1.5);

    const CatPose pose = p;
    const double cream = 1.0 - ease(11, 20, f);
    const double drip = ease(kHit + 1, 16, f);
    if (f >= kHit && cream > 0.0) {
        // Where the tin is: stuck on, sliding down the face, then dropping away.
        const double slide = 36.0 * ease(kHit + 1, kHit + 5, f);
        const double fall = std::max(0.0, f - (kHit + 4));
        const bool tin = fall < 5.0;
        Point tin_at = face::head_point(pose, {160, 162 + slide});
        tin_at = tin_at + Point{-6.0 * fall, 12.0 * fall * fall};
        const double tin_turn = -10.0 * fall * fall;
        const double splat = 1.0 - 0.5 * ease(kHit, kHit + 3, f);
        out.front = [pose, cream, drip, eyes_clear, tin, tin_at, tin_turn, splat](cairo_t* cr) {
            face::paint_face_cream(cr, pose, cream, drip, eyes_clear);
            if (tin)
                face::paint_pie_back(cr, tin_at, 54, tin_turn, splat);
        };
    } else if (f < kHit) {
        // In flight from the left, turning its cream towards the face.
        const double u = (f - 1) / (kHit - 1);
        const Point at{lerp(-90.0, 118.0, u), lerp(250.0, 172.0, u) - 30.0 * std::sin(M_PI * u)};
        const double turn = lerp(-10.0, 70.0, u * u);
        const double scale = lerp(1.75, 1.45, u);
        out.front = [at, turn, scale](cairo_t* cr) { face::paint_pie_side(cr, at, scale, turn); };
    }
    return out;
}

}  // namespace tibbo::art
