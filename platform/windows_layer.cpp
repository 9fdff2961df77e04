// The Windows calls of the pet's waits, realised with a timerfd on the monotonic clock and
// GLib's main context. Exported from the program so that they can be bound by name.
#include <glib.h>
#include <malloc.h>
#include <poll.h>
#include <sys/timerfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <ctime>
#include <vector>

#include "platform/windows_calls.h"

using namespace tibbo::win;

namespace {

// Seconds from 1601-01-01 to 1970-01-01: absolute due times count from the former.
constexpr std::int64_t windowsEpochOffsetSeconds = 11644473600;
constexpr std::int64_t hundredNsPerSecond = 10'000'000;

struct WaitableTimer {
  static constexpr std::uint32_t magic = 0x54494D52;  // guards against foreign handles
  std::uint32_t tag = magic;
  int fd = -1;
  bool manualReset = false;
  bool signalled = false;
};

WaitableTimer* asTimer(HANDLE handle) {
  auto* timer = static_cast<WaitableTimer*>(handle);
  if (timer == nullptr || handle == currentProcess || timer->tag != WaitableTimer::magic)
    return nullptr;
  return timer;
}

// Takes in any expirations the kernel has counted, then tells whether the timer is set.
bool takeExpirations(WaitableTimer& timer) {
  std::uint64_t expirations = 0;
  while (::read(timer.fd, &expirations, sizeof expirations) == sizeof expirations)
    if (expirations > 0) timer.signalled = true;
  return timer.signalled;
}

// A wait satisfied by an auto-reset timer resets it.
void consume(WaitableTimer& timer) {
  if (!timer.manualReset) timer.signalled = false;
}

std::int64_t monotonicMs() {
  timespec now{};
  ::clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1'000'000;
}

// Which handle (if any) satisfies the wait right now.
bool findSignalled(BOOL waitAll, const std::vector<WaitableTimer*>& timers, DWORD& result) {
  const auto count = static_cast<DWORD>(timers.size());
  bool all = true;
  for (DWORD i = 0; i < count; ++i) {
    const bool set = takeExpirations(*timers[i]);
    if (set && !waitAll) {
      consume(*timers[i]);
      result = WAIT_OBJECT_0 + i;
      return true;
    }
    all = all && set;
  }
  if (waitAll && count > 0 && all) {
    for (auto* timer : timers) consume(*timer);
    result = WAIT_OBJECT_0;
    return true;
  }
  return false;
}

// Blocks until one of the timers' descriptors is readable, GLib has a source ready to
// dispatch (only when `withInput`), or `timeoutMs` (-1: none) passes. Nothing is
// dispatched here: the caller pumps events itself. Returns whether GLib had input.
bool blockOnTimersAndInput(const std::vector<WaitableTimer*>& timers, bool withInput,
                           int timeoutMs) {
  GMainContext* context = g_main_context_default();
  std::vector<GPollFD> fds;
  gint priority = 0;
  gint glibTimeout = -1;
  int glibCount = 0;
  const bool owned = withInput && g_main_context_acquire(context);
  if (owned) {
    g_main_context_prepare(context, &priority);
    fds.resize(16);
    while ((glibCount = g_main_context_query(context, priority, &glibTimeout, fds.data(),
                                             static_cast<gint>(fds.size()))) >
           static_cast<int>(fds.size()))
      fds.resize(static_cast<std::size_t>(glibCount));
    fds.resize(static_cast<std::size_t>(glibCount));
  }
  for (auto* timer : timers) fds.push_back(GPollFD{timer->fd, G_IO_IN, 0});

  int timeout = timeoutMs;
  if (owned && glibTimeout >= 0 && (timeout < 0 || glibTimeout < timeout)) timeout = glibTimeout;
  int polled = 0;
  do {
    polled = g_poll(fds.data(), static_cast<guint>(fds.size()), timeout);
  } while (polled < 0 && errno == EINTR);

  bool input = false;
  if (owned) {
    input = g_main_context_check(context, priority, fds.data(), glibCount);
    g_main_context_release(context);
  }
  return input;
}

}  // namespace

