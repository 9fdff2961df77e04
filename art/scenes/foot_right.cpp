#include "props_body.h"
#include "scenes.h"

namespace tibbo::art {

// The cat's own right hind foot (on the viewer's left) lifts high, sole to the viewer, and
// taps down on the rug, raising a little dust; the cat winces, then looks down at it.
SceneFrame scene_foot_right(int frame, int) {
    const double f = frame;
    return {props::foot_tap_pose(f, true), [f](cairo_t* cr) { props::foot_tap_ripple(cr, f, true); },
            [f](cairo_t* cr) { props::foot_tap_dust(cr, f, true); }};
}

}  // namespace tibbo::art
