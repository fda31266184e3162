// The wizard window: step rules, resume, page life cycle, close question, layout.
#include <vector>

#include "Tutorial/AssPblcVars.h"
#include "Tutorial/ContSheet.h"
#include "Tutorial/MsgForm.h"
#include "platform/data/table.h"
#include "platform/os/error.h"
#include "platform/ui/errors.h"
#include "platform/ui/image.h"
#include "tests/unit/wizard_fixture.h"

using tutorial::TfmContentSheet;
using tutorial::TfmMain;

namespace {

// Records the hooks the window calls, in order, across instances.
std::vector<std::string> g_hooks;

class RecordingPage : public TfmContentSheet {
 public:
  explicit RecordingPage(TfmMain& owner) : TfmContentSheet(owner) { g_hooks.push_back("create"); }
  ~RecordingPage() override { g_hooks.push_back("free"); }
  void FirstVisit() override {
    g_hooks.push_back("first-visit");
    TfmContentSheet::FirstVisit();
  }
  void PageEnter() override {
    g_hooks.push_back(JustCreated() ? "enter-new" : "enter");
    TfmContentSheet::PageEnter();
  }
  void PageLeave() override {
    g_hooks.push_back("leave");
    TfmContentSheet::PageLeave();
  }
};

std::unique_ptr<TfmContentSheet> MakeRecordingPage(TfmMain& owner) {
  return std::make_unique<RecordingPage>(owner);
}

}  // namespace

TEST_F(WizardTest, CreationStepsEnableNextFromTheTextOfTheirEdits) {
  TfmMain& w = Open();
  EXPECT_EQ(w.CurrentStep(), 1);
  EXPECT_TRUE(NextEnabled());
  EXPECT_FALSE(PreviousEnabled());
  EXPECT_FALSE(w.acHome->Enabled());
  EXPECT_EQ(w.Caption(), "Company set-up - step 1 of 21");

  Next();
  ASSERT_EQ(w.CurrentStep(), 2);
  EXPECT_FALSE(NextEnabled());
  EXPECT_TRUE(w.acHome->Enabled());
  Type("EditCompPath", "C");
  EXPECT_TRUE(NextEnabled());
  Type("EditCompPath", "");
  EXPECT_FALSE(NextEnabled());
  Type("EditCompPath", "/data/Z2KData1.gdb");

  Next();
  ASSERT_EQ(w.CurrentStep(), 3);
  EXPECT_FALSE(NextEnabled());
  Type("EditName1", "Acme Trading");
  EXPECT_TRUE(NextEnabled());

  Next();
  ASSERT_EQ(w.CurrentStep(), 4);
  EXPECT_TRUE(NextEnabled()) << "the defaults fill both";
  Type("EditPeriods", "");
  EXPECT_FALSE(NextEnabled());
  Type("EditPeriods", "12");
  EXPECT_TRUE(NextEnabled());
  Type("EditFiscYear", "");
  EXPECT_FALSE(NextEnabled());
  Type("EditFiscYear", "2026");

  Next();
  ASSERT_EQ(w.CurrentStep(), 5);
  EXPECT_FALSE(NextEnabled());
  EXPECT_EQ(w.acNext->Caption(), "&Finish");
  EXPECT_EQ(w.zsbNext->Caption(), "&Finish");

  // Leaving step 5 without the host's creation posts what was typed, not created.
  Previous();
  EXPECT_EQ(w.CurrentStep(), 4);
  EXPECT_EQ(w.acNext->Caption(), "&Next ");
  data::Table& company = w.MainData().Company;
  EXPECT_EQ(company.State(), data::TableState::Browse);
  EXPECT_FALSE(company.FieldByName("Created").AsBoolean());
  EXPECT_FALSE(tutorial::TaskSatisfied(w.MainData(), 6));
  EXPECT_EQ(company.FieldByName("Path").AsString(), "/data/Z2KData1.gdb");
  EXPECT_EQ(company.FieldByName("FiscYear").AsInteger(), 2026);
  EXPECT_EQ(w.LastPage, 5);
}

