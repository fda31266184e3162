#pragma once
// The screen reader's view of one form window (Microsoft Active Accessibility): the window
// answers WM_GETOBJECT for its client area with an object whose children are read from the
// control tree on every call (ui/accessible.h). Objects handed out outlive the window
// harmlessly: once it is gone they answer that they are disconnected.
#include "platform/win32/windows_api.h"

#include <memory>

#include "platform/ui/accessible_role.h"

namespace ui {
class Form;
}

namespace win32 {

struct AccessibleLink;

class FormAccessibility {
 public:
  FormAccessibility(HWND window, ui::Form& form);
  ~FormAccessibility();
  FormAccessibility(const FormAccessibility&) = delete;
  FormAccessibility& operator=(const FormAccessibility&) = delete;

  // WM_GETOBJECT: true with `result` set when the client area was asked for.
  bool GetObject(WPARAM wparam, LPARAM lparam, LRESULT& result);
  // The default action arrives posted (a screen reader's call must return before a button
  // opens a modal dialog): true when `message` was one.
  bool HandlePosted(UINT message, WPARAM wparam);
  // Tells listening screen readers; `id` is a control's AccessibleId, 0 the window.
  void Notify(ui::AccessibleEvent event, int id);

 private:
  HWND window_;
  std::shared_ptr<AccessibleLink> link_;
};

}  // namespace win32
