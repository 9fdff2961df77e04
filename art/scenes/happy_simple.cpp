#include "scenes.h"

namespace tibbo::art {

// Not drawn yet: the cat holds its base pose.
SceneFrame scene_happy_simple(int, int) { return {}; }

}  // namespace tibbo::art
