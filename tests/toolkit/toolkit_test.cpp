// Toolkit behaviour that every backend must give the same: clicks reach actions, actions are
// refreshed at idle, timers keep time, modal loops end and close queries are honoured, and
// errors raised by handlers reach the application's handler without stopping the loop.
// Built into unit_tests (headless backend) and win_tests (Win32 backend under Wine).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/action.h"
#include "platform/ui/errors.h"
#include "platform/ui/form.h"
#include "platform/ui/timer.h"
#include "tests/toolkit/toolkit_env.h"

namespace {

// A minimal push button: a press and a release inside it make a click.
class ClickTarget : public ui::Control {
 public:
  using ui::Control::Control;

  void MouseDown(const ui::MouseEvent& e) override {
    pressed_ = e.button == ui::MouseButton::Left;
    ui::Control::MouseDown(e);
  }
  void MouseUp(const ui::MouseEvent& e) override {
    const bool click = pressed_ && ClientRect().Contains(e.pos);
    pressed_ = false;
    ui::Control::MouseUp(e);
    if (click) Click();
  }

 private:
  bool pressed_ = false;
};

class ToolkitTest : public ::testing::Test {
 protected:
  ToolkitTest() {
    form.SetBorderStyle(ui::BorderStyle::None);
    form.SetBounds(80, 60, 320, 160);
    okButton.SetBounds(10, 110, 90, 30);
    okButton.OnClick = [this](ui::Control&) { form.SetModalResult(ui::mrOk); };
    nextButton.SetBounds(110, 110, 90, 30);
    failingButton.SetBounds(210, 110, 90, 30);
  }

  std::unique_ptr<ToolkitEnv> env = MakeToolkitEnv();  // first in, last out: owns the application
  ui::Form form{"TestForm"};
  ClickTarget& okButton = form.Add<ClickTarget>("OkButton");
  ClickTarget& nextButton = form.Add<ClickTarget>("NextButton");
  ClickTarget& failingButton = form.Add<ClickTarget>("FailingButton");
};

// --- actions ---------------------------------------------------------------------------

class ToolkitActionTest : public ToolkitTest {
 protected:
  ToolkitActionTest() {
    actions.OnExecute = [this](ui::Action& action, bool& handled) {
      switch (action.Tag()) {
        case 1:
          executed.push_back(action.Name());
          handled = true;
          break;
        default:
          break;
      }
    };
    actions.OnUpdate = [this](ui::Action& action, bool& handled) {
      switch (action.Tag()) {
        case 1:
          ++updates;
          action.SetEnabled(canGoOn);
          action.SetCaption(canGoOn ? "&Next" : "Wait");
          handled = true;
          break;
        default:
          break;
      }
    };
    nextButton.SetAction(&next);
  }

