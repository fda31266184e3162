// The wizard without a mouse and through a screen reader: the tab order, where the focus
// lands on a new page, what Enter, Escape and the letters do, and what each control is called.
#include <algorithm>
#include <string>
#include <vector>

#include "Tutorial/AssMesages.h"
#include "Tutorial/CompPath.h"
#include "Tutorial/MsgForm.h"
#include "platform/headless/headless_native_form.h"
#include "platform/ui/accessible.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/focus_order.h"
#include "tests/unit/wizard_fixture.h"

namespace {

using ui::AccessibleEvent;
using ui::AccessibleRole;
using ui::Key;

std::vector<std::string> Names(const std::vector<ui::Control*>& controls) {
  std::vector<std::string> names;
  for (const ui::Control* c : controls) names.push_back(c->Name());
  return names;
}

class KeyboardAccessTest : public WizardTest {
 protected:
  tutorial::TfmContentSheet& Page() { return *window->PageOf(window->CurrentStep()); }
  // Keys and accelerators reach only what is on the screen.
  void OpenShown() {
    Open();
    window->Show();
  }
  // Goes to step 3 the way a user without a mouse does.
  void ToStep3() {
    EXPECT_TRUE(window->HandleKey(Key::Enter));
    Type("EditCompPath", folder.string() + "/acme.gdb");
    EXPECT_TRUE(window->HandleKey(Key::Enter));
    app.Idle();
    ASSERT_EQ(window->CurrentStep(), 3);
  }
};

TEST_F(KeyboardAccessTest, TabVisitsThePageInItsDesignedOrderThenTheNavigationRow) {
  OpenShown();
  ToStep3();
  EXPECT_EQ(Names(ui::TabOrder(*window)).back(), "zsbPrevious") << "Next waits for a name";
  Type("EditName1", "Acme");
  const std::vector<std::string> order = Names(ui::TabOrder(*window));
  // The edits keep their designed order, the voice buttons sit where they were placed, and
  // the navigation row follows from left to right.
  const std::vector<std::string> expected{
      "ZndrSpeedButton4", "EditName1", "EditName2", "ZndrSpeedButton1", "EditCity",
      "EditState", "EditPhone1", "EditPhone2", "zsbExit", "zsbMinimize", "zsbHome",
      "zsbPrevious", "zsbNext"};
  EXPECT_EQ(order, expected);

  // Tab from the last wraps to the first; Shift+Tab goes back; the mark leaves the edits.
  window->FocusOn(window->zsbNext);
  EXPECT_TRUE(window->HandleKey(Key::Tab));
  EXPECT_EQ(window->FocusedControl(), Page().FindControl("ZndrSpeedButton4"));
  EXPECT_TRUE(window->HandleKey(Key::Tab));
  EXPECT_EQ(window->FocusedControl(), nullptr);
  EXPECT_EQ(window->ActiveControl(), Page().FindControl("EditName1"));
  EXPECT_TRUE(window->HandleKey(Key::Tab, /*shift=*/true));
  EXPECT_EQ(window->ActiveControl(), nullptr);
  EXPECT_EQ(window->FocusedControl(), Page().FindControl("ZndrSpeedButton4"));

  // A disabled button is passed over.
  window->acHome->SetEnabled(false);
  const auto without = Names(ui::TabOrder(*window));
  EXPECT_EQ(std::count(without.begin(), without.end(), "zsbHome"), 0);
}

TEST_F(KeyboardAccessTest, ANewPageFocusesItsFirstEditOrNext) {
  OpenShown();
  EXPECT_EQ(window->FocusedControl(), window->zsbNext) << "step 1 has no edit";
  window->acNext->Execute();
  app.Idle();
  ASSERT_EQ(window->CurrentStep(), 2);
  EXPECT_EQ(window->ActiveControl(), Page().FindControl("EditCompPath"));
  EXPECT_EQ(window->FocusedControl(), nullptr);
  Type("EditCompPath", folder.string() + "/acme.gdb");
  Next();
  EXPECT_EQ(window->ActiveControl(), Page().FindControl("EditName1"));
  Previous();
  EXPECT_EQ(window->ActiveControl(), Page().FindControl("EditCompPath"));
}

TEST_F(KeyboardAccessTest, EnterGoesOnOnlyWhenNextCanAndEscapeAsksTheCloseQuestion) {
  OpenShown();
  EXPECT_TRUE(window->HandleKey(Key::Enter));
  app.Idle();
  ASSERT_EQ(window->CurrentStep(), 2);
  EXPECT_FALSE(window->HandleKey(Key::Enter)) << "no path yet: Next is disabled";
  EXPECT_EQ(window->CurrentStep(), 2);
  Type("EditCompPath", folder.string() + "/acme.gdb");
  EXPECT_TRUE(window->HandleKey(Key::Enter));
  EXPECT_EQ(window->CurrentStep(), 3);

  // Escape is Exit: with typed data the close question comes, and Cancel keeps the window.
  Type("EditName1", "Acme");
  std::string asked;
  backend.AnswerNextModal([&](ui::Form& dialog) {
    asked = dynamic_cast<tutorial::TfmMessage&>(dialog).MessageLbl->Caption();
    dialog.HandleKey(Key::Escape);
  });
  EXPECT_TRUE(window->HandleKey(Key::Escape));
  EXPECT_EQ(window->ModalResult(), ui::mrOk) << "Exit asks to close";
  EXPECT_FALSE(window->CanClose());
  EXPECT_EQ(asked, tutorial::SSaveDataBeforeExit);
}

TEST_F(KeyboardAccessTest, LettersReachTheNavigationButtonsAndADroppedListKeepsEnter) {
  OpenShown();
  EXPECT_TRUE(window->HandleDialogChar(U'n'));
  app.Idle();
  EXPECT_EQ(window->CurrentStep(), 2);
  EXPECT_TRUE(window->HandleDialogChar(U'p'));
  app.Idle();
  EXPECT_EQ(window->CurrentStep(), 1);
  EXPECT_TRUE(window->HandleDialogChar(U'n'));
  Type("EditCompPath", folder.string() + "/acme.gdb");
  Next();
  Type("EditName1", "Acme");
  Next();
  ASSERT_EQ(window->CurrentStep(), 4);
  Type("EditFiscYear", "2026");
  Type("EditPeriods", "12");

  auto* periods = Page().Find<ui::ComboBox>("EditPeriods");
  ASSERT_NE(periods, nullptr);
  window->FocusOn(periods);
  periods->DropDown();
  EXPECT_FALSE(window->HandleKey(Key::Enter)) << "the open list chooses with Enter";
  EXPECT_FALSE(window->HandleKey(Key::Escape)) << "and closes with Escape";
  EXPECT_EQ(window->CurrentStep(), 4);
  periods->CloseUp();
  EXPECT_TRUE(window->HandleKey(Key::Enter));
  EXPECT_EQ(window->CurrentStep(), 5);
}

TEST_F(KeyboardAccessTest, SpaceAndEnterPressTheFocusedButtonAndItWearsTheMark) {
  OpenShown();
  Next();
  Type("EditCompPath", folder.string() + "/acme.gdb");
  Next();
  window->FocusOn(window->zsbPrevious);
  const ui::Rect r = window->zsbPrevious->FormBounds();
  const auto canvas = backend.Paint(*window);
  const auto frames = canvas.OpsOf(headless::DrawOp::Rectangle);
  EXPECT_TRUE(std::any_of(frames.begin(), frames.end(), [&](const headless::DrawOp& op) {
    return op.rect == ui::Rect::FromBounds(r.left + 3, r.top + 3, r.Width() - 6, r.Height() - 6) &&
           op.color == ui::clBlue;
  })) << "the focus frame inside the button";
  EXPECT_TRUE(window->HandleKey(Key::Space));
  app.Idle();
  EXPECT_EQ(window->CurrentStep(), 2);
  window->FocusOn(window->zsbHome);
  EXPECT_TRUE(window->HandleKey(Key::Enter)) << "the focused button, not Next";
  app.Idle();
  EXPECT_EQ(window->CurrentStep(), 1);
  window->Hide();
}

TEST_F(KeyboardAccessTest, ScreenReadersHearButtonsMarksAndThePageByName) {
  OpenShown();
  Next();
  app.Idle();
  const ui::AccessibleInfo next = ui::Describe(*window->zsbNext);
  EXPECT_EQ(next.role, AccessibleRole::PushButton);
  EXPECT_EQ(next.name, "Next");
  EXPECT_EQ(next.shortcut, "Alt+N");
  EXPECT_TRUE(next.unavailable) << "no path yet";
  EXPECT_FALSE(ui::PressAccessible(*window->zsbNext));
  EXPECT_EQ(ui::Describe(*window->zsbMinimize).name, "Minimize") << "not the action's name";

  tutorial::TfmContentSheet& page = Page();
  const ui::AccessibleInfo pageInfo = ui::Describe(page);
  EXPECT_EQ(pageInfo.role, AccessibleRole::Grouping);
  EXPECT_EQ(pageInfo.name, "Company Path");
  EXPECT_EQ(ui::Describe(*page.FindControl("ZndrSpeedButton4")).name,
            "Play narration: Company path");
  EXPECT_EQ(ui::Describe(*page.FindControl("ZndrSpeedButton1")).name, "Select a path")
      << "\"...\" says nothing";
  EXPECT_EQ(ui::Describe(*page.FindControl("Label1")).name, "Database Path");
  EXPECT_EQ(ui::Describe(*page.FindControl("Label1")).shortcut, "Alt+D") << "it focuses the path";
  const ui::AccessibleInfo mark = ui::Describe(*page.FindControl("Mark1"));
  EXPECT_EQ(mark.role, AccessibleRole::Graphic);
  EXPECT_EQ(mark.name, "Task 1 not done");

  // The page's children, in reading order, include the hidden mark and the native edit.
  const std::vector<ui::Control*> children = ui::AccessibleChildren(page);
  const std::vector<std::string> names = Names(children);
  EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 7),
            (std::vector<std::string>{"Label2", "Label11", "Mark1", "Label10", "ZndrSpeedButton4",
                                      "Label1", "EditCompPath"}));
  EXPECT_EQ(ui::Describe(*children[6]).role, AccessibleRole::Native);
  const auto top = ui::AccessibleChildren(*window);
  EXPECT_EQ(Names(top), (std::vector<std::string>{"fmContentSheet", "zsbExit", "zsbMinimize",
                                                  "zsbHome", "zsbPrevious", "zsbNext"}))
      << "the page, then the navigation row from left to right";
  EXPECT_EQ(std::find(top.begin(), top.end(), window->Label1), top.end()) << "hidden";
  EXPECT_EQ(ui::FindAccessible(*window, window->zsbNext->AccessibleId()), window->zsbNext);

  Type("EditCompPath", folder.string() + "/acme.gdb");
  window->ActiveControl()->DoExit();  // leaving the edit updates the task and its mark
  EXPECT_EQ(ui::Describe(*page.FindControl("Mark1")).name, "Task 1 done");
  EXPECT_FALSE(ui::Describe(*window->zsbNext).unavailable);
  EXPECT_TRUE(ui::PressAccessible(*window->zsbNext));
  EXPECT_EQ(window->CurrentStep(), 3);
}

