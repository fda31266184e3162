#pragma once
// The stand-in for a form's window: it draws nothing, but keeps the hint it was asked to
// show and the rectangles it was asked to repaint, so tests read what a user would see.
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/form.h"

namespace headless {

class HeadlessNativeForm : public ui::NativeForm {
 public:
  explicit HeadlessNativeForm(ui::Form& form) : form_(form) {}
  void Show() override {}
  void Hide() override {}
  void SyncWindow() override {}
  void Invalidate(const ui::Rect& formRect) override {
    if (recording_) invalidated_.push_back(formRect);
  }
  void Update() override {}
  void BringToFront() override {}
  void SetMouseCapture(bool) override {}
  void* Handle() const override { return &form_; }
  void ShowHint(const std::string& text, ui::Point formPoint) override {
    hint_ = text;
    hintPoint_ = formPoint;
  }
  void HideHint() override { hint_.clear(); }
  void NotifyAccessible(ui::AccessibleEvent event, int id) override { events_.emplace_back(event, id); }

  // What screen readers were told, oldest first: the event and the control's id (0: the window).
  std::vector<std::pair<ui::AccessibleEvent, int>>& AccessibleEvents() { return events_; }

  // The hint up now; empty while none is.
  const std::string& Hint() const { return hint_; }
  // Where the mouse was when it was shown, in form coordinates.
  ui::Point HintPoint() const { return hintPoint_; }
  // The rectangles asked to be repainted, in order, since the last ClearInvalidated, which
  // starts the recording (a long benchmark would otherwise keep every one).
  const std::vector<ui::Rect>& Invalidated() const { return invalidated_; }
  void ClearInvalidated() {
    invalidated_.clear();
    recording_ = true;
  }

  // The stand-in behind a form shown on the headless backend.
  static HeadlessNativeForm& Of(const ui::Form& form) {
    return static_cast<HeadlessNativeForm&>(*form.Native());
  }

 private:
  ui::Form& form_;
  std::string hint_;
  ui::Point hintPoint_;
  std::vector<std::pair<ui::AccessibleEvent, int>> events_;
  std::vector<ui::Rect> invalidated_;
  bool recording_ = false;
};

}  // namespace headless
