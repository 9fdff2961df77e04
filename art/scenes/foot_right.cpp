#include "props_body.h"
#include "scenes.h"

namespace tibbo::art {

// The cat's own right hind foot (on the viewer's left) lifts and taps down; the cat winces.
SceneFrame scene_foot_right(int frame, int) { return {props::foot_tap_pose(frame, true), {}, {}}; }

}  // namespace tibbo::art
