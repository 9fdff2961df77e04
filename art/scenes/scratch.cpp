#include <vector>

#include "props_body.h"
#include "scenes.h"

namespace tibbo::art {
namespace {

// One swipe of a front paw at the glass: raised from rest to `start`, raked down to `end`,
// lowered back. Offsets are from the paw's resting place; times are frames.
struct Swipe {
    bool left;
    double raise, strike, rake, lower, rest;  // frames where each part begins / ends
    double start_dx, start_dy, end_dx, end_dy;
    double start_angle, end_angle;
};

constexpr Swipe kSwipes[] = {
    {true, 2, 10, 14, 17, 24, -12, -176, 44, 24, -25, 10},
    {false, 14, 22, 26, 29, 36, 22, -170, -34, 34, 25, -10},
    {true, 26, 33, 37, 40, 47, 42, -184, 96, 14, -20, 12},
};

// Where the swipe has the paw at frame f (the base paw outside the swipe).
PawPose swipe_paw(const Swipe& s, double f) {
    using props::ramp;
    PawPose paw;
    const double up = ramp(f, s.raise, s.strike) * (1.0 - ramp(f, s.lower, s.rest));
    const double rake = ramp(f, s.strike, s.rake);
    paw.dx = up * (s.start_dx + (s.end_dx - s.start_dx) * rake);
    paw.dy = up * (s.start_dy + (s.end_dy - s.start_dy) * rake);
    paw.angle = up * (s.start_angle + (s.end_angle - s.start_angle) * rake);
    paw.reach = up;
    paw.claws = ramp(f, s.raise + 3, s.strike) * (1.0 - ramp(f, s.lower + 2, s.rest));
    return paw;
}

CatPose scratch_pose(double f) {
    using namespace props;
    CatPose p;
    const double rear = window(f, 1, 9, 40, 54);
    p.squash = -0.1 * rear;
    p.head_dy = -6 * rear;
    p.ear_left.flatten = p.ear_right.flatten = 0.4 * rear;
    p.eye_left.open = p.eye_right.open = 1.0 - 0.3 * rear;
    p.pupil = 0.3 + 0.4 * rear;
    p.mouth.open = 0.28 * rear;
    p.mouth.smile = -0.6 * rear;
    p.whisker_twitch = 0.5 * rear;
    p.tail.swing = -12 * rear;
    for (const Swipe& s : kSwipes) {
        if (f < s.raise || f > s.rest)
            continue;
        (s.left ? p.paw_left : p.paw_right) = swipe_paw(s, f);
    }
    return p;
}

// The middle of the claw tips, below the reaching paw's centre.
Point claw_tip(const CatPose& pose, bool left) { return props::paw_point(pose, left) + Point{0, 34}; }

}  // namespace

// The cat rears up and rakes the glass with its claws, left, right, left; four scratches
// stay on the screen after each swipe and fade as the cat sits down again.
SceneFrame scene_scratch(int frame, int) {
    using namespace props;
    const double f = frame;
    SceneFrame out{scratch_pose(f), {}, {}};
    struct Marks {
        Point from, to;
        double drawn;
    };
    std::vector<Marks> marks;
    for (const Swipe& s : kSwipes) {
        const double drawn = ramp(f, s.strike, s.rake);
        if (drawn <= 0.0)
            continue;
        marks.push_back({claw_tip(scratch_pose(s.strike), s.left), claw_tip(scratch_pose(s.rake), s.left), drawn});
    }
    const double alpha = 1.0 - ramp(f, 42, 53);
    if (!marks.empty() && alpha > 0.0)
        out.front = [marks, alpha](cairo_t* cr) {
            for (const Marks& m : marks)
                claw_marks(cr, m.from, m.to, m.drawn, 13.0, alpha);
        };
    return out;
}

}  // namespace tibbo::art
