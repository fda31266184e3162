#include "platform/ui/windowed_control.h"

#include "platform/ui/application.h"
#include "platform/ui/form.h"

namespace ui {

WindowedControl::~WindowedControl() = default;

bool WindowedControl::Focused() {
  Form* form = GetForm();
  return form && form->ActiveControl() == this;
}

void WindowedControl::SetFocus() {
  if (Form* form = GetForm()) form->SetActiveControl(this);
}

void WindowedControl::DoEnter() {
  if (OnEnter) OnEnter(*this);
}

void WindowedControl::DoExit() {
  if (OnExit) OnExit(*this);
}

void WindowedControl::Realize() {
  if (native_) return;
  native_ = Application::Instance().GetBackend().CreateNativeControl(*this);
}

void WindowedControl::AttachedToForm(Form& form) {
  if (form.IsRealized()) Realize();
}

void WindowedControl::DetachingFromForm(Form&) { native_.reset(); }

}  // namespace ui
