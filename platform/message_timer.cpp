#include "platform/message_timer.h"

#include <utility>

#include "platform/host.h"

namespace tibbo::platform {

MessageTimer::MessageTimer(int periodMs, std::function<void()> onTick)
    : period_(periodMs), onTick_(std::move(onTick)) {
  restart();
}

MessageTimer::~MessageTimer() {
  if (source_ != 0) g_source_remove(source_);
}

void MessageTimer::setPeriod(int ms) {
  if (ms == period_) return;
  period_ = ms;
  restart();
}

void MessageTimer::restart() {
  if (source_ != 0) g_source_remove(source_);
  source_ = 0;
  // A timer nobody listens to would only wake the process for nothing.
  if (period_ > 0 && onTick_) source_ = g_timeout_add(static_cast<guint>(period_), tick, this);
}

gboolean MessageTimer::tick(gpointer self) {
  auto* timer = static_cast<MessageTimer*>(self);
  const guint source = timer->source_;
  if (eventDeliveryEnabled()) timer->onTick_();
  // The handler may have changed the period, which replaced this source already.
  return source == timer->source_ ? G_SOURCE_CONTINUE : G_SOURCE_REMOVE;
}

}  // namespace tibbo::platform
