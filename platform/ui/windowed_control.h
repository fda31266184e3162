#pragma once
// Controls realised as native child windows of their form (edits, check boxes, combo
// boxes). The control object is the source of truth; the backend reports user changes back
// through the User* methods, and a programmatic change never raises the user-change event.
#include <functional>
#include <memory>

#include "platform/ui/control.h"
#include "platform/ui/key.h"

namespace ui {

// What changed on the model, for the native window to apply.
enum SyncFlags : unsigned {
  syncBounds = 1,
  syncVisible = 2,
  syncEnabled = 4,
  syncText = 8,
  syncFont = 16,
  syncColor = 32,
  syncState = 64,  // kind-specific: max length, read-only, checked, items, selection
  syncAll = 0xFF,
};

class NativeControl {
 public:
  virtual ~NativeControl() = default;
  // Applies the model's state; must not report it back as a user change.
  virtual void Sync(unsigned what) = 0;
  virtual void Focus() = 0;
};

enum class Notify { No, Yes };

class WindowedControl : public Control {
 public:
  // Windowed controls are tab stops unless told otherwise.
  explicit WindowedControl(std::string name = {}) : Control(std::move(name)) { SetTabStop(true); }
  ~WindowedControl() override;

  bool IsWindowed() const override { return true; }
  AccessibleRole GetAccessibleRole() const override { return AccessibleRole::Native; }
  NativeControl* Native() const { return native_.get(); }

  bool Focused();
  void SetFocus();
  // A control that uses `key` itself in its present state (a dropped list closes on Enter
  // and Escape) keeps it from the form.
  virtual bool UsesKey(Key) const { return false; }

  std::function<void(Control&)> OnEnter;
  std::function<void(Control&)> OnExit;

  // Called by the form when the focus arrives or leaves.
  virtual void DoEnter();
  virtual void DoExit();

  // Creates the native window when the form is realised (no-op on a headless backend).
  void Realize();

 protected:
  void SyncNative(unsigned what) {
    if (native_) native_->Sync(what);
  }
  void BoundsChanged() override { SyncNative(syncBounds); }
  void ShowingChanged() override { SyncNative(syncVisible | syncBounds); }
  void EnabledChanged() override { SyncNative(syncEnabled); }
  void TextChanged() override { SyncNative(syncText); }
  void FontChanged() override { SyncNative(syncFont); }
  void ColorChanged() override { SyncNative(syncColor); }
  void AttachedToForm(Form& form) override;
  void DetachingFromForm(Form& form) override;

 private:
  std::unique_ptr<NativeControl> native_;
};

}  // namespace ui
