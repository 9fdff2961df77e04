#include "platform/host.h"

#include <gtk/gtk.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "platform/outside_functions.h"
#include "platform/system_services.h"

namespace tibbo::platform {
namespace {

// A source that stays ready for ever must not hold Process events for ever.
constexpr int maxDispatchRounds = 10000;

bool displayOpen = false;
bool deliveringEvents = true;
void (*exitRoutine)() = nullptr;

}  // namespace

bool initialiseHost() {
  // The pet places its own window and reads the pointer anywhere on the screen, which
  // only X11 allows; on Wayland desktops it runs through XWayland.
  gdk_set_allowed_backends("x11");
  // GDK looks for OpenGL visuals when it opens the display, which on some X servers loads
  // the whole software renderer (about 55 MB resident, tens of milliseconds at start).
  // The pet paints with cairo alone; a user's own setting still wins.
  g_setenv("GDK_GL", "disable", FALSE);
  if (!gtk_init_check(nullptr, nullptr)) {
    std::fprintf(stderr,
                 "tibbo: cannot open a display. The pet needs an X11 display (or XWayland); "
                 "check that DISPLAY is set and that the X server accepts connections.\n");
    return false;
  }
  displayOpen = true;
  if (::chdir(runDirectory().c_str()) != 0) {
    // Nothing depends on the current folder; paths are always built from the run directory.
  }
  return true;
}

bool hostHasDisplay() { return displayOpen; }

bool eventDeliveryEnabled() { return deliveringEvents; }
void setEventDelivery(bool on) { deliveringEvents = on; }

void registerExitRoutine(void (*routine)()) { exitRoutine = routine; }

void endProgram(int code) {
  deliveringEvents = false;
  if (auto routine = exitRoutine) {
    exitRoutine = nullptr;
    routine();
  }
  unloadOutsideLibraries();
  std::fflush(nullptr);
  // The toolkit's own teardown is skipped on purpose: the window is going away with the
  // process, and running destructors under a half-destroyed window gains nothing.
  ::_exit(code);
}

void processEvents() {
  for (int round = 0; round < maxDispatchRounds && g_main_context_iteration(nullptr, FALSE);
       ++round) {
  }
}

void runMessageLoop() { gtk_main(); }

namespace {
GdkDevice* pointerDevice() {
  GdkDisplay* display = gdk_display_get_default();
  if (display == nullptr) return nullptr;
  GdkSeat* seat = gdk_display_get_default_seat(display);
  return seat ? gdk_seat_get_pointer(seat) : nullptr;
}
}  // namespace

int mouseX() {
  int x = 0;
  if (GdkDevice* device = pointerDevice()) gdk_device_get_position(device, nullptr, &x, nullptr);
  return x;
}

int mouseY() {
  int y = 0;
  if (GdkDevice* device = pointerDevice()) gdk_device_get_position(device, nullptr, nullptr, &y);
  return y;
}

void openWebPage(const std::string& address) {
  g_app_info_launch_default_for_uri(address.c_str(), nullptr, nullptr);
}

}  // namespace tibbo::platform
