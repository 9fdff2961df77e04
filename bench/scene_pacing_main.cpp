// The pet, except that its first activation plays the longest scene (drink, 81 frames)
// before it settles into blinking. `scene_pacing.py` watches it from outside.
#include "app/pet_window.h"
#include "behaviour/scheduler.h"

namespace {
constexpr int drinkAction = 4;

void playDrinkFirst() {
  tibbo::attachBehaviourToPetWindow();
  tibbo::runAction(drinkAction);
}
}  // namespace

int main() { return tibbo::programStart(playDrinkFirst); }
