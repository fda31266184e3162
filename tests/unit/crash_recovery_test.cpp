// Progress that survives an abrupt end: the posted tables, "LastPage" and the company's
// pending values are on disk after every step change; the next start offers the values back
// and checks the saved progress before a resume is offered.
#include <cerrno>
#include <filesystem>
#include <map>

#include "Tutorial/CompanyRecovery.h"
#include "Tutorial/FirstPage.h"
#include "Tutorial/StartupCheck.h"
#include "Tutorial/MsgForm.h"
#include "platform/data/table_file.h"
#include "tests/unit/data_test_support.h"
#include "tests/unit/wizard_fixture.h"

using tutorial::TfmMain;

namespace {

class CrashRecoveryTest : public WizardTest {
 protected:
  std::string Dir() const { return folder.string() + "/"; }
  bool Exists(const std::string& name) const { return std::filesystem::exists(Dir() + name); }
  std::vector<data::Row> Rows(const std::string& name, const data::FieldDefs& defs) const {
    return data::ReadTableFile(datatest::ReadText(Dir() + name), defs);
  }

  // Types a path on step 2 and the names on step 3, then goes on to step 4.
  void TypeCreationSteps() {
    window->GoToStep(2);
    Type("EditCompPath", "/data/Acme.gdb");
    Next();
    Type("EditName1", "Acme Trading");
    Type("EditName2", "Acme Two");
    Next();
    ASSERT_EQ(window->CurrentStep(), 4);
  }

  // The files and "LastPage" as they stand, then a normal end: a snapshot taken before the end
  // is what a killed run leaves behind.
  void Crash() {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
      files[entry.path().filename().string()] = datatest::ReadText(entry.path().string());
    const std::string lastPage = Registry("LastPage");
    Destroy();
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    for (const auto& [name, bytes] : files) datatest::WriteText(Dir() + name, bytes);
    registry.SetValue(kTutorialKey, "LastPage", lastPage);
  }

  // Answers the next dialog with `result` and keeps its text in `asked`.
  void Answer(int result) {
    backend.AnswerNextModal([this, result](ui::Form& form) {
      asked.push_back(static_cast<tutorial::TfmMessage&>(form).MessageLbl->Caption());
      form.SetModalResult(result);
    });
  }

  void WriteCompany(const std::string& path, bool created, const std::string& name = "Acme") {
    data::Row row = {name, {}, {}, {}, {}, {}, int32_t{2026}, int32_t{12}, path, created};
    datatest::WriteText(Dir() + "TutorComp.cds", data::WriteTableFile(tutorial::CompanyFields(), {row}));
  }

  std::vector<std::string> asked;
};

TEST_F(CrashRecoveryTest, EachStepChangeSavesPostedTablesAndLastPageAndKeepsTypedValuesApart) {
  TfmMain& w = Open();
  TypeCreationSteps();
  EXPECT_EQ(Registry("LastPage"), "4");
  // The typed record is still pending: it is not in the company file ...
  EXPECT_TRUE(!Exists("TutorComp.cds") || Rows("TutorComp.cds", tutorial::CompanyFields()).empty());
  ASSERT_EQ(w.MainData().Company.State(), data::TableState::Insert);
  // ... but in the recovery file, with what the steps hold.
  std::vector<data::Row> pending = Rows("TutorComp.recovery", tutorial::CompanyFields());
  ASSERT_EQ(pending.size(), 1u);
  EXPECT_EQ(pending[0][0], data::Value(std::string("Acme Trading")));
  EXPECT_EQ(pending[0][1], data::Value(std::string("Acme Two")));
  EXPECT_EQ(pending[0][8], data::Value(std::string("/data/Acme.gdb")));
  // The task rows the pages set are posted and on disk as the table holds them.
  EXPECT_EQ(datatest::ReadText(Dir() + "TutorTasks.cds"), w.MainData().Tasks.SaveToData());

  // Only what changed is written again (leaving step 4 once has set its tasks).
  Previous();
  Next();
  std::map<std::string, int> writes;
  files.InjectError = [&](std::string_view call, const std::string& path) {
    if (call == "create") ++writes[std::filesystem::path(path).filename().string()];
    return 0;
  };
  Previous();
  Next();
  EXPECT_TRUE(writes.empty()) << writes.begin()->first;
  Type("EditFiscYear", "2030");
  Previous();
  EXPECT_EQ(writes, (std::map<std::string, int>{{"TutorComp.recovery", 1}}));

  // Posting the record (the close question's Yes) ends the recovery file at a normal end.
  Answer(ui::mrYes);
  EXPECT_TRUE(w.CanClose());
  Destroy();
  EXPECT_FALSE(Exists("TutorComp.recovery"));
  EXPECT_EQ(Rows("TutorComp.cds", tutorial::CompanyFields()).size(), 1u);
}

TEST_F(CrashRecoveryTest, TheNextRunAsksAndYesPutsTheValuesBackPending) {
  Open();
  TypeCreationSteps();
  Crash();

  Answer(ui::mrYes);
  TfmMain& w = Open();
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0], tutorial::SRestoreEntries);
  data::Table& company = w.MainData().Company;
  EXPECT_EQ(company.State(), data::TableState::Insert);  // pending, not posted
  EXPECT_TRUE(company.IsEmpty());
  EXPECT_EQ(company.FieldByName("Path").AsString(), "/data/Acme.gdb");

  // The start page offers to continue; the steps show what was typed.
  auto* first = dynamic_cast<tutorial::TfmFirstPage*>(w.PageOf(1));
  ASSERT_NE(first, nullptr);
  app.Idle();
  ASSERT_TRUE(first->acContComp->Enabled());
  first->acContComp->Execute();
  app.Idle();
  EXPECT_EQ(w.CurrentStep(), 4);
  Previous();
  EXPECT_EQ(w.PageOf(3)->Find<ui::Edit>("EditName1")->Text(), "Acme Trading");
  Previous();
  EXPECT_EQ(w.PageOf(2)->Find<ui::Edit>("EditCompPath")->Text(), "/data/Acme.gdb");

  // A second crash still finds the values.
  EXPECT_EQ(Rows("TutorComp.recovery", tutorial::CompanyFields()).size(), 1u);
}