TEST_F(WizardTest, ResumeSkipsTheCreationStepsAndSetUpStepsFollowTheTasks) {
  registry.SetValue(kTutorialKey, "LastPage", std::string("7"));
  backend.AnswerNextModal(ui::mrNo);  // no company yet: the start-up check's start over is declined
  TfmMain& w = Open();
  Next();
  ASSERT_EQ(w.CurrentStep(), 7);
  EXPECT_FALSE(NextEnabled());
  Type("EditCode1", "USD");
  Type("EditCode2", "LL");
  EXPECT_TRUE(NextEnabled());
  Next();
  ASSERT_EQ(w.CurrentStep(), 8);

  // Step 8 waits for task 10, steps 10 and 11 for task 11, the others for their own number.
  data::Table& tasks = w.MainData().Tasks;
  auto require = [&](int task, bool accomplished) {
    ASSERT_TRUE(tasks.Locate("Step", task));
    tasks.Edit();
    tasks.FieldByName("Required").SetAsBoolean(true);
    tasks.FieldByName("Accomplished").SetAsBoolean(accomplished);
    tasks.Post();
  };
  EXPECT_TRUE(NextEnabled());
  require(10, false);
  EXPECT_FALSE(NextEnabled());
  require(10, true);
  EXPECT_TRUE(NextEnabled());
  Next();
  EXPECT_TRUE(NextEnabled());  // step 9: always
  Next();
  require(11, false);
  EXPECT_FALSE(NextEnabled());  // step 10
  require(11, true);
  for (int step = 11; step <= 20; ++step) {
    Next();
    ASSERT_EQ(w.CurrentStep(), step);
    if (step == 17) continue;  // always
    require(step == 11 ? 11 : step, false);
    EXPECT_EQ(NextEnabled(), step == 17) << "step " << step;
    require(step == 11 ? 11 : step, true);
    EXPECT_TRUE(NextEnabled()) << "step " << step;
  }
  Next();
  EXPECT_EQ(w.CurrentStep(), 21);
  EXPECT_TRUE(NextEnabled());
  EXPECT_EQ(w.acNext->Caption(), "&Finish");
}

TEST_F(WizardTest, PreviousSkipsBackOverTheCreationSteps) {
  registry.SetValue(kTutorialKey, "LastPage", std::string("7"));
  backend.AnswerNextModal(ui::mrNo);  // no company yet: the start-up check's start over is declined
  TfmMain& w = Open();
  w.GoToStep(6);
  EXPECT_FALSE(PreviousEnabled());
  w.GoToStep(7);
  EXPECT_TRUE(PreviousEnabled());
  Previous();
  EXPECT_EQ(w.CurrentStep(), 1);
}

TEST_F(WizardTest, LastPageIsReadLeniently) {
  struct Case {
    const char* stored;
    int expected;
  };
  for (const Case& c : {Case{nullptr, 1}, Case{"abc", 1}, Case{"-3", 1}, Case{"0", 1},
                        Case{"12", 12}, Case{"4x", 1}}) {
    if (c.stored) registry.SetValue(kTutorialKey, "LastPage", std::string(c.stored));
    if (c.expected > 5) backend.AnswerNextModal(ui::mrNo);  // the start-up check, declined
    EXPECT_EQ(Open().LastPage, c.expected) << (c.stored ? c.stored : "<absent>");
    window.reset();
  }
}

TEST_F(WizardTest, TheSoundFolderEndsInOneSeparatorAcrossRuns) {
  registry.SetValue(kTutorialKey, "SoundPath", std::string("C:\\Sounds"));
  Open();
  EXPECT_EQ(tutorial::SoundFolder(), "C:\\Sounds\\");
  window.reset();
  Open();
  EXPECT_EQ(tutorial::SoundFolder(), "C:\\Sounds\\");
}

