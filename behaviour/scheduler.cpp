#include "behaviour/scheduler.h"

#include "behaviour/action_frames.h"
#include "behaviour/pet_values.h"
#include "data/action_table.h"

#include <cstdint>

namespace tibbo {

std::string animationsDir;
std::string soundsDir;
int catSprite = 0;

int currentAction = 0;
bool actionDone = false;
bool busy = false;

namespace {

PetHost* theHost = nullptr;
bool loopRunning = false;
bool requested = false;  // an action was asked for inside a wait of the running loop

// 100 ns units, negative for "relative to now".
win::LONGLONG relativeDueTime(int ms) { return static_cast<win::LONGLONG>(ms) * -10000; }

// One idle cycle: open, half closed, closed. A requested action abandons it where it is.
void playIdleBlink() {
  using data::blinkFrames;
  actionDone = false;
  showFrame(blinkFrames[0]);
  pacedWait(data::blinkOpenMs);
  if (requested) return;
  showFrame(blinkFrames[1]);
  pacedWait(data::blinkHalfMs);
  if (requested) return;
  showFrame(blinkFrames[2]);
}

void playAction(const data::ActionRow& row) {
  if (row.soundDelayMs) host().setSoundSyncPeriod(*row.soundDelayMs);
  playActionFrames();
}

}  // namespace

void useHost(PetHost& host) { theHost = &host; }
PetHost& host() { return *theHost; }

bool actionRequested() { return requested; }

void resetScheduler() {
  currentAction = 0;
  actionDone = false;
  busy = false;
  loopRunning = false;
  requested = false;
}

void runAction(int action) {
  if (loopRunning) {
    // A click dispatched inside one of our waits. Taking over the running loop here,
    // instead of starting a second one on top of it, keeps the stack flat however many
    // clicks come.
    if (busy) return;
    currentAction = action;
    busy = true;
    requested = true;
    return;
  }
  loopRunning = true;
  currentAction = action;
  for (;;) {
    requested = false;
    if (!host().petWindowVisible()) break;
    if (actionDone) currentAction = data::idleAction;
    if (currentAction == data::idleAction) {
      playIdleBlink();
      if (!requested) pacedWait(data::idleRestMs);
      continue;
    }
    busy = true;
    if (const data::ActionRow* row = data::findAction(currentAction)) {
      playAction(*row);
    } else {
      actionDone = true;  // not an action of the table: nothing to play, back to idle
    }
    busy = false;
  }
  loopRunning = false;
}

void showFrame(std::string_view name) {
  const Bytes picture = host().readFile(animationsDir + std::string(name));
  host().setSpritePicture(catSprite, picture);
}

void pacedWait(int ms) {
  WindowsCalls& calls = host().windows();
  const std::uint32_t start = host().tickCount();
  const win::LONGLONG due = relativeDueTime(ms);
  win::HANDLE timer = calls.CreateWaitableTimerA(nullptr, win::BoolFalse, nullptr);
  bool timed = timer != nullptr &&
               calls.SetWaitableTimer(timer, &due, 0, nullptr, nullptr, win::BoolFalse) != win::BoolFalse;
  for (;;) {
    win::DWORD woke = 0;
    if (timed) {
      woke = calls.MsgWaitForMultipleObjects(1, &timer, win::BoolFalse, win::INFINITE,
                                             win::QS_ALLINPUT_LOW);
      if (woke == win::WAIT_OBJECT_0) break;
      // A timer that cannot be waited on would keep us pumping for ever; the clock
      // takes over for the rest of the wait.
      if (woke == win::WAIT_FAILED) timed = false;
    } else {
      const std::uint32_t elapsed = host().tickCount() - start;
      if (elapsed >= static_cast<std::uint32_t>(ms)) break;
      woke = calls.MsgWaitForMultipleObjects(0, nullptr, win::BoolFalse,
                                             static_cast<win::DWORD>(ms) - elapsed,
                                             win::QS_ALLINPUT_LOW);
      if (woke == win::WAIT_TIMEOUT) break;
    }
    host().processEvents();
    if (requested) break;
  }
  if (timer != nullptr) calls.CloseHandle(timer);
}

}  // namespace tibbo
