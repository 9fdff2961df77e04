#include "props_body.h"
#include "scenes.h"

namespace tibbo::art {

// The cat's own left hind foot (on the viewer's right) lifts and taps down; the cat winces.
SceneFrame scene_foot_left(int frame, int) { return {props::foot_tap_pose(frame, false), {}, {}}; }

}  // namespace tibbo::art
