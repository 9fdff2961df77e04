// One function per scene; each lives in its own file in this folder.
#pragma once

#include "../scene.h"

namespace tibbo::art {

SceneFrame scene_scratch(int frame, int count);
SceneFrame scene_angry_tail(int frame, int count);
SceneFrame scene_cymbal(int frame, int count);
SceneFrame scene_drink(int frame, int count);
SceneFrame scene_eat(int frame, int count);
SceneFrame scene_fart(int frame, int count);
SceneFrame scene_foot_left(int frame, int count);
SceneFrame scene_foot_right(int frame, int count);
SceneFrame scene_happy(int frame, int count);
SceneFrame scene_knockout(int frame, int count);
SceneFrame scene_listen(int frame, int count);
SceneFrame scene_pie(int frame, int count);
SceneFrame scene_sneeze(int frame, int count);
SceneFrame scene_stomach(int frame, int count);
SceneFrame scene_happy_simple(int frame, int count);
SceneFrame scene_talk(int frame, int count);
SceneFrame scene_yawn(int frame, int count);

}  // namespace tibbo::art
