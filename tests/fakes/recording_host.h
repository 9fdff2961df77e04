#pragma once
// A stand-in for the pet's host: a virtual clock, scripted events, and a record of what
// the behaviour did with it (frames shown, timer periods, pumping depth).
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/pet_host.h"

namespace tibbo::testing {

class RecordingHost final : public PetHost, public WindowsCalls {
 public:
  struct ShownFrame {
    std::uint32_t at;   // virtual ms
    std::string path;   // the file that was read for it
    bool hadPicture;    // whether the file existed
  };
  struct PeriodWrite {
    std::uint32_t at;
    int ms;
  };

  RecordingHost();
  ~RecordingHost() override;

  // Runs `event` from inside the pumping once the virtual clock reaches `time`.
  void at(std::uint32_t time, std::function<void()> event);
  // Hides the window at `time`, which lets the scheduler's loop end.
  void hideAt(std::uint32_t time);

  std::uint32_t now = 0;
  bool visible = true;
  bool failTimerCreation = false;
  std::uint32_t horizon = 600000;  // the window hides by itself at this virtual time
  std::map<std::string, Bytes> files;  // readFile answers from here; others are missing

  std::vector<ShownFrame> frames;
  std::vector<PeriodWrite> soundSyncPeriods;
  int maxPumpDepth = 0;
  int openTimers = 0;

  // PetHost
  Bytes readFile(const std::string& path) override;
  void setSpritePicture(int sprite, const Bytes& picture) override;
  bool petWindowVisible() override { return visible; }
  void setSoundSyncPeriod(int ms) override;
  void processEvents() override;
  std::uint32_t tickCount() override { return now; }
  WindowsCalls& windows() override { return *this; }

  // WindowsCalls, on the virtual clock
  win::HANDLE CreateWaitableTimerA(void*, win::BOOL, const char*) override;
  win::BOOL SetWaitableTimer(win::HANDLE timer, const win::LONGLONG* dueTime, win::LONG,
                             void*, void*, win::BOOL) override;
  win::DWORD MsgWaitForMultipleObjects(win::DWORD count, const win::HANDLE* handles, win::BOOL,
                                       win::DWORD ms, win::DWORD wakeMask) override;
  win::BOOL CloseHandle(win::HANDLE timer) override;
  win::BOOL SetProcessWorkingSetSize(win::HANDLE, std::size_t, std::size_t) override {
    return win::BoolTrue;
  }

  // The paths of the frames shown, in order.
  std::vector<std::string> framePaths() const;

 private:
  struct Scheduled {
    std::uint32_t time;
    std::uint64_t order;
    std::function<void()> event;
  };
  bool nextEventTime(std::uint32_t& time) const;

  std::vector<Scheduled> events_;
  std::uint64_t eventOrder_ = 0;
  std::map<std::uintptr_t, std::uint32_t> timerDue_;  // handle -> due time, 0 when unset
  std::uintptr_t nextHandle_ = 1;
  std::string lastRead_;
  int pumpDepth_ = 0;
};

}  // namespace tibbo::testing
