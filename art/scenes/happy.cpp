// Stroked on the cheek: the cat leans its head into the hand, shuts its eyes in two happy
// arcs, smiles, blushes and purrs, its chest rising and falling in a slow rhythm.
#include <cmath>

#include "props_face.h"
#include "scenes.h"

namespace tibbo::art {

SceneFrame scene_happy(int frame, int count) {
    SceneFrame out;
    if (frame >= count)
        return out;
    const double f = frame;
    const double last = count;
    const double on = envelope(1, 7, last - 7, last, f);       // the whole mood
    const double eyes = envelope(2, 6, last - 6, last - 1, f);  // eyes shut a little later, open a little sooner
    CatPose& p = out.pose;
    p.eye_left.open = p.eye_right.open = 1.0 - eyes;
    p.eye_left.squint = p.eye_right.squint = eyes;
    p.mouth.smile = 0.85 * on;
    p.blush = 0.8 * envelope(3, 10, last - 8, last - 1, f);
    // Leaning into the hand on the cheek (the viewer's left).
    p.head_tilt = -9.0 * on;
    p.head_dx = -5.0 * on;
    p.head_dy = 2.0 * on;
    p.ear_left.angle = -6.0 * on;
    p.ear_right.angle = 8.0 * on;
    p.ear_left.flatten = 0.12 * on;
    p.ear_right.flatten = 0.12 * on;
    p.whisker_twitch = 0.3 * on;
    // Purring: slow breaths with the head rocking along.
    const double purr = std::sin((f - 1) * 2.0 * M_PI / 9.0);
    p.breathe = on * (0.5 + 0.5 * purr);
    p.squash = on * 0.012 * purr;
    p.head_tilt += on * 1.5 * purr;
    p.head_dy += on * 0.8 * purr;
    p.lean = -1.5 * on;
    return out;
}

}  // namespace tibbo::art
