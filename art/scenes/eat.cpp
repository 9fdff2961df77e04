#include <cmath>

#include "props_body.h"
#include "scenes.h"

namespace tibbo::art {

// A bowl of food is set on the rug; the cat bends down, eats and chews, sits back up
// still chewing, licks its lips, and the empty bowl is taken away.
SceneFrame scene_eat(int frame, int) {
    using namespace props;
    const double f = frame;
    CatPose p;
    const double look = window(f, 2, 5, 30, 34);
    const double bend = window(f, 5, 12, 28, 35);
    const double chew = window(f, 12, 14, 33, 36);
    const double lick = window(f, 33, 35, 36, 38);
    const double content = window(f, 31, 34, 37, 40);
    p.gaze_y = look;
    p.pupil = 0.3 + 0.3 * look;
    p.ear_left.perk = p.ear_right.perk = 0.5 * look;
    p.head_dy = 185 * bend + 3.0 * chew * std::sin((f - 12) * 1.9);
    p.squash = 0.15 * bend;
    p.hunch = bend;
    p.eye_left.open = p.eye_right.open = 1.0 - 0.5 * bend - 0.4 * content;
    p.eye_left.squint = p.eye_right.squint = 0.7 * content;
    p.mouth.shift = chew * std::sin((f - 12) * 0.95);
    p.mouth.open = 0.12 * chew * (0.5 + 0.5 * std::sin((f - 12) * 1.9));
    p.mouth.tongue = lick;
    p.mouth.smile = 0.5 * content;
    p.paw_left.dy = p.paw_right.dy = 40 * bend;
    p.whisker_twitch = 0.3 * chew;

    const double shown = ramp(f, 1, 5) * (1.0 - ramp(f, 34, 39));
    const double drop = 10 * (1.0 - ramp(f, 1, 5));
    const double food = 1.0 - 0.7 * ramp(f, 13, 29);
    SceneFrame out{p, {}, {}};
    out.front = [=](cairo_t* cr) { food_bowl(cr, {160, 471 - drop}, food, shown); };
    return out;
}

}  // namespace tibbo::art
