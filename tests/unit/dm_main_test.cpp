// The assistant's state store: start-up from whatever files are there, the task rows,
// resetting, and saving at the end of a run.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <tuple>

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

  // The files kept aside for `name` under the given kind ("damaged", "locked", ...).
  std::vector<std::string> Aside(const std::string& name, const std::string& kind) const {
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(host_)) {
      if (entry.path().filename().string().starts_with(name + "." + kind + "-"))
        found.push_back(entry.path().string());
    }
    return found;
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

TEST_F(DmMainTest, MissingRowsAreAddedAndMendedFilesKeptAside) {
  // Tasks lacks most rows; the stored ones keep their flags, whatever the defaults say.
  WriteText(File("TutorTasks.cds"),
            data::WriteTableFile(tutorial::TasksFields(),
                                 {{int32_t{2}, true, false}, {int32_t{12}, false, true}}));
  // Another field list: what it shares with the table is read.
  const std::string currency =
      data::WriteTableFile({data::FieldDef::String("FirstBaseCode", 3)}, {{std::string("USD")}});
  WriteText(File("TutorCurrency.cds"), currency);
  auto dm = Start();
  EXPECT_EQ(dm->Tasks.RecordCount(), 21);
  EXPECT_TRUE(tutorial::TaskSatisfied(*dm, 2));
  EXPECT_FALSE(tutorial::TaskSatisfied(*dm, 12));
  EXPECT_EQ(dm->Currency.FieldByName("FirstBaseCode").AsString(), "USD");
  const auto notices = dm->TakeNotices();
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_NE(notices[0].find("'TutorCurrency.cds'"), std::string::npos) << notices[0];
  dm.reset();
  EXPECT_TRUE(errors_.empty());
  EXPECT_EQ(Rows("TutorCurrency.cds", tutorial::CurrencyFields())[0][0], data::Value("USD"));
  const auto aside = Aside("TutorCurrency.cds", "mended");
  ASSERT_EQ(aside.size(), 1u);
  EXPECT_EQ(datatest::ReadText(aside[0]), currency);
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

  // A value that is not text names no folder: the error says so, the tables open empty
  // (so the run can go on) and no file of the last run is overwritten.
  registry_.SetValue(kMainKey + "\\Main", "", uint32_t{1});
  const auto before = std::filesystem::last_write_time(data.Path() + "TutorComp.cds");
  dm = Start();
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_NE(errors_[0].find("registry value \"" + kMainKey + "\\Main\": it is not text."),
            std::string::npos)
      << errors_[0];
  dm->Company.Edit();
  dm->Company.FieldByName("Name1").SetAsString("Typed");
  dm.reset();
  EXPECT_EQ(errors_.size(), 1u);
  EXPECT_EQ(std::filesystem::last_write_time(data.Path() + "TutorComp.cds"), before);
  EXPECT_FALSE(std::filesystem::exists(File("TutorComp.cds")));
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
  EXPECT_EQ(errors_, (std::vector<std::string>{"Cannot save the company details to '" +
                                               File("TutorComp.cds") + "': is a directory."}));
  EXPECT_EQ(Rows("TutorTasks.cds", tutorial::TasksFields()).size(), 21u);
  const auto defAcct = Rows("TutorDefAcct.cds", tutorial::DefAcctFields());
  ASSERT_EQ(defAcct.size(), 1u);
  EXPECT_EQ(defAcct[0][4], data::Value(true));
}

// Every failing step of a save reaches the user with the table's file and the reason.
TEST_F(DmMainTest, SaveFailuresNameTheFileAndTheSystemsReason) {
  for (auto [call, error, reason] : {std::tuple{"create", EROFS, "read-only file system."},
                                     {"write", ENOSPC, "no space left on device."},
                                     {"flush", EIO, "input/output error."},
                                     {"replace", EACCES, "permission denied."}}) {
    errors_.clear();
    auto dm = Start();
    files_.InjectError = [&, call = call, error = error](std::string_view c,
                                                         const std::string& path) {
      return c == call && path == File("TutorTasks.cds") ? error : 0;
    };
    dm.reset();
    files_.InjectError = nullptr;
    EXPECT_EQ(errors_, (std::vector<std::string>{"Cannot save the tasks to '" +
                                                 File("TutorTasks.cds") + "': " + reason}));
    EXPECT_TRUE(std::filesystem::exists(File("TutorComp.cds"))) << "the others are saved";
  }
  // A data folder that is missing, or a file: every table says why it was not saved.
  for (const std::string& folder : {host_ + "gone", host_ + "TutorComp.cds"}) {
    errors_.clear();
    registry_.SetValue(kMainKey + "\\Main", "", folder);
    Start().reset();
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_EQ(errors_[0].find("Cannot save the company details to '" + folder + "/TutorComp.cds': "),
              0u) << errors_[0];
  }
}

