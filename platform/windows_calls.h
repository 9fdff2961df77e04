#pragma once
// The handful of Windows calls that the pet's waits are written against, with their
// names, argument lists and meanings kept. `windows_layer.cpp` realises them on Linux; the
// pet reaches them by name at their first call, like any other outside function, through
// `WindowsCalls`, which tests replace with a virtual clock.
#include <cstddef>
#include <cstdint>

namespace tibbo::win {

using HANDLE = void*;
using BOOL = std::int32_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using LONGLONG = std::int64_t;  // relative due times: negative, in units of 100 ns

inline constexpr BOOL BoolFalse = 0;  // not FALSE and TRUE: GLib has macros of those names
inline constexpr BOOL BoolTrue = 1;
inline constexpr DWORD INFINITE = 0xFFFFFFFFu;
inline constexpr DWORD WAIT_OBJECT_0 = 0;
inline constexpr DWORD WAIT_TIMEOUT = 258;
inline constexpr DWORD WAIT_FAILED = 0xFFFFFFFFu;
inline constexpr DWORD QS_ALLINPUT_LOW = 0xFF;  // every kind of queue input
inline const HANDLE currentProcess = reinterpret_cast<HANDLE>(-1);

}  // namespace tibbo::win

extern "C" {
tibbo::win::HANDLE CreateWaitableTimerA(void* attributes, tibbo::win::BOOL manualReset,
                                        const char* name);
tibbo::win::BOOL SetWaitableTimer(tibbo::win::HANDLE timer, const tibbo::win::LONGLONG* dueTime,
                                  tibbo::win::LONG periodMs, void* completionRoutine,
                                  void* completionArgument, tibbo::win::BOOL resume);
tibbo::win::DWORD MsgWaitForMultipleObjects(tibbo::win::DWORD count,
                                            const tibbo::win::HANDLE* handles,
                                            tibbo::win::BOOL waitAll, tibbo::win::DWORD ms,
                                            tibbo::win::DWORD wakeMask);
tibbo::win::BOOL CloseHandle(tibbo::win::HANDLE object);
tibbo::win::BOOL SetProcessWorkingSetSize(tibbo::win::HANDLE process, std::size_t minimum,
                                          std::size_t maximum);
}

namespace tibbo {

// The calls as the pet's code makes them. The program binds the real ones by name;
// tests pass a stand-in.
class WindowsCalls {
 public:
  virtual ~WindowsCalls() = default;
  virtual win::HANDLE CreateWaitableTimerA(void* attributes, win::BOOL manualReset,
                                           const char* name) = 0;
  virtual win::BOOL SetWaitableTimer(win::HANDLE timer, const win::LONGLONG* dueTime,
                                     win::LONG periodMs, void* completionRoutine,
                                     void* completionArgument, win::BOOL resume) = 0;
  virtual win::DWORD MsgWaitForMultipleObjects(win::DWORD count, const win::HANDLE* handles,
                                               win::BOOL waitAll, win::DWORD ms,
                                               win::DWORD wakeMask) = 0;
  virtual win::BOOL CloseHandle(win::HANDLE object) = 0;
  virtual win::BOOL SetProcessWorkingSetSize(win::HANDLE process, std::size_t minimum,
                                             std::size_t maximum) = 0;
};

// The real calls, each bound by name from the program itself at its first use.
WindowsCalls& boundWindowsCalls();

}  // namespace tibbo