  ui::ActionList actions;
  ui::Action& next = actions.Add("acNext", 1, "&Next");
  std::vector<std::string> executed;
  bool canGoOn = true;
  int updates = 0;
};

TEST_F(ToolkitActionTest, ClickingTheBoundControlExecutesTheActionWhileItIsEnabled) {
  form.Show();
  env->Click(nextButton);
  EXPECT_EQ(executed, std::vector<std::string>{"acNext"});

  canGoOn = false;
  env->Idle();
  EXPECT_FALSE(nextButton.Enabled());  // the control follows its action
  env->Click(nextButton);
  EXPECT_EQ(executed.size(), 1u) << "a disabled action must not run";
}

TEST_F(ToolkitActionTest, TheModalLoopRefreshesActionsWhenIdleNotBefore) {
  canGoOn = false;
  const int result = env->RunModal(
      form, {[&] {
               EXPECT_GT(updates, 0) << "the loop went idle before the first step";
               EXPECT_FALSE(next.Enabled());
               EXPECT_EQ(nextButton.Caption(), "Wait");
               canGoOn = true;
               EXPECT_FALSE(next.Enabled()) << "state is derived at idle only";
             },
             [&] {
               EXPECT_TRUE(next.Enabled());
               EXPECT_EQ(nextButton.Caption(), "&Next");
               env->Click(nextButton);
               env->Click(okButton);
             }});
  EXPECT_EQ(result, ui::mrOk);
  EXPECT_EQ(executed, std::vector<std::string>{"acNext"});
}

// --- timers ----------------------------------------------------------------------------

TEST_F(ToolkitTest, TimerFiresAfterItsIntervalNotBeforeAndStopsWhenDisabled) {
  ui::Timer timer;
  int fired = 0;
  timer.OnTimer = [&](ui::Timer&) { ++fired; };
  timer.SetInterval(200);
  timer.SetEnabled(true);

  env->Wait(100);
  EXPECT_EQ(fired, 0);
  env->Wait(250);
  EXPECT_GE(fired, 1);

  timer.SetEnabled(false);
  const int afterStop = fired;
  env->Wait(450);
  EXPECT_EQ(fired, afterStop);
}

// --- modal loop and close query --------------------------------------------------------

TEST_F(ToolkitTest, ModalLoopRunsUntilAResultIsSetAndHidesTheForm) {
  const int result = env->RunModal(form, {[&] { EXPECT_TRUE(form.IsModal()); },
                                          [&] { env->Click(okButton); }});
  EXPECT_EQ(result, ui::mrOk);
  EXPECT_FALSE(form.IsModal());
  EXPECT_FALSE(form.Visible());
}

TEST_F(ToolkitTest, CloseQueryCanRefuseAndTheLoopGoesOn) {
  bool allow = false;
  int queries = 0;
  form.OnCloseQuery = [&](ui::Form&, bool& canClose) {
    ++queries;
    canClose = allow;
  };
  const int result = env->RunModal(form, {[&] { env->Click(okButton); },
                                          [&] {
                                            EXPECT_EQ(queries, 1);
                                            EXPECT_TRUE(form.IsModal());
                                            EXPECT_EQ(form.ModalResult(), ui::mrNone);
                                            allow = true;
                                            env->Click(okButton);
                                          }});
  EXPECT_EQ(result, ui::mrOk);
  EXPECT_EQ(queries, 2);
}

TEST_F(ToolkitTest, CloseRequestFromTheFrameEndsAModalFormWithCancel) {
  EXPECT_EQ(env->RunModal(form, [&] { env->RequestClose(form); }), ui::mrCancel);
}

// --- errors ----------------------------------------------------------------------------

TEST_F(ToolkitTest, HandlerErrorsReachTheApplicationHandlerAndTheLoopGoesOn) {
  std::vector<std::string> caught;
  env->app().OnException = [&](const std::exception& e) { caught.push_back(e.what()); };
  failingButton.OnClick = [](ui::Control&) { throw ui::Error("Broken click"); };
  ui::ActionList failingList;
  failingList.Add("acBroken", 7);
  bool breakUpdate = false;
  failingList.OnUpdate = [&](ui::Action&, bool&) {
    if (breakUpdate) {
      breakUpdate = false;
      throw ui::Error("Broken update");
    }
  };

  const int result = env->RunModal(form, {[&] {
                                            env->Click(failingButton);
                                            breakUpdate = true;
                                          },
                                          [&] { env->Click(okButton); }});
  EXPECT_EQ(result, ui::mrOk);
  EXPECT_EQ(caught, (std::vector<std::string>{"Broken click", "Broken update"}));
  EXPECT_TRUE(env->ErrorBoxes().empty()) << "the application's handler replaces the box";
}

TEST_F(ToolkitTest, WithoutAHandlerErrorsShowTheErrorBoxAndAbortShowsNothing) {
  failingButton.OnClick = [](ui::Control&) { throw ui::Abort(); };
  nextButton.OnClick = [](ui::Control&) { throw ui::Error("Broken click"); };

  const int result = env->RunModal(form, {[&] { env->Click(failingButton); },
                                          [&] {
                                            EXPECT_TRUE(env->ErrorBoxes().empty());
                                            env->Click(nextButton);
                                          },
                                          [&] { env->Click(okButton); }});
  EXPECT_EQ(result, ui::mrOk);
  EXPECT_EQ(env->ErrorBoxes(), std::vector<std::string>{"Broken click"});
}

}  // namespace