TEST_F(CrashRecoveryTest, NoLeavesThePostedStateAndRemovesTheFile) {
  WriteCompany("", false, "Posted Name");
  registry.SetValue(kTutorialKey, "LastPage", std::string("3"));
  Open();
  window->GoToStep(3);
  Type("EditName1", "Typed Name");
  Next();
  Crash();

  Answer(ui::mrNo);
  TfmMain& w = Open();
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(w.MainData().Company.State(), data::TableState::Browse);
  EXPECT_EQ(w.MainData().Company.FieldByName("Name1").AsString(), "Posted Name");
  EXPECT_FALSE(Exists("TutorComp.recovery"));
  Destroy();

  // Answered once: the run after that asks nothing.
  Open();
  EXPECT_EQ(asked.size(), 1u);
  EXPECT_TRUE(backend.ErrorBoxes().empty());
}

TEST_F(CrashRecoveryTest, RestoringKeepsWhetherTheCompanyWasCreated) {
  datatest::WriteText(Dir() + "Acme.gdb", "db");
  WriteCompany(Dir() + "Acme.gdb", true);
  data::Row typed = {std::string("Renamed"), {}, {}, {}, {}, {}, {}, {}, Dir() + "Acme.gdb", false};
  datatest::WriteText(Dir() + "TutorComp.recovery",
                      data::WriteTableFile(tutorial::CompanyFields(), {typed}));
  Answer(ui::mrYes);
  TfmMain& w = Open();
  data::Table& company = w.MainData().Company;
  EXPECT_EQ(company.State(), data::TableState::Edit);
  EXPECT_EQ(company.FieldByName("Name1").AsString(), "Renamed");
  EXPECT_TRUE(company.FieldByName("Created").AsBoolean());
}

TEST_F(CrashRecoveryTest, ADamagedRecoveryFileIsSetAsideAndNothingElseIsLost) {
  WriteCompany("", false, "Posted Name");
  datatest::WriteText(Dir() + "TutorComp.recovery", "{ damaged");
  Answer(ui::mrYes);
  TfmMain& w = Open();
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_NE(asked[0].find("'TutorComp.recovery' is damaged"), std::string::npos) << asked[0];
  EXPECT_NE(asked[0].find("kept as 'TutorComp.recovery.damaged-"), std::string::npos) << asked[0];
  EXPECT_FALSE(Exists("TutorComp.recovery"));
  int aside = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().filename().string().starts_with("TutorComp.recovery.damaged-")) {
      ++aside;
      EXPECT_EQ(datatest::ReadText(entry.path().string()), "{ damaged");
    }
  }
  EXPECT_EQ(aside, 1);
  EXPECT_EQ(w.MainData().Company.FieldByName("Name1").AsString(), "Posted Name");
}

