#include "tests/fakes/recording_host.h"

#include <algorithm>
#include <limits>
#include <tuple>
#include <utility>

#include "behaviour/pet_values.h"
#include "behaviour/scheduler.h"

namespace tibbo::testing {

RecordingHost::RecordingHost() {
  resetScheduler();
  animationsDir = "/pet/animations/";
  soundsDir = "/pet/sounds/";
  catSprite = 1;
  useHost(*this);
}

RecordingHost::~RecordingHost() { resetScheduler(); }

void RecordingHost::at(std::uint32_t time, std::function<void()> event) {
  events_.push_back({time, eventOrder_++, std::move(event)});
}

void RecordingHost::hideAt(std::uint32_t time) {
  at(time, [this] { visible = false; });
}

Bytes RecordingHost::readFile(const std::string& path) {
  lastRead_ = path;
  auto found = files.find(path);
  return found == files.end() ? Bytes{} : found->second;
}

void RecordingHost::setSpritePicture(int, const Bytes& picture) {
  frames.push_back({now, lastRead_, !picture.empty()});
}

void RecordingHost::setSoundSyncPeriod(int ms) { soundSyncPeriods.push_back({now, ms}); }

void RecordingHost::processEvents() {
  ++pumpDepth_;
  maxPumpDepth = std::max(maxPumpDepth, pumpDepth_);
  // Events may schedule further events, so pick the earliest due one afresh each time.
  for (;;) {
    auto due = std::min_element(events_.begin(), events_.end(), [](auto& a, auto& b) {
      return std::tie(a.time, a.order) < std::tie(b.time, b.order);
    });
    if (due == events_.end() || due->time > now) break;
    auto event = std::move(due->event);
    events_.erase(due);
    event();
  }
  --pumpDepth_;
}

bool RecordingHost::nextEventTime(std::uint32_t& time) const {
  if (events_.empty()) return false;
  time = std::min_element(events_.begin(), events_.end(), [](auto& a, auto& b) {
           return a.time < b.time;
         })->time;
  return true;
}

win::HANDLE RecordingHost::CreateWaitableTimerA(void*, win::BOOL, const char*) {
  if (failTimerCreation) return nullptr;
  ++openTimers;
  const std::uintptr_t handle = nextHandle_++;
  timerDue_[handle] = 0;
  return reinterpret_cast<win::HANDLE>(handle);
}

win::BOOL RecordingHost::SetWaitableTimer(win::HANDLE timer, const win::LONGLONG* dueTime,
                                          win::LONG, void*, void*, win::BOOL) {
  const auto handle = reinterpret_cast<std::uintptr_t>(timer);
  if (!timerDue_.count(handle) || *dueTime > 0) return win::BoolFalse;
  timerDue_[handle] = now + static_cast<std::uint32_t>(-*dueTime / 10000);
  return win::BoolTrue;
}

// Moves the clock to whichever comes first: a scripted event (reported as input) or the
// timer (reported as signalled). Without a timer, `ms` bounds the wait.
win::DWORD RecordingHost::MsgWaitForMultipleObjects(win::DWORD count, const win::HANDLE* handles,
                                                    win::BOOL, win::DWORD ms,
                                                    win::DWORD wakeMask) {
  std::uint32_t due = std::numeric_limits<std::uint32_t>::max();
  if (count == 1) {
    auto found = timerDue_.find(reinterpret_cast<std::uintptr_t>(handles[0]));
    if (found == timerDue_.end()) return win::WAIT_FAILED;
    due = found->second;
  } else if (ms != win::INFINITE) {
    due = now + ms;
  }
  std::uint32_t input = 0;
  if (wakeMask != 0 && nextEventTime(input) && input < due) {
    now = std::max(now, input);
    return win::WAIT_OBJECT_0 + count;
  }
  now = std::max(now, due);
  if (now >= horizon) visible = false;  // a test that forgot to end still ends
  return count == 1 ? win::WAIT_OBJECT_0 : win::WAIT_TIMEOUT;
}

win::BOOL RecordingHost::CloseHandle(win::HANDLE timer) {
  if (timerDue_.erase(reinterpret_cast<std::uintptr_t>(timer)) == 0) return win::BoolFalse;
  --openTimers;
  return win::BoolTrue;
}

std::vector<std::string> RecordingHost::framePaths() const {
  std::vector<std::string> paths;
  for (const auto& frame : frames) paths.push_back(frame.path);
  return paths;
}

}  // namespace tibbo::testing
