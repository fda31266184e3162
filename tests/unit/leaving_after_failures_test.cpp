// Leaving the assistant after something failed: Exit and the close question still end the
// run, keep what was typed, and derive nothing from a table whose file was not read.
#include <cerrno>

#include "platform/data/table_file.h"
#include "tests/unit/data_test_support.h"
#include "tests/unit/wizard_fixture.h"

using tutorial::TfmMain;

namespace {

// The window's own modal loop, ended by Exit; `question` answers the close question.
int RunUntilExit(headless::HeadlessBackend& backend, TfmMain& w, int question) {
  backend.AnswerNextModal([](ui::Form& form) { static_cast<TfmMain&>(form).acExit->Execute(); });
  backend.AnswerNextModal(question);
  return w.ShowModal();
}

}  // namespace

TEST_F(WizardTest, ExitEndsTheRunWhenTheDataFolderCouldNotBeRead) {
  registry.SetValue(kMainKey, "", uint32_t{5});
  TfmMain& w = Open();
  ASSERT_EQ(backend.ErrorBoxes().size(), 1u);
  EXPECT_NE(backend.ErrorBoxes()[0].find("tutorial data folder"), std::string::npos)
      << backend.ErrorBoxes()[0];
  w.GoToStep(2);
  Type("EditCompPath", "C:\\a.gdb");  // the table is open: typing is no error
  EXPECT_EQ(backend.ErrorBoxes().size(), 1u);
  EXPECT_EQ(RunUntilExit(backend, w, ui::mrYes), ui::mrOk);
  EXPECT_EQ(w.MainData().Company.State(), data::TableState::Browse);
}

TEST_F(WizardTest, ACloseQuestionThatCannotBeAskedClosesAndKeepsTheEdit) {
  TfmMain& w = Open();
  w.GoToStep(3);
  Type("EditName1", "Acme");
  // No answer for the question: showing it fails. The error is shown, the window closes and
  // the typed record is posted rather than lost.
  EXPECT_TRUE(w.CanClose());
  ASSERT_EQ(backend.ErrorBoxes().size(), 1u);
  EXPECT_EQ(w.MainData().Company.FieldByName("Name1").AsString(), "Acme");
  EXPECT_EQ(w.MainData().Company.State(), data::TableState::Browse);
}

TEST_F(WizardTest, TasksAreNotRecomputedFromACompanyFileThatWasNotRead) {
  const std::string dir = folder.string() + "/";
  std::vector<data::Row> tasks;
  for (int task = 1; task <= 21; ++task) tasks.push_back({int32_t{task}, task <= 5, false});
  datatest::WriteText(dir + "TutorTasks.cds", data::WriteTableFile(tutorial::TasksFields(), tasks));
  datatest::WriteText(dir + "TutorComp.cds", "{ damaged");
  backend.AnswerNextModal(ui::mrYes);  // the notice about the damaged file
  TfmMain& w = Open();
  EXPECT_EQ(backend.PendingAnswers(), 0u) << "the user is told";
  w.GoToStep(3);
  Type("EditName1", "Acme");
  backend.AnswerNextModal(ui::mrYes);
  EXPECT_TRUE(w.CanClose());
  for (int task = 1; task <= 5; ++task) {
    ASSERT_TRUE(w.MainData().Tasks.Locate("Step", task));
    EXPECT_TRUE(w.MainData().Tasks.FieldByName("Accomplished").AsBoolean()) << task;
  }
}
