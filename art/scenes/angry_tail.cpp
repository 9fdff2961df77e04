#include <cmath>

#include "props_body.h"
#include "scenes.h"

namespace tibbo::art {

// Ears go flat, eyes narrow to slits, a silent snarl, and the bristling tail lashes
// from side to side before it all smooths down again.
SceneFrame scene_angry_tail(int frame, int) {
    using namespace props;
    const double f = frame;
    const double cross = window(f, 1, 6, 19, 26);
    const double lash = window(f, 2, 7, 17, 25);
    const double hiss = window(f, 7, 10, 14, 19);
    CatPose p;
    p.ear_left.flatten = p.ear_right.flatten = 0.9 * cross;
    p.eye_left.open = p.eye_right.open = 1.0 - 0.58 * cross;
    p.eye_left.squint = p.eye_right.squint = 0.3 * cross;
    p.pupil = 0.3 - 0.15 * cross;
    p.mouth.smile = -0.9 * cross;
    p.mouth.open = 0.35 * hiss;
    p.whisker_twitch = -0.8 * cross;
    p.nose_wrinkle = 0.5 * hiss;
    p.head_dy = 5.0 * cross;
    p.squash = 0.04 * cross;
    p.tail.fluff = cross;
    p.tail.curl = 1.0 - 0.5 * cross;
    const double phase = (f - 1.0) * 0.62;
    p.tail.lash = 40.0 * lash;
    p.tail.phase = phase;
    p.tail.swing = lash * 26.0 * std::sin(phase - 0.6);
    return {p, {}, {}};
}

}  // namespace tibbo::art