TEST_F(WizardTest, LastPageGrowsAndIsWrittenWhenTheWindowGoes) {
  TfmMain& w = Open();
  EXPECT_EQ(Registry("LastPage"), "<absent>");
  w.GoToStep(4);
  w.GoToStep(2);
  EXPECT_EQ(w.LastPage, 4);
  Destroy();
  EXPECT_EQ(Registry("LastPage"), "4");
  EXPECT_EQ(Open().LastPage, 4);
}

TEST_F(WizardTest, ALastPageOfAnotherTypeStopsTheWindowFromBeingBuilt) {
  registry.SetValue(kTutorialKey, "LastPage", uint32_t{7});
  EXPECT_THROW(Open(), os::RegistryTypeError);
  // The failed window must not leave its error handler behind.
  EXPECT_FALSE(app.OnException);
}

TEST_F(WizardTest, EveryVisitBuildsAFreshPageAndTheLeftPageIsToldFirst) {
  TfmMain& w = Open();
  w.ReplacePageClass(3, &MakeRecordingPage);
  w.ReplacePageClass(4, &MakeRecordingPage);
  g_hooks.clear();
  w.GoToStep(3);
  EXPECT_EQ(g_hooks, (std::vector<std::string>{"create", "first-visit", "enter-new"}));
  TfmContentSheet* first = w.PageOf(3);
  EXPECT_TRUE(first->Timer1.Enabled());

  g_hooks.clear();
  w.GoToStep(4);
  EXPECT_EQ(g_hooks, (std::vector<std::string>{"leave", "free", "create", "first-visit", "enter-new"}));
  EXPECT_EQ(w.PageOf(3), nullptr);

  g_hooks.clear();
  w.GoToStep(3);  // a second visit in the run: no first visit, so no timer narration
  EXPECT_EQ(g_hooks, (std::vector<std::string>{"leave", "free", "create", "enter-new"}));
  EXPECT_FALSE(w.PageOf(3)->Timer1.Enabled());
  EXPECT_TRUE(w.PageOf(3)->Visible());
}

TEST_F(WizardTest, HomeFreesEveryPageAndIdleRebuildsStepOneWithoutEnteringIt) {
  TfmMain& w = Open();
  w.GoToStep(12);
  TfmContentSheet* before = w.PageOf(12);
  ASSERT_NE(before, nullptr);
  w.acHome->Execute();
  EXPECT_EQ(w.CurrentStep(), 1);
  for (int step = 1; step <= 21; ++step) EXPECT_EQ(w.PageOf(step), nullptr) << step;
  app.Idle();
  ASSERT_NE(w.PageOf(1), nullptr);
  EXPECT_TRUE(w.PageOf(1)->JustCreated());  // built, never entered
  EXPECT_FALSE(w.PageOf(1)->Timer1.Enabled());  // its first visit happened at start
}

TEST_F(WizardTest, TheCloseQuestionSavesDiscardsOrKeepsTheWindow) {
  TfmMain& w = Open();
  EXPECT_TRUE(w.CanClose());  // nothing pending: no question
  EXPECT_EQ(backend.PendingAnswers(), 0u);

  w.GoToStep(2);
  Type("EditCompPath", "/data/a.gdb");
  data::Table& company = w.MainData().Company;
  ASSERT_EQ(company.State(), data::TableState::Insert);

  backend.AnswerNextModal(ui::mrCancel);
  EXPECT_FALSE(w.CanClose());
  EXPECT_EQ(company.State(), data::TableState::Insert);

  backend.AnswerNextModal(ui::mrNo);
  EXPECT_TRUE(w.CanClose());
  EXPECT_TRUE(company.IsEmpty());

  w.GoToStep(3);
  Type("EditName1", "Acme");
  backend.AnswerNextModal(ui::mrYes);
  EXPECT_TRUE(w.CanClose());
  EXPECT_EQ(company.State(), data::TableState::Browse);
  EXPECT_TRUE(tutorial::TaskSatisfied(w.MainData(), 2));
  ASSERT_TRUE(w.MainData().Tasks.Locate("Step", 1));
  EXPECT_FALSE(w.MainData().Tasks.FieldByName("Accomplished").AsBoolean());
}

