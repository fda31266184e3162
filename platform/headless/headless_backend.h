#pragma once
// The test backend: no screen, a virtual clock, scripted answers to modal windows and a log
// of error boxes. Forms get a native stand-in that tracks showing, invalid areas and capture.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/headless/recording_canvas.h"
#include "platform/ui/backend.h"

namespace ui {
class Form;
}

namespace headless {

class HeadlessBackend : public ui::Backend {
 public:
  using ModalAnswer = std::function<void(ui::Form&)>;

  std::unique_ptr<ui::NativeForm> CreateNativeForm(ui::Form& form) override;
  std::unique_ptr<ui::NativeControl> CreateNativeControl(ui::WindowedControl&) override {
    return nullptr;
  }
  // Answers the modal form with the scripted answers, in order; a form left open with no
  // answer to give fails the test with std::logic_error rather than hang.
  void RunModalLoop(ui::Form& form) override;
  // Dispatches the posted messages in order, also those posted while dispatching.
  void ProcessMessages() override;
  void StartTimer(ui::Timer& timer) override;
  void StopTimer(ui::Timer& timer) override;
  ui::Size DesktopSize() override { return desktop_; }
  void ShowErrorBox(const std::string& message) override { errors_.push_back(message); }
  void SetOverrideCursor(ui::Cursor cursor) override { cursorChanges_.push_back(cursor); }

  // Queues a message for the next ProcessMessages or Advance (what a posted window message is).
  void Post(std::function<void()> message) { posted_.push_back(std::move(message)); }
  size_t PendingMessages() const { return posted_.size(); }

  // --- test controls ---
  void SetDesktopSize(ui::Size size) { desktop_ = size; }
  // Advances the virtual clock, firing due timers in order and dispatching posted messages,
  // then runs idle processing.
  void Advance(int milliseconds);
  int64_t Now() const { return now_; }
  // The next modal form is handed to `answer`, which may click its buttons or set its result.
  void AnswerNextModal(ModalAnswer answer) { answers_.push_back(std::move(answer)); }
  // Shorthand: the next modal form ends with `result`.
  void AnswerNextModal(int result);
  size_t PendingAnswers() const { return answers_.size(); }
  const std::vector<std::string>& ErrorBoxes() const { return errors_; }
  void ClearErrorBoxes() { errors_.clear(); }
  const std::vector<ui::Cursor>& CursorChanges() const { return cursorChanges_; }
  // Paints a form onto a fresh recording canvas.
  RecordingCanvas Paint(ui::Form& form);

 private:
  struct TimerEntry {
    ui::Timer* timer;
    int64_t due;
    uint64_t order;
  };

  ui::Size desktop_{1024, 768};
  int64_t now_ = 0;
  uint64_t nextOrder_ = 0;
  std::vector<TimerEntry> timers_;
  std::deque<ModalAnswer> answers_;
  std::deque<std::function<void()>> posted_;
  std::vector<std::string> errors_;
  std::vector<ui::Cursor> cursorChanges_;
};

}  // namespace headless
