#include "platform/headless/headless_backend.h"

#include <algorithm>
#include <stdexcept>

#include "platform/headless/headless_native_form.h"
#include "platform/ui/application.h"
#include "platform/ui/form.h"
#include "platform/ui/timer.h"

namespace headless {

std::unique_ptr<ui::NativeForm> HeadlessBackend::CreateNativeForm(ui::Form& form) {
  return std::make_unique<HeadlessNativeForm>(form);
}

void HeadlessBackend::RunModalLoop(ui::Form& form) {
  ui::Application& app = ui::Application::Instance();
  app.Idle();
  for (;;) {
    if (form.ModalResult() != ui::mrNone) {
      if (form.CanClose()) return;
      form.SetModalResult(ui::mrNone);
    }
    if (answers_.empty())
      throw std::logic_error("modal window \"" + form.Name() + "\" left open with no scripted answer");
    ModalAnswer answer = std::move(answers_.front());
    answers_.pop_front();
    app.Guard([&] { answer(form); });
    app.Idle();
  }
}

void HeadlessBackend::AnswerNextModal(int result) {
  AnswerNextModal([result](ui::Form& form) { form.SetModalResult(result); });
}

void HeadlessBackend::ProcessMessages() {
  while (!posted_.empty()) {
    std::function<void()> message = std::move(posted_.front());
    posted_.pop_front();
    ui::Application::Instance().Guard([&] { message(); });
  }
}

void HeadlessBackend::StartTimer(ui::Timer& timer) {
  StopTimer(timer);
  timers_.push_back({&timer, now_ + timer.Interval(), nextOrder_++});
}

void HeadlessBackend::StopTimer(ui::Timer& timer) {
  std::erase_if(timers_, [&](const TimerEntry& e) { return e.timer == &timer; });
}

void HeadlessBackend::Advance(int milliseconds) {
  const int64_t end = now_ + milliseconds;
  for (;;) {
    ProcessMessages();
    auto next = std::min_element(timers_.begin(), timers_.end(), [](const auto& a, const auto& b) {
      return a.due != b.due ? a.due < b.due : a.order < b.order;
    });
    if (next == timers_.end() || next->due > end) break;
    now_ = next->due;
    ui::Timer* timer = next->timer;
    next->due += std::max(1, timer->Interval());
    next->order = nextOrder_++;
    timer->Fire();  // may stop, restart or destroy the timer
  }
  now_ = end;
  ProcessMessages();
  ui::Application::Instance().Idle();
}

RecordingCanvas HeadlessBackend::Paint(ui::Form& form) {
  RecordingCanvas canvas;
  form.PaintAll(canvas);
  return canvas;
}

}  // namespace headless
