// A big yawn and a stretch: the cat stretches up tall with its front paws raised and its
// ears pressed back, squeezes its eyes shut and drops its jaw wide (tongue, teeth, the
// ridged palate), then shuts it, licks its lips, blinks sleepily and settles.
#include <cmath>

#include "props_face.h"
#include "scenes.h"

namespace tibbo::art {

SceneFrame scene_yawn(int frame, int count) {
    SceneFrame out;
    if (frame >= count)
        return out;
    const double f = frame;
    const double last = count;
    const double stretch = envelope(1, 9, 18, last - 2, f);
    const double mouth = envelope(2.5, 9, 17, 22, f);
    const double jaw = envelope(4, 11, 16, 21.5, f);
    const double squeeze = envelope(3, 8, 17, 22, f);
    const double sleepy = envelope(20, 23, 25, last - 1, f);
    const double lick = envelope(20.5, 22, 23.5, 25, f);
    CatPose& p = out.pose;
    p.squash = -0.1 * stretch;
    p.head_dy = -7.0 * stretch;
    // The head rolls slowly over while the jaw hangs open.
    p.head_tilt = stretch * (-5.0 + 8.0 * ease(7, 19, f));
    p.paw_left.dx = -9.0 * stretch;
    p.paw_left.dy = -38.0 * stretch;
    p.paw_left.angle = -16.0 * stretch;
    p.paw_right.dx = 9.0 * stretch;
    p.paw_right.dy = -36.0 * stretch;
    p.paw_right.angle = 16.0 * stretch;
    p.ear_left.flatten = p.ear_right.flatten = 0.4 * squeeze;
    p.ear_left.angle = -6.0 * squeeze;
    p.ear_right.angle = 6.0 * squeeze;
    p.mouth.open = mouth;
    p.mouth.jaw = jaw * (1.0 - 0.12 * ease(11, 16, f));
    p.mouth.tongue = 0.6 * lick;
    p.mouth.shift = 0.5 * lick * std::sin((f - 20.5) * 1.6);
    p.eye_left.open = p.eye_right.open = (1.0 - squeeze) * (1.0 - 0.5 * sleepy);
    p.eye_left.squint = p.eye_right.squint = squeeze;
    p.nose_wrinkle = 0.5 * jaw;
    p.whisker_twitch = 0.8 * jaw;
    p.breathe = stretch;
    return out;
}

}  // namespace tibbo::art
