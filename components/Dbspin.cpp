#include "components/Dbspin.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/data/data_error.h"
#include "platform/data/ensure_edit_mode.h"
#include "platform/data/field.h"
#include "platform/data/table.h"
#include "platform/data/value.h"
#include "platform/os/resources.h"
#include "platform/ui/canvas.h"
#include "platform/ui/db_edit.h"
#include "platform/ui/errors.h"
#include "platform/ui/resource_picture.h"
#include "platform/ui/form.h"

namespace components {
namespace {

ui::Picture ResourceGlyph(const char* name) {
  return ui::LoadResourcePicture(name);
}

// The field's value as a number; an empty field counts as 0.
double NumberOf(const data::Field& field) {
  if (field.Kind() == data::FieldKind::Integer) return field.AsInteger();
  const std::string text = field.AsString();
  if (text.find_first_not_of(' ') == std::string::npos) return 0;
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (end == text.c_str() || std::string(end).find_first_not_of(' ') != std::string::npos)
    throw ui::Error("'" + text + "' is not a valid floating point value for field '" +
                    field.Name() + "'");
  return value;
}

// Stores `value` as the field's own kind, which applies the field's own checks.
void Store(data::Field& field, double value) {
  char text[64];
  if (field.Kind() == data::FieldKind::Integer) {
    std::snprintf(text, sizeof text, "%.0f", std::round(value));
    // A number beyond 32 bits gets the field's own refusal.
    field.SetAsInteger(data::ParseInteger(text, field.Name()));
  } else {
    std::snprintf(text, sizeof text, "%.15g", value);
    field.SetEditText(text);
  }
}

}  // namespace

// --- TTimerSpeedButton ---

TTimerSpeedButton::TTimerSpeedButton(std::string name) : ui::Control(std::move(name)) {
  SetColor(ui::clBtnFace);
}

TTimerSpeedButton::~TTimerSpeedButton() = default;

void TTimerSpeedButton::SetSpinFlags(unsigned flags) {
  if (flags == FSpinFlags) return;
  FSpinFlags = flags;
  Invalidate();
}

void TTimerSpeedButton::SetGlyph(ui::Picture glyph) {
  glyph_ = std::move(glyph);
  Invalidate();
}

void TTimerSpeedButton::Paint(ui::Canvas& canvas) const {
  const ui::Rect r = ClientRect();
  const bool down = Down();
  canvas.FillRect(r, GetColor());
  // Raised edges, sunk while held: light above and left, dark below and right.
  const ui::Color topLeft = down ? ui::clBtnShadow : ui::clBtnHighlight;
  const ui::Color bottomRight = down ? ui::clBtnHighlight : ui::clBtnShadow;
  canvas.FillRect({r.left, r.top, r.right, r.top + 1}, topLeft);
  canvas.FillRect({r.left, r.top, r.left + 1, r.bottom}, topLeft);
  canvas.FillRect({r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
  canvas.FillRect({r.right - 1, r.top, r.right, r.bottom}, bottomRight);
  const int shift = down ? 1 : 0;
  if (!glyph_.IsEmpty()) {
    const ui::Point at{(r.Width() - glyph_.Width()) / 2 + shift,
                       (r.Height() - glyph_.Height()) / 2 + shift};
    if (Enabled())
      canvas.DrawPicture(glyph_, at);
    else
      canvas.DrawPicture(glyph_.Greyed(), at);
  }
  if (FSpinFlags & sfFocusFrame) {
    const ui::Rect frame = r.Inflate(-3).Offset(shift, shift);
    canvas.Rectangle(frame, {ui::clWindowText, 1}, {ui::clWhite, true});
  }
}

void TTimerSpeedButton::MouseEnter() { controller_.MouseEnter(); }
void TTimerSpeedButton::MouseLeave() { controller_.MouseLeave(); }

void TTimerSpeedButton::MouseDown(const ui::MouseEvent& e) {
  controller_.MouseDown(e);
  ui::Control::MouseDown(e);
  if (!(FSpinFlags & sfAutoRepeat) || !controller_.Pressed()) return;
  if (!FAutoRepeatTimer) {
    FAutoRepeatTimer = std::make_unique<ui::Timer>();
    FAutoRepeatTimer->OnTimer = [this](ui::Timer&) { TimerExpired(); };
  }
  FAutoRepeatTimer->SetEnabled(false);
  FAutoRepeatTimer->SetInterval(kFirstRepeat);
  FAutoRepeatTimer->SetEnabled(true);
}

void TTimerSpeedButton::MouseMove(const ui::MouseEvent& e) {
  const bool wasDown = Down();
  controller_.MouseMove(e);
  ui::Control::MouseMove(e);
  if (Down() != wasDown) Invalidate();
}

void TTimerSpeedButton::MouseUp(const ui::MouseEvent& e) {
  // The release click may be refused (a limit): the repeat ends in any case.
  struct StopRepeat {
    ui::Timer* timer;
    ~StopRepeat() {
      if (timer) timer->SetEnabled(false);
    }
  } stop{FAutoRepeatTimer.get()};
  ui::Control::MouseUp(e);
  controller_.MouseUp(e);
}

void TTimerSpeedButton::TimerExpired() {
  FAutoRepeatTimer->SetInterval(kRepeat);
  const ui::Form* form = GetForm();
  if (!Down() || (form && !form->MouseCaptured())) return;
  try {
    Click();
  } catch (...) {
    FAutoRepeatTimer->SetEnabled(false);
    throw;
  }
}

// --- TDBSpinButton ---

TDBSpinButton::TDBSpinButton(std::string name) : ui::WindowedControl(std::move(name)) {
  SetTabStop(false);
  FUpButton = &CreateArrow("UpButton");
  FDownButton = &CreateArrow("DownButton");
  SetUpGlyph({});
  SetDownGlyph({});
  FFocusedButton = FUpButton;
  SetBounds(0, 0, 20, 25);
}

TTimerSpeedButton& TDBSpinButton::CreateArrow(const char* name) {
  auto& arrow = Add<TTimerSpeedButton>(name);
  arrow.SetSpinFlags(sfAutoRepeat);
  arrow.OnClick = [this](ui::Control& c) { ArrowClick(static_cast<TTimerSpeedButton&>(c)); };
  arrow.OnMouseDown = [this](ui::Control& c, const ui::MouseEvent& e) {
    ArrowMouseDown(static_cast<TTimerSpeedButton&>(c), e);
  };
  return arrow;
}

void TDBSpinButton::SetUpGlyph(ui::Picture glyph) {
  FUpButton->SetGlyph(glyph.IsEmpty() ? ResourceGlyph("DBSpinUp.bmp") : std::move(glyph));
}

void TDBSpinButton::SetDownGlyph(ui::Picture glyph) {
  FDownButton->SetGlyph(glyph.IsEmpty() ? ResourceGlyph("DBSpinDown.bmp") : std::move(glyph));
}

void TDBSpinButton::BoundsChanged() {
  ui::WindowedControl::BoundsChanged();
  if (!FUpButton || !FDownButton) return;
  if (Width() < 15) {
    SetBounds(Left(), Top(), 15, Height());  // comes back here with the fitted width
    return;
  }
  // The arrows share one pixel row.
  const int upper = Height() / 2;
  FUpButton->SetBounds(0, 0, Width(), upper);
  FDownButton->SetBounds(0, upper - 1, Width(), Height() - upper + 1);
}

void TDBSpinButton::ArrowClick(TTimerSpeedButton& arrow) {
  const bool up = &arrow == FUpButton;
  auto raise = [&] {
    auto& handler = up ? OnUpClick : OnDownClick;
    if (handler) handler(*this);
  };
  try {
    Step(up);
  } catch (...) {
    raise();
    throw;
  }
  raise();
}

void TDBSpinButton::Step(bool up) {
  if (!FFocusControl) return;
  data::Table* table = FFocusControl->DataSource();
  if (!table || !table->Active()) return;
  data::Field* field = FFocusControl->DataFieldObject();
  if (!field) return;
  data::EnsureEditMode(*table);
  double low = 0, high = 0;
  if (field->Kind() == data::FieldKind::Integer) {
    low = field->MinValue().value_or(0);
    high = field->MaxValue().value_or(0);
  }
  // A range of 0 to 0 means none.
  const bool limited = low != 0 || high != 0;
  const double value = NumberOf(*field) + (up ? FIncrement : -FIncrement);
  if (limited && (up ? value > high : value < low)) throw ui::Abort();
  Store(*field, value);
}

void TDBSpinButton::ArrowMouseDown(TTimerSpeedButton& arrow, const ui::MouseEvent& e) {
  if (e.button != ui::MouseButton::Left) return;
  MoveFocusFrame(arrow);
  ui::DBEdit* edit = FFocusControl;
  if (edit && edit->TabStop() && edit->IsShowing() && edit->Enabled() && !edit->Focused())
    edit->SetFocus();
  else if (TabStop() && !Focused() && CanTakeFocus())
    SetFocus();
}

void TDBSpinButton::MoveFocusFrame(TTimerSpeedButton& arrow) {
  if (!TabStop() || !CanTakeFocus() || &arrow == FFocusedButton) return;
  FFocusedButton->SetSpinFlags(FFocusedButton->SpinFlags() & ~sfFocusFrame);
  FFocusedButton = &arrow;
  if (Focused()) {
    arrow.SetSpinFlags(arrow.SpinFlags() | sfFocusFrame);
    Invalidate();
  }
}

void TDBSpinButton::KeyDown(int key) {
  switch (key) {
    case kKeySpace:
      FFocusedButton->Click();
      break;
    case kKeyUp:
      MoveFocusFrame(*FUpButton);
      FUpButton->Click();
      break;
    case kKeyDown:
      MoveFocusFrame(*FDownButton);
      FDownButton->Click();
      break;
    default:
      break;
  }
}

void TDBSpinButton::DoEnter() {
  FFocusedButton->SetSpinFlags(FFocusedButton->SpinFlags() | sfFocusFrame);
  ui::WindowedControl::DoEnter();
}

void TDBSpinButton::DoExit() {
  FFocusedButton->SetSpinFlags(FFocusedButton->SpinFlags() & ~sfFocusFrame);
  ui::WindowedControl::DoExit();
}

}  // namespace components