TEST_F(WizardTest, TheDesignIsCentredOnALargerDesktop) {
  backend.SetDesktopSize({1024, 768});
  TfmMain& w = Open();
  EXPECT_EQ(w.Image1->Bounds(), ui::Rect::FromBounds(110, 84, 800, 600));
  EXPECT_EQ(w.zsbExit->Bounds(), ui::Rect::FromBounds(126, 637, 33, 28));
  EXPECT_EQ(w.zsbNext->Bounds(), ui::Rect::FromBounds(745, 636, 31, 29));
  EXPECT_EQ(w.PageOf(1)->Bounds(), ui::Rect::FromBounds(114, 200, 676, 412));
  window.reset();

  backend.SetDesktopSize({800, 600});
  EXPECT_EQ(Open().zsbExit->Bounds(), ui::Rect::FromBounds(14, 553, 33, 28));
  window.reset();

  backend.SetDesktopSize({1280, 500});  // larger one way only: the other offset is negative
  EXPECT_EQ(Open().zsbExit->Bounds(), ui::Rect::FromBounds(254, 503, 33, 28));
}

TEST_F(WizardTest, AnErrorInAHandlerIsShownAndTheRunGoesOn) {
  TfmMain& w = Open();
  w.acFinish->OnExecute = nullptr;
  w.MainData().Company.Close();  // Finish now fails: the table is not open
  app.Guard([&] { w.acFinish->Execute(); });
  ASSERT_EQ(backend.ErrorBoxes().size(), 1u);
  EXPECT_EQ(backend.ErrorBoxes()[0], "Cannot edit record. The file is not open.");
  Next();
  EXPECT_EQ(w.CurrentStep(), 2);
}

TEST_F(WizardTest, SavingOnCloseUpdatesTheEditShowingThePath) {
  TfmMain& w = Open();
  w.GoToStep(2);
  auto* edit = w.PageOf(2)->Find<ui::Edit>("EditCompPath");
  edit->SetFocus();
  Type("EditCompPath", "C:\\Company\\Z2KData1.gdb");
  backend.AnswerNextModal(ui::mrYes);
  EXPECT_TRUE(w.CanClose());
  EXPECT_EQ(edit->Text(), "C:\\Company\\Z2KData1.gdb");
  EXPECT_TRUE(tutorial::TaskSatisfied(w.MainData(), 1));

  // The whole creation phase typed, then closing from step 5.
  Next();
  Type("EditName1", "Acme");
  Next();
  Type("EditFiscYear", "2026");
  Type("EditPeriods", "12");
  Next();
  ASSERT_EQ(w.CurrentStep(), 5);
  backend.AnswerNextModal(ui::mrYes);
  EXPECT_TRUE(w.CanClose());
  for (int task = 1; task <= 5; ++task) {
    ASSERT_TRUE(w.MainData().Tasks.Locate("Step", task));
    EXPECT_EQ(w.MainData().Tasks.FieldByName("Accomplished").AsBoolean(), task != 3) << task;
  }
}

TEST_F(WizardTest, AWindowWithoutTheHostsInterfaceFailsAnAssertionNamingItsPlace) {
  TfmMain& w = Open();
  try {
    w.GetMainForm();
    FAIL() << "no host interface must be an assertion failure";
  } catch (const ui::AssertionFailure& e) {
    EXPECT_STREQ(e.what(), "Assertion failed (Tutorial\\Main, line 731)");
  }
  // Shown like any other error when it reaches the message loop.
  app.Guard([&] { w.GetMainForm(); });
  ASSERT_EQ(backend.ErrorBoxes().size(), 1u);
  EXPECT_EQ(backend.ErrorBoxes()[0], "Assertion failed (Tutorial\\Main, line 731)");
}
