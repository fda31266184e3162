// GoogleTest's customisation point, found ahead of Debian's empty one for the mingw builds.
// GCC 12 with the win32 thread model has no std::mutex/std::condition_variable, which the
// stock Notification uses; gtest needs Notification only to start threads in its own
// thread tests, so a flag that is spun on is enough.
#ifndef TUTOR_GTEST_CUSTOM_PORT_H_
#define TUTOR_GTEST_CUSTOM_PORT_H_

#include <atomic>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing::internal {

class Notification {
 public:
  Notification() = default;
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;

  void Notify() { notified_.store(true, std::memory_order_release); }
  void WaitForNotification() {
    while (!notified_.load(std::memory_order_acquire)) {
    }
  }

 private:
  std::atomic<bool> notified_{false};
};

}  // namespace testing::internal

#endif  // TUTOR_GTEST_CUSTOM_PORT_H_
