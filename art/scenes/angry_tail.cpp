#include "scenes.h"

namespace tibbo::art {

// Not drawn yet: the cat holds its base pose.
SceneFrame scene_angry_tail(int, int) { return {}; }

}  // namespace tibbo::art
