#pragma once
// The program's one top-level window, made from its template.
#include <memory>
#include <string_view>

#include "platform/bytes.h"
#include "platform/window_template.h"

namespace tibbo::platform {

inline constexpr int maxWindowSide = 32627;

class HostWindow {
 public:
  // Loading: with event delivery off, the window (hidden, frameless, centred by the
  // template size) and its controls are made; then delivery comes back on, `created` is
  // raised, and the window is shown. `firstActivated` follows once, after the first
  // paint, from the event loop. `loaded` holds the window before `created` is raised.
  // False when the window cannot be made.
  static bool load(const WindowTemplate& layout, WindowEvents events,
                   std::unique_ptr<HostWindow>& loaded);

  virtual ~HostWindow() = default;

  virtual int left() const = 0;  // outer rectangle, screen coordinates
  virtual int top() const = 0;
  virtual int width() const = 0;
  virtual int height() const = 0;
  // Applied at once, keeping the top-left corner; clamped to 0..32627.
  virtual void setWidth(int width) = 0;
  virtual void setHeight(int height) = 0;
  // True while shown; false once destruction has begun.
  virtual bool visible() const = 0;
  // Queued: carried out at the next dispatch. At once: destroyed before returning.
  virtual void requestDestruction(bool atOnce) = 0;

  // A new period restarts the timer from now; the same period changes nothing; 0 or less
  // stops it. Unknown names are ignored.
  virtual void setTimerPeriod(std::string_view timer, int ms) = 0;
  virtual int timerPeriod(std::string_view timer) const = 0;

  // A visible sprite without a picture, at (left, top) inside the box's edge; returns its
  // number (from 1), or 0 when the box or the template does not exist.
  virtual int createSprite(std::string_view box, std::string_view spriteTemplate, int left,
                           int top) = 0;
  // Drops the old picture and decodes the new one at its natural size; undecodable bytes
  // leave no picture. Unknown sprites are ignored.
  virtual void setSpritePicture(std::string_view box, int sprite, const Bytes& picture) = 0;
  // The pointer over the box: the 4 bytes of the integer 14 select the pointing hand.
  virtual void setPointer(std::string_view box, const Bytes& pointer) = 0;
};

}  // namespace tibbo::platform
