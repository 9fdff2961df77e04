// A sneeze: the nose twitches and wrinkles, the whiskers flick, the eyes narrow and the
// head lifts as the sneeze builds; then it bursts, jerking the head down with the eyes
// shut and the mouth open in a spray of droplets; a sniff, a blink, and calm again.
#include <algorithm>
#include <cmath>

#include "props_face.h"
#include "scenes.h"

namespace tibbo::art {

SceneFrame scene_sneeze(int frame, int count) {
    SceneFrame out;
    if (frame >= count)
        return out;
    const double f = frame;
    const double last = count;
    constexpr double kBurst = 12.0;  // the frame the sneeze comes out
    const double tickle = envelope(1, 3, kBurst - 1, kBurst + 1, f);
    const double twitch = std::sin((f - 1) * 1.7);
    const double build = envelope(3, kBurst - 0.5, kBurst, kBurst + 1, f);
    const double burst = envelope(kBurst - 0.8, kBurst, kBurst + 1.5, kBurst + 6, f);
    const double gape = envelope(kBurst - 0.8, kBurst, kBurst + 1, kBurst + 3.5, f);
    const double after = envelope(kBurst + 4, kBurst + 6, kBurst + 10, last - 1, f);
    const double blink = envelope(kBurst + 8, kBurst + 9, kBurst + 10, kBurst + 11, f);
    CatPose& p = out.pose;
    p.nose_wrinkle = std::max(tickle * (0.45 + 0.45 * twitch), burst);
    p.whisker_twitch = tickle * 0.8 * twitch + burst * 0.9;
    // Building up: head back, eyes narrowing, mouth coming open ("ah... ah...").
    p.head_dy = -8.0 * build + 12.0 * burst;
    p.head_tilt = -3.0 * build + 4.0 * burst;
    p.mouth.open = 0.3 * build + 0.75 * gape;
    p.ear_left.perk = p.ear_right.perk = 0.3 * build;
    p.ear_left.flatten = p.ear_right.flatten = 0.5 * burst;
    const double narrowing = 0.75 * build;
    p.eye_left.open = p.eye_right.open = (1.0 - narrowing) * (1.0 - burst) * (1.0 - blink);
    p.eye_left.squint = p.eye_right.squint = std::max(0.6 * build, burst);
    p.squash = 0.07 * burst - 0.03 * build;
    p.lean = 1.5 * burst;
    // Afterwards a little sniff and a sheepish look.
    p.nose_wrinkle = std::max(p.nose_wrinkle, 0.4 * after * (0.5 + 0.5 * std::sin((f - kBurst) * 2.2)));
    p.gaze_x = -0.4 * after;
    p.gaze_y = 0.3 * after;
    p.head_dy += 2.0 * after;
    const double spray = (f - kBurst + 1.0) / 7.0;
    if (spray > 0.0 && spray < 1.0) {
        const CatPose pose = p;
        out.front = [pose, spray](cairo_t* cr) { face::paint_sneeze_spray(cr, pose, spray); };
    }
    return out;
}

}  // namespace tibbo::art
