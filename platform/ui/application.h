#pragma once
// The application object: one per process (per loaded library), bound to a backend.
// Every event dispatched from a backend goes through Guard, so exceptions end in
// HandleException and the message loop goes on.
#include <exception>
#include <functional>
#include <string>

#include "platform/ui/backend.h"

namespace ui {

class Application {
 public:
  explicit Application(Backend& backend);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  static Application& Instance();
  static bool Exists();

  Backend& GetBackend() const { return *backend_; }

  // Abort is ignored; otherwise OnException when set, else the standard error box.
  void HandleException(std::exception_ptr error) noexcept;
  template <class F>
  void Guard(F&& f) noexcept {
    try {
      f();
    } catch (...) {
      HandleException(std::current_exception());
    }
  }
  // The application-wide handler (the wizard window installs its own while it exists).
  std::function<void(const std::exception&)> OnException;
  // The default display: the standard error box with the message.
  void ShowException(const std::exception& e);

  // Idle processing: refreshes every live action list.
  void Idle();
  void ProcessMessages() { backend_->ProcessMessages(); }
  Size DesktopSize() { return backend_->DesktopSize(); }

  Cursor OverrideCursor() const { return cursor_; }
  void SetOverrideCursor(Cursor cursor);

 private:
  Backend* backend_;
  Cursor cursor_ = Cursor::Default;
};

// Shows the hour-glass for its lifetime and restores the previous cursor, also on error.
class BusyCursor {
 public:
  BusyCursor();
  ~BusyCursor();
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

 private:
  Cursor previous_;
};

}  // namespace ui
