#pragma once
// Runs an event handler of a window procedure so that no exception crosses it: through the
// application's handler while one exists, silently during start-up and shut-down.
#include <utility>

#include "platform/ui/application.h"

namespace win32 {

template <class F>
void RunGuarded(F&& handler) noexcept {
  if (ui::Application::Exists()) {
    ui::Application::Instance().Guard(std::forward<F>(handler));
    return;
  }
  try {
    handler();
  } catch (...) {
    // No application to report to: the window is being built or torn down.
  }
}

}  // namespace win32
