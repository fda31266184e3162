#pragma once
// A pair of arrows, one above the other, that steps a numeric table field up or down by
// Increment. It is tied to a data-bound edit (FocusControl): a step puts the edit's record
// into edit mode, adds or subtracts Increment and stores the result, refusing silently to
// pass the field's minimum or maximum. Holding an arrow repeats the step.
#include <cstdint>
#include <functional>
#include <memory>

#include "components/ButtonController.h"
#include "platform/ui/picture.h"
#include "platform/ui/timer.h"
#include "platform/ui/windowed_control.h"

namespace ui {
class DBEdit;
}

namespace components {

enum TSpinFlag : unsigned { sfFocusFrame = 1, sfAutoRepeat = 2 };

// One arrow: a windowless push button with a glyph, drawn raised and sunk while held, that
// clicks again and again while the pointer is held on it (sfAutoRepeat) and can show the
// focus frame of its spin button (sfFocusFrame).
class TTimerSpeedButton : public ui::Control {
 public:
  static constexpr int kFirstRepeat = 400;  // ms from the press to the first repeated click
  static constexpr int kRepeat = 100;       // ms between the following ones

  explicit TTimerSpeedButton(std::string name = {});
  ~TTimerSpeedButton() override;

  unsigned SpinFlags() const { return FSpinFlags; }
  void SetSpinFlags(unsigned flags);
  const ui::Picture& Glyph() const { return glyph_; }
  void SetGlyph(ui::Picture glyph);
  // Drawn pressed: the left button is held and the pointer is on the arrow.
  bool Down() const { return controller_.Pressed() && controller_.PointerInside(); }
  // The repeat timer, once the arrow has been pressed (for tests).
  const ui::Timer* AutoRepeatTimer() const { return FAutoRepeatTimer.get(); }

  void Paint(ui::Canvas& canvas) const override;
  void MouseEnter() override;
  void MouseLeave() override;
  void MouseDown(const ui::MouseEvent& e) override;
  void MouseMove(const ui::MouseEvent& e) override;
  void MouseUp(const ui::MouseEvent& e) override;

 private:
  void TimerExpired();

  ButtonController controller_{*this};
  std::unique_ptr<ui::Timer> FAutoRepeatTimer;
  unsigned FSpinFlags = 0;
  ui::Picture glyph_;
};

// The spin button. It keeps the focus model of a windowed control (TabStop, focus frame,
// keys) but paints on its page like a windowless one: the arrows are ordinary hit-tested
// children.
class TDBSpinButton : public ui::WindowedControl {
 public:
  // Virtual-key codes KeyDown answers.
  static constexpr int kKeySpace = 0x20, kKeyUp = 0x26, kKeyDown = 0x28;

  explicit TDBSpinButton(std::string name = {});

  bool IsWindowed() const override { return false; }

  // The edit whose field is stepped; not owned, it must outlive the spin button.
  ui::DBEdit* FocusControl() const { return FFocusControl; }
  void SetFocusControl(ui::DBEdit* edit) { FFocusControl = edit; }
  double Increment() const { return FIncrement; }
  void SetIncrement(double increment) { FIncrement = increment; }
  // An empty picture loads the built-in arrow ("DBSpinUp.bmp", "DBSpinDown.bmp").
  const ui::Picture& UpGlyph() const { return FUpButton->Glyph(); }
  void SetUpGlyph(ui::Picture glyph);
  const ui::Picture& DownGlyph() const { return FDownButton->Glyph(); }
  void SetDownGlyph(ui::Picture glyph);

  TTimerSpeedButton& UpButton() const { return *FUpButton; }
  TTimerSpeedButton& DownButton() const { return *FDownButton; }
  TTimerSpeedButton& FocusedButton() const { return *FFocusedButton; }

  // Space clicks the focused arrow; the arrow keys move the focus frame and click.
  void KeyDown(int key);
  void DoEnter() override;
  void DoExit() override;

  // Raised after every step, also after one refused at a limit.
  std::function<void(TDBSpinButton&)> OnUpClick;
  std::function<void(TDBSpinButton&)> OnDownClick;

 protected:
  void BoundsChanged() override;

 private:
  TTimerSpeedButton& CreateArrow(const char* name);
  void ArrowClick(TTimerSpeedButton& arrow);
  void ArrowMouseDown(TTimerSpeedButton& arrow, const ui::MouseEvent& e);
  // Adds or subtracts Increment on the bound field; ui::Abort past a limit.
  void Step(bool up);
  void MoveFocusFrame(TTimerSpeedButton& arrow);
  bool CanTakeFocus() const { return IsShowing() && Enabled(); }

  TTimerSpeedButton* FUpButton = nullptr;
  TTimerSpeedButton* FDownButton = nullptr;
  TTimerSpeedButton* FFocusedButton = nullptr;
  ui::DBEdit* FFocusControl = nullptr;
  double FIncrement = 1.0;
};

}  // namespace components
