#pragma once
// A timer whose ticks arrive as events of the window, only while the thread pumps them.
#include <glib.h>

#include <functional>

namespace tibbo::platform {

class MessageTimer {
 public:
  MessageTimer(int periodMs, std::function<void()> onTick);
  ~MessageTimer();
  MessageTimer(const MessageTimer&) = delete;
  MessageTimer& operator=(const MessageTimer&) = delete;

  int period() const { return period_; }
  // A new value restarts the timer from now; the same value changes nothing; 0 or less
  // stops it.
  void setPeriod(int ms);

 private:
  static gboolean tick(gpointer self);
  void restart();

  int period_ = 0;
  std::function<void()> onTick_;
  guint source_ = 0;
};

}  // namespace tibbo::platform
