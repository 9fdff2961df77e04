#include "props_body.h"
#include "scenes.h"

namespace tibbo::art {

// Two brass cymbals in the front paws: swung apart, clashed together in front of the
// chest with a flash (eyes screwed shut, mouth open), bounced apart, lowered.
SceneFrame scene_cymbal(int frame, int) {
    using namespace props;
    const double f = frame;
    CatPose p;
    const double apart = keyed(f, {{1, 0}, {3, -24}, {6, 27}, {7, 27}, {9, -12}, {13, 0}});
    p.paw_left.dx = apart;
    p.paw_right.dx = -apart;
    p.paw_left.dy = keyed(f, {{1, 0}, {3, -12}, {6, -7}, {7, -7}, {9, -10}, {13, 0}});
    p.paw_right.dy = keyed(f, {{1, 0}, {3, -6}, {6, 4}, {7, 4}, {9, -4}, {13, 0}});
    p.paw_left.angle = keyed(f, {{1, 0}, {3, -12}, {6, 8}, {9, -6}, {13, 0}});
    p.paw_right.angle = -p.paw_left.angle;
    const double bang = keyed(f, {{1, 0}, {5, 0}, {6, 1}, {7, 1}, {10, 0}});
    const double ready = window(f, 1, 3, 5, 6);
    p.eye_left.open = p.eye_right.open = 1.0 - 0.9 * bang;
    p.eye_left.squint = p.eye_right.squint = bang;
    p.pupil = 0.3 + 0.35 * ready;
    p.mouth.open = 0.8 * bang;
    p.mouth.smile = 0.4 * ready;
    p.ear_left.flatten = p.ear_right.flatten = 0.5 * bang;
    p.whisker_twitch = 0.6 * bang;
    p.squash = 0.05 * bang;
    p.head_dy = 4 * bang;

    const double shown = ramp(f, 1, 2.5) * (1.0 - ramp(f, 10, 13));
    const Point left = paw_point(p, true), right = paw_point(p, false);
    const double tilt = p.paw_left.angle * 0.6;
    const double flash = keyed(f, {{1, 0}, {5.5, 0}, {6, 1}, {7, 0.7}, {8.5, 0}});
    // Swung apart the cymbals turn their hollows towards the viewer; together they meet edge on.
    const double face = 0.28 + 0.22 * ramp(-apart, 0, 24);
    SceneFrame out{p, {}, {}};
    out.front = [=](cairo_t* cr) {
        cymbal(cr, left + Point{15, 0}, tilt, face, 1.0, shown);
        cymbal(cr, right + Point{-15, 0}, -tilt, face, -1.0, shown);
        clash_flash(cr, lerp(left, right, 0.5) + Point{0, -6}, flash);
    };
    return out;
}

}  // namespace tibbo::art
