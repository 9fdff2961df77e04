// A scene: one frame of an action's flip-book, as a pose of the cat and the props drawn
// behind it and in front of it. Scenes start from the base pose and end back in it, so
// nothing jumps between the idle blink and an action.
#pragma once

#include <cairo.h>

#include <functional>
#include <string_view>

#include "cat.h"

namespace tibbo::art {

// Props are painted in picture units (the 320 by 480 stage picture, origin top left):
// the context arrives already mapped onto the canvas.
using PropPainter = std::function<void(cairo_t* cr)>;

struct SceneFrame {
    CatPose pose;
    PropPainter behind;  // between the room and the cat (a bowl on the rug, a cloud behind)
    PropPainter front;   // over the cat (cymbals, a pie, stars, claw marks)
};

// Frame `frame` of `count` (1-based, the numbering of the files).
using SceneFunction = SceneFrame (*)(int frame, int count);

// The scene drawn for an action, by the action's name ("scratch", "angry-tail", ...);
// null for a name without one.
SceneFunction find_scene(std::string_view action_name);

// Timing curves for scenes, in frames: 0 .. 1 with a smooth start and end as t goes from
// a to b (clamped outside), and up over [a, b], holding, back down over [c, d].
inline double ease(double a, double b, double t) {
    if (b <= a)
        return t >= b ? 1.0 : 0.0;
    const double u = t <= a ? 0.0 : t >= b ? 1.0 : (t - a) / (b - a);
    return u * u * (3.0 - 2.0 * u);
}
inline double envelope(double a, double b, double c, double d, double t) {
    return ease(a, b, t) * (1.0 - ease(c, d, t));
}

// 0 .. 1 across the scene: frame 1 is 0, the last frame 1.
inline double scene_progress(int frame, int count) {
    return count > 1 ? static_cast<double>(frame - 1) / (count - 1) : 0.0;
}

}  // namespace tibbo::art
