#include "app/pet_window_template.h"

#include "data/embedded.h"

namespace tibbo {

using platform::ControlKind;
using platform::ControlTemplate;
using platform::WindowTemplate;

namespace {

constexpr int templateWidth = 320;
constexpr int templateHeight = 547;
constexpr int hoverPeriodMs = 100;

constexpr const char* petTitle = "Ormelle的大猫 Tibbo";
// Three lines; the one-line label shows them side by side.
constexpr const char* identificationText =
    "Ormelle的大猫 Tibbo\r\n"
    "(C) 2026 the Tibbo project, some rights reserved\r\n"
    "hello@tibbo.example.org";

WindowTemplate makeTemplate() {
  WindowTemplate window;
  window.name = petWindowName;
  window.caption = std::string(petTitle) + "  " + petWebAddress;
  window.width = templateWidth;
  window.height = templateHeight;
  window.iconRgb = data::petIconRgb;
  window.iconSide = data::petIconSide;
  // clang-format off
  //                           kind                          name                     left  top  width height text
  window.controls = {
      ControlTemplate{ControlKind::button,          closeButtonName,         169, 488, 144, 55, "Quisa"},
      ControlTemplate{ControlKind::label,           identificationLabelName,   0, 480, 168, 64, identificationText},
      ControlTemplate{ControlKind::timer,           hoverTimerName,            0,   0,   0,  0, "", hoverPeriodMs},
      ControlTemplate{ControlKind::timer,           soundSyncTimerName,        0,   0,   0,  0, "", 0},
      ControlTemplate{ControlKind::animationObject, catSpriteTemplateName,     3,   3,  24, 24, ""},
      ControlTemplate{ControlKind::animationBox,    stageName,                 0,   0, 320, 480, "", 0,
                      data::stageBackgroundJpeg, data::stageBackgroundJpegSize},
  };
  // clang-format on
  return window;
}

}  // namespace

const WindowTemplate& petWindowTemplate() {
  static const WindowTemplate window = makeTemplate();
  return window;
}

}  // namespace tibbo
