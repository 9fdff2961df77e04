#include "props_body.h"
#include "scenes.h"

namespace tibbo::art {

// The cat's own left hind foot (on the viewer's right) lifts high, sole to the viewer, and
// taps down on the rug, raising a little dust; the cat winces, then looks down at it.
SceneFrame scene_foot_left(int frame, int) {
    const double f = frame;
    return {props::foot_tap_pose(f, false), [f](cairo_t* cr) { props::foot_tap_ripple(cr, f, false); },
            [f](cairo_t* cr) { props::foot_tap_dust(cr, f, false); }};
}

}  // namespace tibbo::art
