// The toolkit behaviour tests on the headless backend.
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/headless/headless_backend.h"
#include "tests/toolkit/toolkit_env.h"

namespace {

class HeadlessToolkitEnv : public ToolkitEnv {
 public:
  ui::Application& app() override { return app_; }

  void Click(ui::Control& control) override {
    ui::Form* form = control.GetForm();
    ASSERT_NE(form, nullptr) << control.Name() << " is not on a form";
    const ui::Rect r = control.FormBounds();
    const ui::Point centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    // Each event is dispatched on its own, through the application's handler, as a
    // backend's window procedure does.
    app_.Guard([&] { form->HandleMouseMove(centre); });
    app_.Guard([&] { form->HandleMouseDown(ui::MouseButton::Left, centre); });
    app_.Guard([&] { form->HandleMouseUp(ui::MouseButton::Left, centre); });
  }

  void RequestClose(ui::Form& form) override {
    app_.Guard([&] { form.Close(); });
  }

  void Idle() override { app_.Idle(); }

  void Wait(int milliseconds) override { backend_.Advance(milliseconds); }

  int RunModal(ui::Form& form, std::vector<Step> steps) override {
    const size_t before = backend_.PendingAnswers();
    for (auto& step : steps) backend_.AnswerNextModal([step](ui::Form&) { step(); });
    int result = ui::mrNone;
    try {
      result = form.ShowModal();
    } catch (const std::logic_error& e) {
      ADD_FAILURE() << e.what();  // open after the last step
    }
    if (backend_.PendingAnswers() != before)
      ADD_FAILURE() << "\"" << form.Name() << "\" closed with steps left unrun";
    return result;
  }

  std::vector<std::string> ErrorBoxes() override { return backend_.ErrorBoxes(); }

 private:
  headless::HeadlessBackend backend_;
  ui::Application app_{backend_};
};

}  // namespace

std::unique_ptr<ToolkitEnv> MakeToolkitEnv() { return std::make_unique<HeadlessToolkitEnv>(); }