// A file that could not be read is never overwritten: the table starts empty, the user is
// told once, and the file is kept aside (at once for bad content, when the run changes the
// table for a file that was only held); the other tables are saved as usual.
TEST_F(DmMainTest, UnreadableFilesAreKeptAsideAndTheUserToldOnce) {
  const std::string company = data::WriteTableFile(
      tutorial::CompanyFields(), {{std::string("Acme"), {}, {}, {}, {}, {}, {}, {}, {}, true}});
  std::string tooLarge = company;
  tooLarge.insert(tooLarge.size() - 1, data::kMaxTableFileBytes, ' ');
  std::string otherVersion = company;
  otherVersion.replace(otherVersion.find("\"version\":1"), 11, "\"version\":2");
  struct Case {
    const char* kind;
    std::string content;
    int openError;
  };
  const Case cases[] = {{"damaged", "\x01garbage", 0},
                        {"too-large", tooLarge, 0},
                        {"other-layout", otherVersion, 0},
                        {"locked", company, EBUSY},
                        {"denied", company, EACCES}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    for (const auto& entry : std::filesystem::directory_iterator(host_))
      std::filesystem::remove_all(entry.path());
    WriteText(File("TutorComp.cds"), c.content);
    files_.InjectError = [&](std::string_view call, const std::string& path) {
      return call == "open" && path == File("TutorComp.cds") ? c.openError : 0;
    };
    files_.OnWait = [](int) {};
    auto dm = Start();
    files_.InjectError = nullptr;
    EXPECT_TRUE(dm->Company.IsEmpty());
    EXPECT_TRUE(dm->Unread(dm->Company));
    EXPECT_FALSE(dm->Unread(dm->Tasks));
    auto notices = dm->TakeNotices();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].find("'TutorComp.cds' "), 0u) << notices[0];
    EXPECT_NE(notices[0].find("TutorComp.cds." + std::string(c.kind) + "-"), std::string::npos)
        << notices[0];
    EXPECT_TRUE(dm->TakeNotices().empty());
    dm->Company.Edit();
    dm->Company.FieldByName("Name1").SetAsString("New");
    dm.reset();
    EXPECT_TRUE(errors_.empty()) << errors_[0];
    const auto aside = Aside("TutorComp.cds", c.kind);
    ASSERT_EQ(aside.size(), 1u);
    EXPECT_EQ(datatest::ReadText(aside[0]), c.content);
    EXPECT_EQ(Rows("TutorComp.cds", tutorial::CompanyFields())[0][0], data::Value("New"));
    EXPECT_EQ(Rows("TutorTasks.cds", tutorial::TasksFields()).size(), 21u);

    dm = Start();  // told once: the next run reads the new file
    EXPECT_TRUE(dm->TakeNotices().empty());
    EXPECT_EQ(dm->Company.FieldByName("Name1").AsString(), "New");
    dm.reset();
  }
}

TEST_F(DmMainTest, AFileHeldByAnotherProgramIsLeftToItWhenTheRunChangesNothing) {
  const std::string company = data::WriteTableFile(
      tutorial::CompanyFields(), {{std::string("Acme"), {}, {}, {}, {}, {}, {}, {}, {}, true}});
  WriteText(File("TutorComp.cds"), company);
  int waits = 0;
  files_.OnWait = [&](int) { ++waits; };
  files_.InjectError = [&](std::string_view call, const std::string& path) {
    return path == File("TutorComp.cds") && (call == "open" || call == "rename") ? EBUSY : 0;
  };
  auto dm = Start();
  EXPECT_GT(waits, 0) << "retried before giving up";
  EXPECT_EQ(dm->TakeNotices().size(), 1u);
  dm.reset();
  EXPECT_TRUE(errors_.empty());
  EXPECT_EQ(datatest::ReadText(File("TutorComp.cds")), company);

  // Changed while the file is still held: it cannot be kept aside, so it is not replaced.
  dm = Start();
  dm->Company.Edit();
  dm->Company.FieldByName("Name1").SetAsString("New");
  dm.reset();
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_EQ(errors_[0], "Cannot save the company details to '" + File("TutorComp.cds") +
                            "': the file there could not be kept aside first: device or "
                            "resource busy.");
  EXPECT_EQ(datatest::ReadText(File("TutorComp.cds")), company);

  // Released during the retries: read as usual.
  int busy = 2;
  files_.InjectError = [&](std::string_view call, const std::string& path) {
    return call == "open" && path == File("TutorComp.cds") && busy-- > 0 ? EBUSY : 0;
  };
  dm = Start();
  EXPECT_EQ(dm->Company.FieldByName("Name1").AsString(), "Acme");
  EXPECT_TRUE(dm->TakeNotices().empty());
  EXPECT_FALSE(dm->Unread(dm->Company));
}

}  // namespace
