// A simple happy face: the eyes narrow into a smile, the mouth curls up, the head tips to
// one side and bobs once, then the face settles back.
#include <cmath>

#include "props_face.h"
#include "scenes.h"

namespace tibbo::art {

SceneFrame scene_happy_simple(int frame, int count) {
    SceneFrame out;
    if (frame >= count)
        return out;
    const double f = frame;
    const double last = count;
    const double on = envelope(1, 7, last - 7, last, f);
    CatPose& p = out.pose;
    p.eye_left.open = p.eye_right.open = 1.0 - on;
    p.eye_left.squint = p.eye_right.squint = on;
    p.pupil = 0.3 + 0.25 * on;
    p.mouth.smile = on;
    p.mouth.open = 0.28 * on;
    p.blush = 0.35 * on;
    const double bob = std::sin((f - 1) / (last - 1) * 2.0 * M_PI);
    p.head_tilt = 8.0 * on + 2.0 * on * bob;
    p.head_dy = -2.0 * on - 1.5 * on * bob;
    p.ear_left.angle = -4.0 * on;
    p.ear_right.angle = 4.0 * on;
    p.ear_left.perk = p.ear_right.perk = 0.3 * on;
    p.whisker_twitch = 0.4 * on;
    p.squash = -0.015 * on;
    return out;
}

}  // namespace tibbo::art