extern "C" {

__attribute__((visibility("default"))) HANDLE CreateWaitableTimerA(void* /*attributes*/,
                                                                    BOOL manualReset,
                                                                    const char* /*name*/) {
  const int fd = ::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
  if (fd < 0) return nullptr;
  auto* timer = new WaitableTimer;
  timer->fd = fd;
  timer->manualReset = manualReset != BoolFalse;
  return timer;
}

__attribute__((visibility("default"))) BOOL SetWaitableTimer(HANDLE handle,
                                                              const LONGLONG* dueTime,
                                                              LONG periodMs,
                                                              void* /*completionRoutine*/,
                                                              void* /*completionArgument*/,
                                                              BOOL /*resume*/) {
  WaitableTimer* timer = asTimer(handle);
  if (timer == nullptr || dueTime == nullptr || periodMs < 0) return BoolFalse;
  std::int64_t relative100ns = -*dueTime;
  if (*dueTime > 0) {  // absolute: 100 ns units since 1601, on the wall clock
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const std::int64_t now100ns = (now.tv_sec + windowsEpochOffsetSeconds) * hundredNsPerSecond +
                                  now.tv_nsec / 100;
    relative100ns = *dueTime - now100ns;
  }
  // A due time already past sets the timer at once; timerfd reads zero as "disarm".
  if (relative100ns <= 0) relative100ns = 1;
  itimerspec setting{};
  setting.it_value.tv_sec = static_cast<time_t>(relative100ns / hundredNsPerSecond);
  setting.it_value.tv_nsec = static_cast<long>((relative100ns % hundredNsPerSecond) * 100);
  setting.it_interval.tv_sec = periodMs / 1000;
  setting.it_interval.tv_nsec = static_cast<long>(periodMs % 1000) * 1'000'000;
  takeExpirations(*timer);
  timer->signalled = false;  // setting a timer resets it
  return ::timerfd_settime(timer->fd, 0, &setting, nullptr) == 0 ? BoolTrue : BoolFalse;
}

__attribute__((visibility("default"))) DWORD MsgWaitForMultipleObjects(DWORD count,
                                                                        const HANDLE* handles,
                                                                        BOOL waitAll, DWORD ms,
                                                                        DWORD wakeMask) {
  std::vector<WaitableTimer*> timers;
  for (DWORD i = 0; i < count; ++i) {
    WaitableTimer* timer = asTimer(handles ? handles[i] : nullptr);
    if (timer == nullptr) return WAIT_FAILED;
    timers.push_back(timer);
  }
  const bool withInput = (wakeMask & QS_ALLINPUT_LOW) != 0;
  const std::int64_t deadline = ms == INFINITE ? -1 : monotonicMs() + ms;
  for (;;) {
    DWORD result = 0;
    if (findSignalled(waitAll, timers, result)) return result;
    if (withInput && g_main_context_pending(nullptr)) return WAIT_OBJECT_0 + count;
    int timeout = -1;
    if (deadline >= 0) {
      const std::int64_t left = deadline - monotonicMs();
      if (left <= 0) return WAIT_TIMEOUT;
      timeout = static_cast<int>(left);
    }
    if (blockOnTimersAndInput(timers, withInput, timeout)) return WAIT_OBJECT_0 + count;
  }
}

__attribute__((visibility("default"))) BOOL CloseHandle(HANDLE handle) {
  WaitableTimer* timer = asTimer(handle);
  if (timer == nullptr) return BoolFalse;
  ::close(timer->fd);
  timer->tag = 0;
  delete timer;
  return BoolTrue;
}

// (-1, -1) asks for as much memory as possible to be handed back to the system.
__attribute__((visibility("default"))) BOOL SetProcessWorkingSetSize(HANDLE process,
                                                                      std::size_t minimum,
                                                                      std::size_t maximum) {
  if (process != currentProcess) return BoolFalse;
  if (minimum == static_cast<std::size_t>(-1) && maximum == static_cast<std::size_t>(-1))
    ::malloc_trim(0);
  return BoolTrue;
}

}  // extern "C"
