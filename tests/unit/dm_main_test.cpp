// The assistant's state store: start-up from whatever files are there, the task rows,
// resetting, and saving at the end of a run.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "Tutorial/dmMain.h"
#include "platform/data/table_file.h"
#include "platform/os/error.h"
#include "tests/unit/data_test_support.h"

namespace {

using datatest::ReadText;
using datatest::WriteText;
using tutorial::TdmMainData;

constexpr const char* kMainKey = "Software\\Tavrilenk\\Zendri Accounting 2000";

class DmMainTest : public datatest::BackendTest {
 protected:
  std::unique_ptr<TdmMainData> Start() {
    return std::make_unique<TdmMainData>(host_ + "Host.exe",
                                         [this](const std::exception& e) { errors_.push_back(e.what()); });
  }
  std::string File(const char* name) const { return host_ + name; }
  std::vector<data::Row> Rows(const char* name, const data::FieldDefs& defs) const {
    return data::ReadTableFile(ReadText(File(name)), defs);
  }

  std::string host_ = folder_.Path();
  std::vector<std::string> errors_;
};

TEST_F(DmMainTest, FirstRunCreatesTheTaskRowsAndWritesFourFiles) {
  auto dm = Start();
  EXPECT_EQ(dm->DataFolder(), host_);
  EXPECT_TRUE(registry_.KeyExists(kMainKey));
  EXPECT_FALSE(registry_.KeyExists(std::string(kMainKey) + "\\Main"));  // only read, never made
  EXPECT_TRUE(dm->Company.IsEmpty());
  EXPECT_TRUE(dm->Currency.IsEmpty());
  EXPECT_TRUE(dm->DefAcct.IsEmpty());
  EXPECT_EQ(dm->Tasks.RecordCount(), tutorial::kTaskCount);

  std::vector<int> required;
  int step = 0;
  for (dm->Tasks.First(); !dm->Tasks.Eof(); dm->Tasks.Next()) {
    EXPECT_EQ(dm->Tasks.FieldByName("Step").AsInteger(), ++step);
    EXPECT_FALSE(dm->Tasks.FieldByName("Accomplished").AsBoolean());
    if (dm->Tasks.FieldByName("Required").AsBoolean()) required.push_back(step);
  }
  EXPECT_EQ(required, (std::vector<int>{1, 2, 4, 5, 6, 7, 8}));

  dm.reset();
  EXPECT_TRUE(errors_.empty());
  EXPECT_EQ(Rows("TutorTasks.cds", tutorial::TasksFields()).size(), 21u);
  EXPECT_TRUE(Rows("TutorComp.cds", tutorial::CompanyFields()).empty());
  EXPECT_TRUE(Rows("TutorCurrency.cds", tutorial::CurrencyFields()).empty());
  EXPECT_TRUE(Rows("TutorDefAcct.cds", tutorial::DefAcctFields()).empty());
}

TEST_F(DmMainTest, WhatARunEntersIsThereInTheNext) {
  auto dm = Start();
  dm->Company.Edit();  // inserts the record; a new company is not created yet
  EXPECT_FALSE(dm->Company.FieldByName("Created").IsNull());
  dm->Company.FieldByName("Name1").SetAsString("Zoë's Bakery");
  const std::string longPath = "C:\\" + std::string(3000, 'p') + "\\Bakery.zdb";
  dm->Company.FieldByName("Path").SetEditText(longPath);
  EXPECT_EQ(dm->Company.FieldByName("Path").DisplayText(), longPath);  // the whole text
  dm->Company.Post();
  tutorial::SetTaskAccomplished(*dm, 7, true);
  tutorial::SetTaskAccomplished(*dm, 99, true);  // no such task: nothing happens
  EXPECT_EQ(dm->Tasks.State(), data::TableState::Browse);

  dm->Currency.Edit();  // left in the edit state when the run ends: posted and saved
  dm->Currency.FieldByName("FirstBaseCode").SetEditText("USD");
  dm.reset();

  dm = Start();
  EXPECT_EQ(dm->Company.FieldByName("Name1").AsString(), "Zoë's Bakery");
  EXPECT_EQ(dm->Company.FieldByName("Path").AsString(), longPath);
  EXPECT_FALSE(dm->Company.FieldByName("Created").AsBoolean());
  EXPECT_EQ(dm->Currency.FieldByName("FirstBaseCode").AsString(), "USD");
  for (int task = 1; task <= tutorial::kTaskCount; ++task) {
    ASSERT_TRUE(dm->Tasks.Locate("Step", task));
    EXPECT_EQ(dm->Tasks.FieldByName("Accomplished").AsBoolean(), task == 7) << task;
  }
  EXPECT_TRUE(errors_.empty());
}

TEST_F(DmMainTest, TaskSatisfiedWhenNotRequiredOrAccomplished) {
  auto dm = Start();
  EXPECT_FALSE(tutorial::TaskSatisfied(*dm, 8));
  EXPECT_TRUE(tutorial::TaskSatisfied(*dm, 10));
  EXPECT_FALSE(tutorial::TaskSatisfied(*dm, 22));
  tutorial::SetTaskAccomplished(*dm, 8, true);
  EXPECT_TRUE(tutorial::TaskSatisfied(*dm, 8));
  tutorial::SetTaskAccomplished(*dm, 8, false);
  EXPECT_FALSE(tutorial::TaskSatisfied(*dm, 8));
}

TEST_F(DmMainTest, UnusableFilesStartTheirTableEmptyAndAreReplaced) {
  // Tasks lacks most rows; the stored ones keep their flags, whatever the defaults say.
  WriteText(File("TutorTasks.cds"),
            data::WriteTableFile(tutorial::TasksFields(),
                                 {{int32_t{2}, true, false}, {int32_t{12}, false, true}}));
  WriteText(File("TutorComp.cds"), "\x00\x01garbage");
  WriteText(File("TutorCurrency.cds"),
            data::WriteTableFile({data::FieldDef::String("FirstBaseCode", 3)}, {{std::string("USD")}}));
  auto dm = Start();
  EXPECT_TRUE(errors_.empty());
  EXPECT_TRUE(dm->Company.IsEmpty());
  EXPECT_TRUE(dm->Currency.IsEmpty());
  EXPECT_EQ(dm->Tasks.RecordCount(), 21);
  ASSERT_TRUE(dm->Tasks.Locate("Step", 2));
  EXPECT_TRUE(dm->Tasks.FieldByName("Accomplished").AsBoolean());
  EXPECT_FALSE(dm->Tasks.FieldByName("Required").AsBoolean());
  ASSERT_TRUE(dm->Tasks.Locate("Step", 12));
  EXPECT_TRUE(dm->Tasks.FieldByName("Required").AsBoolean());

  dm.reset();
  EXPECT_TRUE(Rows("TutorComp.cds", tutorial::CompanyFields()).empty());
  EXPECT_TRUE(Rows("TutorCurrency.cds", tutorial::CurrencyFields()).empty());
  EXPECT_EQ(Rows("TutorTasks.cds", tutorial::TasksFields()).size(), 21u);
}

TEST_F(DmMainTest, TheRegistryNamesTheDataFolder) {
  datatest::TempFolder data;
  const std::string folder = data.Path().substr(0, data.Path().size() - 1);  // no separator
  registry_.SetValue(std::string(kMainKey) + "\\Main", "", folder);
  WriteText(data.Path() + "TutorComp.cds",
            data::WriteTableFile(tutorial::CompanyFields(),
                                 {{std::string("Acme"), {}, {}, {}, {}, {}, int32_t{2001}, int32_t{12},
                                   std::string("C:\\Acme.zdb"), true}}));
  auto dm = Start();
  EXPECT_EQ(dm->DataFolder(), data.Path());
  EXPECT_EQ(dm->Company.FieldByName("Name1").AsString(), "Acme");
  dm.reset();
  for (const char* name : {"TutorTasks.cds", "TutorComp.cds", "TutorCurrency.cds", "TutorDefAcct.cds"}) {
    EXPECT_TRUE(std::filesystem::exists(data.Path() + name)) << name;
    EXPECT_FALSE(std::filesystem::exists(File(name))) << name;
  }

  // A value that is not text cannot name a folder: the error is shown, no table opens and
  // no file of the last run is overwritten.
  registry_.SetValue(std::string(kMainKey) + "\\Main", "", uint32_t{1});
  const std::string before = ReadText(data.Path() + "TutorComp.cds");
  dm = Start();
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_FALSE(dm->Company.Active());
  dm.reset();
  EXPECT_EQ(errors_.size(), 1u);
  EXPECT_EQ(ReadText(data.Path() + "TutorComp.cds"), before);
}

TEST_F(DmMainTest, ResetAllTablesEmptiesEverythingButTheTaskRows) {
  auto dm = Start();
  dm->Company.Edit();
  dm->Company.FieldByName("Name1").SetAsString("Posted");
  dm->Company.Post();
  dm->Company.Edit();
  dm->Company.FieldByName("Name1").SetAsString("Unposted");
  dm->DefAcct.Edit();
  dm->DefAcct.FieldByName("Sales").SetAsBoolean(true);
  dm->DefAcct.Post();
  tutorial::SetTaskAccomplished(*dm, 1, true);

  dm->ResetAllTables();
  EXPECT_TRUE(errors_.empty());
  EXPECT_TRUE(dm->Company.IsEmpty());
  EXPECT_EQ(dm->Company.State(), data::TableState::Browse);
  EXPECT_TRUE(dm->DefAcct.IsEmpty());
  EXPECT_EQ(dm->Tasks.RecordCount(), 21);
  EXPECT_FALSE(tutorial::TaskSatisfied(*dm, 1));
  // Closing wrote each table's posted content before emptying it.
  const auto company = Rows("TutorComp.cds", tutorial::CompanyFields());
  ASSERT_EQ(company.size(), 1u);
  EXPECT_EQ(company[0][0], data::Value(std::string("Posted")));
  EXPECT_EQ(Rows("TutorDefAcct.cds", tutorial::DefAcctFields()).size(), 1u);

  dm.reset();
  EXPECT_TRUE(Rows("TutorComp.cds", tutorial::CompanyFields()).empty());
  EXPECT_TRUE(Rows("TutorDefAcct.cds", tutorial::DefAcctFields()).empty());
}

TEST_F(DmMainTest, ATableThatCannotBeWrittenDoesNotStopTheOthers) {
  auto dm = Start();
  dm->Currency.Edit();
  dm->Currency.FieldByName("FirstBaseCode").SetAsString("EUR");
  dm->DefAcct.Edit();
  dm->DefAcct.FieldByName("Payroll").SetAsBoolean(true);
  // Folders in place of the Company and Currency files: neither can be replaced.
  std::filesystem::create_directory(File("TutorComp.cds"));
  std::filesystem::create_directory(File("TutorCurrency.cds"));
  dm.reset();

  ASSERT_EQ(errors_.size(), 1u);  // the first error only
  EXPECT_NE(errors_[0].find("TutorComp.cds"), std::string::npos) << errors_[0];
  EXPECT_EQ(Rows("TutorTasks.cds", tutorial::TasksFields()).size(), 21u);
  const auto defAcct = Rows("TutorDefAcct.cds", tutorial::DefAcctFields());
  ASSERT_EQ(defAcct.size(), 1u);
  EXPECT_EQ(defAcct[0][4], data::Value(true));

  // A folder that does not exist: nothing can be written, one error is shown.
  errors_.clear();
  registry_.SetValue(std::string(kMainKey) + "\\Main", "", folder_.Path() + "gone");
  Start().reset();
  EXPECT_EQ(errors_.size(), 1u);
}

TEST_F(DmMainTest, ASaveInterruptedByACrashKeepsTheLastRunsFile) {
  auto dm = Start();
  dm->Company.Edit();
  dm->Company.FieldByName("Name1").SetAsString("First run");
  dm.reset();

  dm = Start();
  dm->Company.Edit();
  dm->Company.FieldByName("Name1").SetAsString("Second run");
  files_.BeforeReplace = [](const std::string& path) {
    if (os::FileSystem::NameOf(path) == "TutorComp.cds") throw os::FileError("crash");
  };
  dm.reset();
  files_.BeforeReplace = nullptr;
  EXPECT_EQ(errors_, (std::vector<std::string>{"crash"}));

  dm = Start();
  EXPECT_EQ(dm->Company.FieldByName("Name1").AsString(), "First run");
  EXPECT_EQ(dm->Tasks.RecordCount(), 21);
}

}  // namespace
