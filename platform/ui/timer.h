#pragma once
// A timer firing every Interval milliseconds while enabled and handled. Disabled when built.
#include <cstdint>
#include <functional>

namespace ui {

class Timer {
 public:
  Timer() = default;
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  int Interval() const { return interval_; }
  void SetInterval(int milliseconds);

  std::function<void(Timer&)> OnTimer;

  // Called by the backend when the interval elapsed; runs OnTimer under the application's guard.
  void Fire();

  // Backend bookkeeping.
  uintptr_t nativeId = 0;

 private:
  void Restart();

  bool enabled_ = false;
  bool running_ = false;
  int interval_ = 1000;
};

}  // namespace ui
