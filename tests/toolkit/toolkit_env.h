#pragma once
// Where the toolkit behaviour tests run: once on the headless backend (unit_tests: virtual
// clock, scripted modal loop) and once on the Win32 backend (win_tests under Wine: real
// windows, real mouse messages, real time). Each test makes its own environment, which
// owns the application; forms made by a test must go before it.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/application.h"
#include "platform/ui/control.h"
#include "platform/ui/form.h"

class ToolkitEnv {
 public:
  using Step = std::function<void()>;

  virtual ~ToolkitEnv() = default;

  virtual ui::Application& app() = 0;

  // A left click at the centre of a control of a shown form, delivered as the platform
  // delivers it (Win32: mouse messages to the form's window; headless: the form's input).
  virtual void Click(ui::Control& control) = 0;
  // A close request from the window's frame (Win32: WM_CLOSE).
  virtual void RequestClose(ui::Form& form) = 0;
  // Handles what is pending, then lets the application go idle once.
  virtual void Idle() = 0;
  // Lets `milliseconds` pass with timers running (headless: the virtual clock; Win32: real
  // time with the messages pumped), then goes idle.
  virtual void Wait(int milliseconds) = 0;
  // Shows `form` modally and returns its modal result. Each step runs in its own turn of the
  // modal loop, after the loop went idle, in order. The form must end with the last step:
  // a form still open then, or a step left unrun, fails the test.
  virtual int RunModal(ui::Form& form, std::vector<Step> steps) = 0;
  int RunModal(ui::Form& form, Step whileOpen) {
    return RunModal(form, std::vector<Step>{std::move(whileOpen)});
  }
  // The messages of the standard error boxes shown so far (Win32: the boxes are real and
  // are dismissed as they appear).
  virtual std::vector<std::string> ErrorBoxes() = 0;
};

std::unique_ptr<ToolkitEnv> MakeToolkitEnv();
