#include "platform/outside_functions.h"
#include "platform/windows_calls.h"

namespace tibbo {
namespace {

using platform::OutsideFunction;

// No library is named: the calls are found in the program itself, which exports them.
class BoundWindowsCalls final : public WindowsCalls {
 public:
  win::HANDLE CreateWaitableTimerA(void* attributes, win::BOOL manualReset,
                                   const char* name) override {
    return createTimer_(attributes, manualReset, name);
  }
  win::BOOL SetWaitableTimer(win::HANDLE timer, const win::LONGLONG* dueTime, win::LONG periodMs,
                             void* completionRoutine, void* completionArgument,
                             win::BOOL resume) override {
    return setTimer_(timer, dueTime, periodMs, completionRoutine, completionArgument, resume);
  }
  win::DWORD MsgWaitForMultipleObjects(win::DWORD count, const win::HANDLE* handles,
                                       win::BOOL waitAll, win::DWORD ms,
                                       win::DWORD wakeMask) override {
    return wait_(count, handles, waitAll, ms, wakeMask);
  }
  win::BOOL CloseHandle(win::HANDLE object) override { return close_(object); }
  win::BOOL SetProcessWorkingSetSize(win::HANDLE process, std::size_t minimum,
                                     std::size_t maximum) override {
    return trim_(process, minimum, maximum);
  }

 private:
  OutsideFunction<win::HANDLE(void*, win::BOOL, const char*)> createTimer_{
      nullptr, "CreateWaitableTimerA"};
  OutsideFunction<win::BOOL(win::HANDLE, const win::LONGLONG*, win::LONG, void*, void*,
                            win::BOOL)>
      setTimer_{nullptr, "SetWaitableTimer"};
  OutsideFunction<win::DWORD(win::DWORD, const win::HANDLE*, win::BOOL, win::DWORD, win::DWORD)>
      wait_{nullptr, "MsgWaitForMultipleObjects"};
  OutsideFunction<win::BOOL(win::HANDLE)> close_{nullptr, "CloseHandle"};
  OutsideFunction<win::BOOL(win::HANDLE, std::size_t, std::size_t)> trim_{
      nullptr, "SetProcessWorkingSetSize"};
};

}  // namespace

WindowsCalls& boundWindowsCalls() {
  static BoundWindowsCalls calls;
  return calls;
}

}  // namespace tibbo
