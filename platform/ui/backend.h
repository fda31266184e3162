#pragma once
// What a backend provides to the toolkit: native windows, the message loop, timers, the
// desktop and the error box. Win32 realises them for real; headless simulates them.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/ui/color.h"
#include "platform/ui/geometry.h"
#include "platform/ui/mouse.h"

namespace ui {

class Form;
class NativeControl;
class NativeForm;
class Timer;
class WindowedControl;

class Backend {
 public:
  virtual ~Backend() = default;

  virtual std::unique_ptr<NativeForm> CreateNativeForm(Form& form) = 0;
  // Returns nullptr for controls the backend does not realise.
  virtual std::unique_ptr<NativeControl> CreateNativeControl(WindowedControl& control) = 0;

  // Runs the modal loop of `form` until its modal result is non-zero and its close query
  // agrees (Form::CanClose), dispatching messages and calling Application::Idle when idle.
  virtual void RunModalLoop(Form& form) = 0;
  // Dispatches the pending messages, then returns.
  virtual void ProcessMessages() = 0;

  virtual void StartTimer(Timer& timer) = 0;
  virtual void StopTimer(Timer& timer) = 0;

  // The whole area of all monitors, in design pixels (device pixels over the screen's scale).
  virtual Size DesktopSize() = 0;
  // The size the application's windows are designed for: a screen whose scale would make it
  // larger than the work area is drawn at a smaller scale, so that the design fits.
  virtual void SetDesignSize(Size design) { (void)design; }
  // The platform's standard error box, modal, with the message.
  virtual void ShowErrorBox(const std::string& message) = 0;
  // The cursor shown everywhere while not Default (the hour-glass during host calls).
  virtual void SetOverrideCursor(Cursor cursor) = 0;
  virtual Color ResolveColor(Color color) { return DefaultSystemColor(color); }
  // Sends a message to a window of the host process and waits for its answer; 0 when there
  // is no window to ask.
  virtual intptr_t SendHostMessage(void* window, unsigned message, uintptr_t wparam,
                                   intptr_t lparam) {
    (void)window, (void)message, (void)wparam, (void)lparam;
    return 0;
  }
};

}  // namespace ui
