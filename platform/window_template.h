#pragma once
// A window and its controls described as data, the way the program's window is made.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace tibbo::platform {

enum class ControlKind {
  button,           // a push button with a caption
  label,            // one line of black text, left-aligned, vertically centred, clipped
  timer,            // never visible; a periodic event while its period is above 0
  animationObject,  // the template that sprites are made from; never visible
  animationBox,     // the stage: a sunken edge, a background picture and sprites
};

struct ControlTemplate {
  ControlKind kind;
  std::string name;
  int left = 0, top = 0, width = 0, height = 0;
  std::string text;  // button caption or label text
  int periodMs = 0;  // timers: running from the start when above 0
  const std::uint8_t* picture = nullptr;  // animation box: background picture (JPEG)
  std::size_t pictureSize = 0;
};

struct WindowTemplate {
  std::string name;
  std::string caption;
  int width = 0, height = 0;  // the window is centred by this size when it is created
  const std::uint8_t* iconRgb = nullptr;  // square, 24 bits per pixel, rows top first
  int iconSide = 0;
  std::vector<ControlTemplate> controls;  // top of the stacking order first
};

// The program's handlers, bound by event and control name.
struct WindowEvents {
  std::function<void()> created;
  std::function<void()> firstActivated;
  std::function<void()> willBeDestroyed;
  std::map<std::string, std::function<void()>> clicked;  // buttons
  std::map<std::string, std::function<void()>> ticked;   // timers
  // Animation boxes: x, y inside the box's edge, keys held (1 Ctrl, 2 Shift, 4 Alt).
  std::map<std::string, std::function<void(int x, int y, int keys)>> leftButtonPressed;
};

}  // namespace tibbo::platform
