#include <utility>

#include "scenes.h"

namespace tibbo::art {

SceneFunction find_scene(std::string_view action_name) {
    static constexpr std::pair<std::string_view, SceneFunction> kScenes[] = {
        {"scratch", scene_scratch},       {"angry-tail", scene_angry_tail},
        {"cymbal", scene_cymbal},         {"drink", scene_drink},
        {"eat", scene_eat},               {"fart", scene_fart},
        {"foot-left", scene_foot_left},   {"foot-right", scene_foot_right},
        {"happy", scene_happy},           {"knockout", scene_knockout},
        {"listen", scene_listen},         {"pie", scene_pie},
        {"sneeze", scene_sneeze},         {"stomach", scene_stomach},
        {"happy-simple", scene_happy_simple}, {"talk", scene_talk},
        {"yawn", scene_yawn},
    };
    for (const auto& [name, scene] : kScenes)
        if (name == action_name) return scene;
    return nullptr;
}

}  // namespace tibbo::art