TEST_F(KeyboardAccessTest, ScreenReadersAreToldOfStepsStatesAndMarks) {
  OpenShown();
  auto& events = headless::HeadlessNativeForm::Of(*window).AccessibleEvents();
  const auto told = [&](AccessibleEvent event, int id) {
    return std::find(events.begin(), events.end(), std::pair{event, id}) != events.end();
  };
  events.clear();
  Next();
  EXPECT_TRUE(told(AccessibleEvent::NameChange, 0)) << "the window's title names the step";
  EXPECT_FALSE(told(AccessibleEvent::Focus, window->zsbNext->AccessibleId())) << "the edit has it";

  EXPECT_TRUE(told(AccessibleEvent::StateChange, window->zsbNext->AccessibleId()))
      << "Next went disabled";
  ui::Control* mark = Page().FindControl("Mark1");
  events.clear();
  Type("EditCompPath", folder.string() + "/acme.gdb");
  window->ActiveControl()->DoExit();
  EXPECT_TRUE(told(AccessibleEvent::NameChange, mark->AccessibleId()));
  EXPECT_TRUE(told(AccessibleEvent::StateChange, window->zsbNext->AccessibleId()));
  events.clear();
  window->FocusOn(window->zsbHome);
  EXPECT_TRUE(told(AccessibleEvent::Focus, window->zsbHome->AccessibleId()));

  events.clear();
  window->GoToStep(6);  // no edit there: the focus moves to Next...
  window->GoToStep(6);  // ...and stays there on the new page, yet the reader hears of it again
  EXPECT_EQ(std::count(events.begin(), events.end(),
                       std::pair{AccessibleEvent::Focus, window->zsbNext->AccessibleId()}),
            2);
  window->Hide();
}

TEST_F(KeyboardAccessTest, TheMessageDialogShowsItsQuestionAndItsVisibleButtons) {
  backend.AnswerNextModal([&](ui::Form& dialog) {
    const auto children = ui::AccessibleChildren(dialog);
    std::vector<std::string> names;
    for (ui::Control* c : children) names.push_back(ui::Describe(*c).name);
    EXPECT_EQ(names, (std::vector<std::string>{"Yes", "No", tutorial::SMarkTaskComplete}));
    EXPECT_EQ(ui::Describe(*children[2]).role, AccessibleRole::StaticText);
    EXPECT_TRUE(ui::Describe(*children[0]).focused);
    EXPECT_TRUE(ui::PressAccessible(*children[1]));
  });
  EXPECT_EQ(tutorial::ShowMsgForm(tutorial::SMarkTaskComplete, tutorial::kMsgYesNo), ui::mrNo);
}

}  // namespace
