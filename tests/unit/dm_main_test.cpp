// The assistant's state store: start-up from whatever files are there, the task rows,
// resetting, and saving at the end of a run.
#include <gtest/gtest.h>

#include <filesystem>

#include "Tutorial/dmMain.h"
#include "platform/data/table_file.h"
#include "platform/os/error.h"
#include "tests/unit/data_test_support.h"

namespace {

using datatest::WriteText;
using tutorial::TdmMainData;

const std::string kMainKey = "Software\\Tavrilenk\\Zendri Accounting 2000";

class DmMainTest : public datatest::BackendTest {
 protected:
  std::unique_ptr<TdmMainData> Start() {
    return std::make_unique<TdmMainData>(
        host_ + "Host.exe", [this](const std::exception& e) { errors_.push_back(e.what()); });
  }
  std::string File(const char* name) const { return host_ + name; }
  std::vector<data::Row> Rows(const char* name, const data::FieldDefs& defs) const {
    return data::ReadTableFile(datatest::ReadText(File(name)), defs);
  }

  std::string host_ = folder_.Path();
  std::vector<std::string> errors_;
};

TEST_F(DmMainTest, FirstRunCreatesTheTaskRowsAndWritesFourFiles) {
  auto dm = Start();
  EXPECT_EQ(dm->DataFolder(), host_);
  EXPECT_TRUE(registry_.KeyExists(kMainKey));
  EXPECT_FALSE(registry_.KeyExists(kMainKey + "\\Main"));  // only read, never made
  EXPECT_TRUE(dm->Company.IsEmpty() && dm->Currency.IsEmpty() && dm->DefAcct.IsEmpty());
  std::vector<int> steps, required;
  for (dm->Tasks.First(); !dm->Tasks.Eof(); dm->Tasks.Next()) {
    steps.push_back(dm->Tasks.FieldByName("Step").AsInteger());
    EXPECT_FALSE(dm->Tasks.FieldByName("Accomplished").AsBoolean());
    if (dm->Tasks.FieldByName("Required").AsBoolean()) required.push_back(steps.back());
  }
  EXPECT_EQ(steps.size(), 21u);
  EXPECT_EQ(steps.back(), 21);
  EXPECT_EQ(required, (std::vector<int>{1, 2, 4, 5, 6, 7, 8}));
  EXPECT_FALSE(tutorial::TaskSatisfied(*dm, 22));

  dm.reset();
  EXPECT_TRUE(errors_.empty());
  EXPECT_EQ(Rows("TutorTasks.cds", tutorial::TasksFields()).size(), 21u);
  EXPECT_TRUE(Rows("TutorDefAcct.cds", tutorial::DefAcctFields()).empty());
}

TEST_F(DmMainTest, WhatARunEntersIsThereInTheNext) {
  auto dm = Start();
  dm->Company.Edit();  // inserts the record, of a company not created yet
  EXPECT_FALSE(dm->Company.FieldByName("Created").IsNull());
  const std::string path = "C:\\" + std::string(3000, 'p') + "\\Zoë's Bakery.zdb";
  dm->Company.FieldByName("Path").SetEditText(path);
  EXPECT_EQ(dm->Company.FieldByName("Path").DisplayText(), path);  // the whole text
  dm->Company.Post();
  tutorial::SetTaskAccomplished(*dm, 7, true);
  tutorial::SetTaskAccomplished(*dm, 99, true);  // no such task: nothing happens
  EXPECT_TRUE(tutorial::TaskSatisfied(*dm, 7));
  EXPECT_FALSE(tutorial::TaskSatisfied(*dm, 8));
  dm->Currency.Edit();  // left in the edit state when the run ends: posted and saved
  dm->Currency.FieldByName("FirstBaseCode").SetEditText("USD");
  dm.reset();

  dm = Start();
  EXPECT_EQ(dm->Company.FieldByName("Path").AsString(), path);
  EXPECT_FALSE(dm->Company.FieldByName("Created").AsBoolean());
  EXPECT_EQ(dm->Currency.FieldByName("FirstBaseCode").AsString(), "USD");
  EXPECT_TRUE(tutorial::TaskSatisfied(*dm, 7));
  EXPECT_FALSE(tutorial::TaskSatisfied(*dm, 6));
  EXPECT_TRUE(errors_.empty());
}

TEST_F(DmMainTest, UnusableFilesStartTheirTableEmptyAndAreReplaced) {
  // Tasks lacks most rows; the stored ones keep their flags, whatever the defaults say.
  WriteText(File("TutorTasks.cds"),
            data::WriteTableFile(tutorial::TasksFields(),
                                 {{int32_t{2}, true, false}, {int32_t{12}, false, true}}));
  WriteText(File("TutorComp.cds"), "\x01garbage");
  WriteText(
      File("TutorCurrency.cds"),
      data::WriteTableFile({data::FieldDef::String("FirstBaseCode", 3)}, {{std::string("USD")}}));
  auto dm = Start();
  EXPECT_TRUE(dm->Company.IsEmpty() && dm->Currency.IsEmpty());
  EXPECT_EQ(dm->Tasks.RecordCount(), 21);
  EXPECT_TRUE(tutorial::TaskSatisfied(*dm, 2));
  EXPECT_FALSE(tutorial::TaskSatisfied(*dm, 12));
  dm.reset();
  EXPECT_TRUE(errors_.empty());
  EXPECT_TRUE(Rows("TutorComp.cds", tutorial::CompanyFields()).empty());
  EXPECT_TRUE(Rows("TutorCurrency.cds", tutorial::CurrencyFields()).empty());
}

TEST_F(DmMainTest, TheRegistryNamesTheDataFolder) {
  datatest::TempFolder data;
  registry_.SetValue(kMainKey + "\\Main", "", data.Path().substr(0, data.Path().size() - 1));
  WriteText(data.Path() + "TutorComp.cds",
            data::WriteTableFile(tutorial::CompanyFields(),
                                 {{std::string("Acme"), {}, {}, {}, {}, {}, {}, {}, {}, true}}));
  auto dm = Start();
  EXPECT_EQ(dm->DataFolder(), data.Path());
  EXPECT_EQ(dm->Company.FieldByName("Name1").AsString(), "Acme");
  dm.reset();
  EXPECT_TRUE(std::filesystem::exists(data.Path() + "TutorTasks.cds"));
  EXPECT_FALSE(std::filesystem::exists(File("TutorTasks.cds")));

  // A value that is not text names no folder: the error is shown, no table opens and no
  // file of the last run is overwritten.
  registry_.SetValue(kMainKey + "\\Main", "", uint32_t{1});
  const auto before = std::filesystem::last_write_time(data.Path() + "TutorComp.cds");
  Start().reset();
  EXPECT_EQ(errors_, (std::vector<std::string>{"Invalid data type for ''"}));
  EXPECT_EQ(std::filesystem::last_write_time(data.Path() + "TutorComp.cds"), before);
}

TEST_F(DmMainTest, ResetAllTablesEmptiesEverythingButTheTaskRows) {
  auto dm = Start();
  dm->Company.Edit();
  dm->Company.FieldByName("Name1").SetAsString("Posted");
  dm->Company.Post();
  dm->Company.Edit();
  dm->Company.FieldByName("Name1").SetAsString("Unposted");
  tutorial::SetTaskAccomplished(*dm, 1, true);

  dm->ResetAllTables();
  EXPECT_TRUE(dm->Company.IsEmpty());
  EXPECT_EQ(dm->Company.State(), data::TableState::Browse);
  EXPECT_EQ(dm->Tasks.RecordCount(), 21);
  EXPECT_FALSE(tutorial::TaskSatisfied(*dm, 1));
  // Closing wrote each table's posted content before emptying it.
  const auto company = Rows("TutorComp.cds", tutorial::CompanyFields());
  ASSERT_EQ(company.size(), 1u);
  EXPECT_EQ(company[0][0], data::Value(std::string("Posted")));
  dm.reset();
  EXPECT_TRUE(errors_.empty());
  EXPECT_TRUE(Rows("TutorComp.cds", tutorial::CompanyFields()).empty());
}

TEST_F(DmMainTest, ATableThatCannotBeWrittenDoesNotStopTheOthers) {
  auto dm = Start();
  dm->DefAcct.Edit();
  dm->DefAcct.FieldByName("Payroll").SetAsBoolean(true);
  // Folders in place of the Company and Currency files: neither can be replaced.
  std::filesystem::create_directory(File("TutorComp.cds"));
  std::filesystem::create_directory(File("TutorCurrency.cds"));
  dm.reset();
  EXPECT_EQ(errors_, (std::vector<std::string>{"Cannot create file '" + File("TutorComp.cds") +
                                               "': Is a directory"}));
  EXPECT_EQ(Rows("TutorTasks.cds", tutorial::TasksFields()).size(), 21u);
  const auto defAcct = Rows("TutorDefAcct.cds", tutorial::DefAcctFields());
  ASSERT_EQ(defAcct.size(), 1u);
  EXPECT_EQ(defAcct[0][4], data::Value(true));
}

}  // namespace
