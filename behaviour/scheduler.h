#pragma once
// The scheduler: blinks while idle, plays the actions that clicks ask for.
#include <string_view>

#include "platform/pet_host.h"

namespace tibbo {

// The three values that the handlers share with the scheduler.
extern int currentAction;  // the action being played or about to be; 0 is idle
extern bool actionDone;    // set when an action's last frame has been shown
extern bool busy;          // set from the moment an action is accepted until its last frame

// The host the behaviour talks to; set once, before the first activation.
void useHost(PetHost& host);
PetHost& host();

// Entered once with 0 when the window is first activated; returns only when the window
// is no longer visible. Called again from a handler dispatched inside one of its waits
// (a click), it does not nest: it records the action, sets `busy`, and returns at once;
// the wait in progress ends early and the running loop plays the action.
void runAction(int action);

// Reads `animationsDir` + name and sets it as the cat's picture (or none, when missing).
void showFrame(std::string_view name);

// Waits at least `ms` milliseconds while pumping events. Returns early when a handler has
// asked for an action, so that the idle step in progress can be abandoned.
void pacedWait(int ms);

// True between an action being asked for and the running loop taking it up.
bool actionRequested();

// Back to the state before the first activation (for tests).
void resetScheduler();

}  // namespace tibbo
