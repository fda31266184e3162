// One whole run through RunTutorial: results, the host reference, the thread's wizard.
#include "Tutorial/Main.h"
#include "tests/unit/fake_host.h"
#include "tests/unit/wizard_fixture.h"

using tutorial::ActiveWizard;
using tutorial::RunTutorial;

class LaunchTest : public WizardTest {
 protected:
  host::TZndrAppData Record() {
    host::TZndrAppData data{};
    data.HostApplication = &hostApp;
    data.MainForm = &mainForm;
    // Slots the host fills and the assistant never reads.
    data.Unused1 = reinterpret_cast<void*>(0x1234);
    data.Unused3[0] = data.Unused3[1] = data.Unused3[2] = reinterpret_cast<void*>(0xDEAD);
    return data;
  }
  bool Run(std::function<void(tutorial::TfmMain&)> user) {
    backend.AnswerNextModal([user](ui::Form& form) {
      auto& wizard = static_cast<tutorial::TfmMain&>(form);
      EXPECT_EQ(ActiveWizard(), &wizard);
      EXPECT_EQ(wizard.GetMainForm(), &mainFormRef());
      user(wizard);
    });
    return RunTutorial(Record(), folder.string() + "/host.exe");
  }
  static FakeMainForm& mainFormRef();

  host::TZndrHostApplication hostApp{nullptr, nullptr};
  static inline FakeMainForm mainForm;
};

FakeMainForm& LaunchTest::mainFormRef() { return mainForm; }

TEST_F(LaunchTest, ExitReturnsTrueAndEveryOtherEndingFalse) {
  EXPECT_TRUE(Run([](tutorial::TfmMain& w) { w.acExit->Execute(); }));
  EXPECT_EQ(ActiveWizard(), nullptr);
  EXPECT_EQ(mainForm.references, 0) << "the window's reference to the host must be released";

  EXPECT_FALSE(Run([](tutorial::TfmMain& w) {
    w.GoToStep(21);
    w.acNext->Execute();  // "&Finish" on the last step closes the window
  }));
  EXPECT_EQ(Registry("LastPage"), "21");

  backend.AnswerNextModal(ui::mrNo);  // step 21 reached with no company: start over is declined
  EXPECT_FALSE(Run([](tutorial::TfmMain& w) { w.Close(); }));
  EXPECT_EQ(ActiveWizard(), nullptr);
}

TEST_F(LaunchTest, CancellingTheCloseQuestionKeepsTheRunGoing) {
  bool answeredQuestion = false;
  const bool result = Run([&](tutorial::TfmMain& w) {
    w.GoToStep(3);
    w.PageOf(3)->Find<ui::Edit>("EditName1")->UserChangedText("Acme");
    backend.AnswerNextModal(ui::mrCancel);  // the close question
    w.acExit->Execute();
    // The loop asks, is refused, and needs one more answer from the user: Exit, then No.
    backend.AnswerNextModal([&](ui::Form& form) {
      answeredQuestion = true;
      auto& wizard = static_cast<tutorial::TfmMain&>(form);
      backend.AnswerNextModal(ui::mrNo);
      wizard.acExit->Execute();
    });
  });
  EXPECT_TRUE(answeredQuestion);
  EXPECT_TRUE(result);
}
