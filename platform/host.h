#pragma once
// The host's process-wide services: start, event delivery, pumping, ending.
#include <string>

namespace tibbo::platform {

// Prepares the window toolkit and makes the program's folder the current directory.
// Without a display it says so on standard error and returns false.
bool initialiseHost();
bool hostHasDisplay();

// Handlers of the program run only while event delivery is on: it is off while a window
// is being loaded and from the moment the program starts ending.
bool eventDeliveryEnabled();
void setEventDelivery(bool on);

// The routine that End program runs, once, before the process ends.
void registerExitRoutine(void (*routine)());

// Runs the exit routine once, unloads the outside libraries the program bound, and ends
// the process with the code (-1 reaches the shell as 255). Does not return: nothing
// below the caller is unwound.
[[noreturn]] void endProgram(int code);

// Dispatches whatever is waiting (input, timers, repaints) until nothing is left.
// Never blocks.
void processEvents();

// The host's own message loop, for when the pet window's first activation comes late.
void runMessageLoop();

// The pointer's position in screen pixels.
int mouseX();
int mouseY();

// Opens the address in the user's browser; failures are ignored.
void openWebPage(const std::string& address);

// Sound playback arrives with the sound cues; End program will stop and await it.

}  // namespace tibbo::platform