TEST_F(CrashRecoveryTest, ProgressBeyondTheCreationStepsWithoutACompanyOffersToStartOver) {
  registry.SetValue(kTutorialKey, "LastPage", std::string("12"));
  Answer(ui::mrNo);
  Open();
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_NE(asked[0].find("saved at step 12"), std::string::npos) << asked[0];
  EXPECT_EQ(window->LastPage, 12);  // No leaves it as it is
  Destroy();
  EXPECT_EQ(Registry("LastPage"), "12");

  Answer(ui::mrYes);
  TfmMain& w = Open();
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_EQ(w.LastPage, 1);
  EXPECT_EQ(Registry("LastPage"), "1");  // written at once, not only at the end
  Next();
  EXPECT_EQ(w.CurrentStep(), 2);  // Next on step 1 no longer skips to a company that is not there
}

TEST_F(CrashRecoveryTest, ACreatedCompanyWhoseFileIsGoneOffersToStartOver) {
  const std::string db = Dir() + "Gone.gdb";
  WriteCompany(db, true);
  registry.SetValue(kTutorialKey, "LastPage", std::string("9"));
  Answer(ui::mrYes);
  TfmMain& w = Open();
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_NE(asked[0].find("is gone"), std::string::npos) << asked[0];
  EXPECT_NE(asked[0].find("'" + db + "'"), std::string::npos) << asked[0];
  EXPECT_TRUE(w.MainData().Company.IsEmpty());
  EXPECT_TRUE(Rows("TutorComp.cds", tutorial::CompanyFields()).empty());
  Destroy();

  // A company not created yet, or one whose file is there, is no problem.
  WriteCompany(db, false);
  Open();
  Destroy();
  datatest::WriteText(db, "db");
  WriteCompany(db, true);
  Open();
  EXPECT_EQ(asked.size(), 1u);
  EXPECT_TRUE(backend.ErrorBoxes().empty());
}

TEST_F(CrashRecoveryTest, AFailingStepSaveIsShownOnceUntilSavingWorksAgain) {
  TfmMain& w = Open();
  int failing = ENOSPC;
  files.InjectError = [&](std::string_view call, const std::string&) {
    return call == "create" ? failing : 0;
  };
  w.GoToStep(2);
  Type("EditCompPath", "/data/a.gdb");
  Next();
  Type("EditName1", "A");
  Next();
  EXPECT_EQ(backend.ErrorBoxes().size(), 1u);
  failing = 0;
  Type("EditFiscYear", "2031");
  Previous();
  EXPECT_EQ(backend.ErrorBoxes().size(), 1u);
  EXPECT_EQ(Rows("TutorComp.recovery", tutorial::CompanyFields()).size(), 1u);
  failing = ENOSPC;
  Type("EditName1", "B");
  Next();
  EXPECT_EQ(backend.ErrorBoxes().size(), 2u);
}

TEST_F(CrashRecoveryTest, AStepChangeSavesOnceThePageIsShownAndAnEndBeforeThatStillSaves) {
  Open();
  window->GoToStep(2);
  backend.Advance(1);
  Type("EditCompPath", "/data/a.gdb");
  window->acNext->Execute();
  // The new page is up; its save waits for the message loop to come back.
  EXPECT_EQ(window->CurrentStep(), 3);
  EXPECT_EQ(Registry("LastPage"), "2");
  backend.Advance(1);
  EXPECT_EQ(Registry("LastPage"), "3");

  // Ended before the loop came back, with the company file failing: the recovery file still
  // holds what the step left.
  Type("EditName1", "Quick Exit");
  window->acNext->Execute();
  files.InjectError = [](std::string_view call, const std::string& path) {
    return call == "create" && path.ends_with("TutorComp.cds") ? ENOSPC : 0;
  };
  Destroy();
  std::vector<data::Row> pending = Rows("TutorComp.recovery", tutorial::CompanyFields());
  ASSERT_EQ(pending.size(), 1u);
  EXPECT_EQ(pending[0][0], data::Value(std::string("Quick Exit")));
  EXPECT_EQ(Registry("LastPage"), "4");
}

TEST_F(CrashRecoveryTest, TypedValuesStayRecoverableWhenTheEndOfRunSaveFails) {
  Open();
  window->GoToStep(2);
  Type("EditCompPath", "/data/a.gdb");
  Next();
  files.InjectError = [](std::string_view call, const std::string& path) {
    return call == "create" && path.ends_with("TutorComp.cds") ? ENOSPC : 0;
  };
  Destroy();
  EXPECT_EQ(backend.ErrorBoxes().size(), 1u);
  EXPECT_EQ(Rows("TutorComp.recovery", tutorial::CompanyFields()).size(), 1u);
}

}  // namespace
