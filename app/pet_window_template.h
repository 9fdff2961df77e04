#pragma once
#include "platform/window_template.h"

namespace tibbo {

// The names of the pet window and its controls.
inline constexpr const char* petWindowName = "窗口";
inline constexpr const char* closeButtonName = "按钮2";
inline constexpr const char* identificationLabelName = "标签1";
inline constexpr const char* hoverTimerName = "时钟1";
inline constexpr const char* soundSyncTimerName = "声音同步时钟";
inline constexpr const char* catSpriteTemplateName = "动画物体";
inline constexpr const char* stageName = "动画框";

inline constexpr int petWindowWidth = 317;   // the template is 320; the stage's three
inline constexpr int petWindowHeight = 547;  // rightmost columns stay hidden

inline constexpr const char* petWebAddress = "https://tibbo.example.org/";

// The window as it is drawn up: size, caption, icon and the controls at their places.
const platform::WindowTemplate& petWindowTemplate();

}  // namespace tibbo
