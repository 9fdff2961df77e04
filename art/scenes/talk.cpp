// Talking: the mouth opens and shuts on a handful of syllables of different lengths while
// the head nods a little with them and the eyebrows' whiskers and ears follow.
#include <algorithm>
#include <cmath>

#include "props_face.h"
#include "scenes.h"

namespace tibbo::art {

SceneFrame scene_talk(int frame, int count) {
    SceneFrame out;
    if (frame >= count)
        return out;
    const double f = frame;
    const double last = count;
    // Syllables: frame where each peaks, how wide, how long (frames either side).
    struct Syllable {
        double at, open, half;
    };
    const Syllable syllables[] = {{3, 0.7, 1.6}, {5.5, 1.0, 1.4}, {8, 0.55, 1.2}, {10.5, 0.9, 1.6}, {12.6, 0.4, 1.0}};
    double open = 0.0;
    for (const Syllable& s : syllables) {
        const double d = std::abs(f - s.at) / s.half;
        if (d < 1.0)
            open = std::max(open, s.open * (0.5 + 0.5 * std::cos(d * M_PI)));
    }
    const double on = envelope(1, 3, last - 3, last, f);
    CatPose& p = out.pose;
    p.mouth.open = open * on;
    p.mouth.smile = 0.2 * on;
    p.head_dy = on * (1.2 * open - 0.8);
    p.head_tilt = on * 3.0 * std::sin((f - 1) * 0.55);
    p.head_dx = on * 1.5 * std::sin((f - 1) * 0.4);
    p.ear_left.angle = on * -3.0 * open;
    p.ear_right.angle = on * 3.0 * open;
    p.whisker_twitch = on * 0.5 * open;
    p.eye_left.open = p.eye_right.open = 1.0 - 0.12 * on;
    p.gaze_x = -0.15 * on;
    return out;
}

}  // namespace tibbo::art
