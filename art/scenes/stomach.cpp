#include "props_body.h"
#include "scenes.h"

namespace tibbo::art {

// A finger comes in from the front and pokes the belly: the cat flinches, folds over its
// tummy with both paws and complains, then straightens up again.
SceneFrame scene_stomach(int frame, int) {
    using namespace props;
    const double f = frame;
    CatPose p;
    const double watch = window(f, 2, 5, 8, 9);
    const double hurt = window(f, 8, 10, 18, 28);
    const double cry = window(f, 9, 11, 17, 23);
    p.gaze_y = 0.9 * watch;
    p.pupil = 0.3 + 0.3 * watch;
    p.squash = 0.1 * hurt;
    p.head_dy = 24 * hurt;
    p.head_tilt = -5 * hurt;
    p.eye_left.open = p.eye_right.open = 1.0 - 0.9 * hurt;
    p.eye_left.squint = p.eye_right.squint = hurt;
    p.mouth.open = 0.75 * cry;
    p.mouth.smile = -0.7 * hurt;
    p.nose_wrinkle = 0.5 * hurt;
    p.ear_left.flatten = p.ear_right.flatten = 0.6 * hurt;
    p.whisker_twitch = -0.6 * hurt;
    p.paw_left.dx = 24 * hurt;
    p.paw_left.dy = 52 * hurt;
    p.paw_left.angle = -20 * hurt;
    p.paw_right.dx = -22 * hurt;
    p.paw_right.dy = 60 * hurt;
    p.paw_right.angle = 20 * hurt;
    p.tail.swing = -8 * hurt;

    // The fingertip: in from the lower right, a jab at the belly, away again.
    const double in = keyed(f, {{1, 0}, {8, 1}, {9.5, 1.08}, {11, 1}, {19, 0}});
    const Point away{330, 560}, touch{168, 366};
    const Point tip = lerp(away, touch, in);
    SceneFrame out{p, {}, {}};
    out.front = [=](cairo_t* cr) { finger(cr, tip, -128, in > 0.02 ? 1.0 : 0.0); };
    return out;
}

}  // namespace tibbo::art
