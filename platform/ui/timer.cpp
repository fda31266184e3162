#include "platform/ui/timer.h"

#include "platform/ui/application.h"

namespace ui {

Timer::~Timer() {
  if (running_ && Application::Exists()) Application::Instance().GetBackend().StopTimer(*this);
}

void Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Restart();
}

void Timer::SetInterval(int milliseconds) {
  if (milliseconds == interval_) return;
  interval_ = milliseconds;
  Restart();
}

void Timer::Restart() {
  Backend& backend = Application::Instance().GetBackend();
  if (running_) {
    backend.StopTimer(*this);
    running_ = false;
  }
  if (enabled_ && interval_ > 0) {
    backend.StartTimer(*this);
    running_ = true;
  }
}

void Timer::Fire() {
  if (!enabled_ || !OnTimer) return;
  Application::Instance().Guard([&] { OnTimer(*this); });
}

}  // namespace ui
