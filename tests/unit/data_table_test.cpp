// The table engine: states and their transitions, editing, ordering, locating and navigation.
#include <gtest/gtest.h>

#include "platform/data/data_error.h"
#include "platform/data/ensure_edit_mode.h"
#include "platform/data/table.h"
#include "platform/os/error.h"
#include "tests/unit/data_test_support.h"

namespace {

using data::FieldDef;
using data::Table;
using data::TableState;
using datatest::ErrorOf;

data::FieldDefs TaskFields() {
  return {FieldDef::Integer("Step"), FieldDef::Boolean("Accomplished"), FieldDef::String("Note", 8)};
}

void AddTask(Table& table, int step, const std::string& note = {}) {
  table.Append();
  table.FieldByName("Step").SetAsInteger(step);
  if (!note.empty()) table.FieldByName("Note").SetAsString(note);
  table.Post();
}

std::vector<int> Steps(Table& table) {
  std::vector<int> steps;
  for (table.First(); !table.Eof(); table.Next()) steps.push_back(table.FieldByName("Step").AsInteger());
  return steps;
}

TEST(TableTest, EnsureEditModeFollowsTheTableState) {
  Table table("Tasks", TaskFields());
  EXPECT_EQ(ErrorOf([&] { data::EnsureEditMode(table); }), "Cannot edit record. The file is not open.");

  table.CreateEmpty();
  EXPECT_EQ(table.State(), TableState::Browse);
  data::EnsureEditMode(table);  // an empty table inserts its first record
  EXPECT_EQ(table.State(), TableState::Insert);
  data::EnsureEditMode(table);
  EXPECT_EQ(table.State(), TableState::Insert);
  table.FieldByName("Step").SetAsInteger(1);
  table.Post();
  EXPECT_EQ(table.RecordCount(), 1);

  data::EnsureEditMode(table);
  EXPECT_EQ(table.State(), TableState::Edit);
  table.Cancel();

  table.EnterSpecialState(TableState::SetKey);
  EXPECT_EQ(ErrorOf([&] { data::EnsureEditMode(table); }),
            "Cannot edit record. The record is in setkey state.");
  EXPECT_THROW(table.Edit(), data::DataError);
  table.Cancel();
  table.EnterSpecialState(TableState::CalcFields);
  EXPECT_EQ(ErrorOf([&] { data::EnsureEditMode(table); }),
            "Cannot edit record. The record is in calculate state.");
  table.Cancel();
  EXPECT_EQ(table.State(), TableState::Browse);
  EXPECT_THROW(table.EnterSpecialState(TableState::Edit), data::DataError);
}

TEST(TableTest, EditBufferIsShownUntilPostedOrCancelled) {
  Table table("Tasks", TaskFields());
  table.CreateEmpty();
  AddTask(table, 1, "first");
  data::Field& note = table.FieldByName("Note");

  table.Edit();
  EXPECT_FALSE(table.Modified());
  note.SetAsString("changed");
  EXPECT_TRUE(table.Modified());
  EXPECT_EQ(note.AsString(), "changed");
  table.Cancel();
  EXPECT_EQ(note.AsString(), "first");
  EXPECT_FALSE(table.Modified());

  table.Edit();
  note.SetAsString("kept");
  table.Post();
  EXPECT_EQ(note.AsString(), "kept");
  EXPECT_EQ(table.RecordCount(), 1);

  // Cancelling an insert goes back to the record that was current.
  table.Append();
  EXPECT_TRUE(note.IsNull());
  note.SetAsString("dropped");
  table.Cancel();
  EXPECT_EQ(table.RecordCount(), 1);
  EXPECT_EQ(note.AsString(), "kept");

  // Closing drops an unposted edit together with the records.
  table.Edit();
  note.SetAsString("lost");
  table.Close();
  EXPECT_EQ(table.State(), TableState::Inactive);
  EXPECT_TRUE(note.IsNull());
  EXPECT_THROW(table.Edit(), data::DataError);
  table.CreateEmpty();
  EXPECT_TRUE(table.IsEmpty());
}

TEST(TableTest, LeavingARecordPostsAChangedEditAndDropsAnUntouchedOne) {
  Table table("Tasks", TaskFields());
  table.CreateEmpty();
  AddTask(table, 1);
  AddTask(table, 2);

  table.First();
  table.Edit();
  table.FieldByName("Note").SetAsString("done");
  table.Next();
  EXPECT_EQ(table.State(), TableState::Browse);
  table.First();
  EXPECT_EQ(table.FieldByName("Note").AsString(), "done");

  table.Append();  // nothing typed: moving away drops it
  table.Last();
  EXPECT_EQ(table.RecordCount(), 2);

  table.EmptyTable();
  EXPECT_TRUE(table.IsEmpty());
  EXPECT_TRUE(table.Eof());
  EXPECT_TRUE(table.Bof());
}

TEST(TableTest, AnIndexFieldOrdersRecordsAndLocateMovesToAKey) {
  Table table("Tasks", TaskFields(), "Step");
  table.CreateEmpty();
  AddTask(table, 3, "c");
  AddTask(table, 1, "a");
  AddTask(table, 2, "b");
  EXPECT_EQ(Steps(table), (std::vector<int>{1, 2, 3}));

  ASSERT_TRUE(table.Locate("Step", 2));
  EXPECT_EQ(table.FieldByName("Note").AsString(), "b");
  EXPECT_FALSE(table.Locate("Step", 9));
  EXPECT_FALSE(table.Locate("Step", "not a number"));
  EXPECT_EQ(table.FieldByName("Note").AsString(), "b");  // a failed lookup does not move
  EXPECT_TRUE(table.Locate("Note", "c"));

  // A changed key moves the record to its new place and stays current.
  ASSERT_TRUE(table.Locate("Step", 1));
  table.Edit();
  table.FieldByName("Step").SetAsInteger(5);
  table.Post();
  EXPECT_EQ(table.FieldByName("Note").AsString(), "a");
  EXPECT_EQ(table.RecNo(), 2);
  EXPECT_EQ(Steps(table), (std::vector<int>{2, 3, 5}));

  // Records with the same key keep the order in which they were posted.
  AddTask(table, 3, "c2");
  table.Locate("Step", 5);
  table.Prior();
  EXPECT_EQ(table.FieldByName("Note").AsString(), "c2");
}

TEST(TableTest, NewRecordAndBeforePostHandlers) {
  Table table("Company", {FieldDef::String("Name1", 45), FieldDef::Boolean("Created")});
  table.OnNewRecord = [](Table& t) { t.FieldByName("Created").SetAsBoolean(false); };
  bool refuse = true;
  table.BeforePost = [&](Table&) {
    if (refuse) throw data::DataError("not yet");
  };
  table.CreateEmpty();
  table.Edit();
  EXPECT_EQ(table.State(), TableState::Insert);
  EXPECT_FALSE(table.FieldByName("Created").IsNull());
  EXPECT_FALSE(table.Modified());  // defaults are not the user's changes

  table.FieldByName("Name1").SetAsString("Acme");
  EXPECT_THROW(table.Post(), data::DataError);
  EXPECT_EQ(table.State(), TableState::Insert);
  EXPECT_EQ(table.FieldByName("Name1").AsString(), "Acme");
  refuse = false;
  table.Post();
  EXPECT_EQ(table.RecordCount(), 1);
}

TEST(TableTest, OpenFailsOnAMissingFileAndLeavesTheTableClosed) {
  datatest::TempFolder folder;
  headless::PosixFileSystem files;
  os::SetFiles(&files);
  Table table("Tasks", TaskFields());
  table.SetFileName(folder.Path() + "missing.cds");
  EXPECT_THROW(table.Open(), os::FileError);
  EXPECT_EQ(table.State(), TableState::Inactive);

  datatest::WriteText(table.FileName(), "{}");
  const std::string error = ErrorOf([&] { table.Open(); });
  EXPECT_NE(error.find("Cannot open table 'Tasks' from '" + table.FileName() + "'"), std::string::npos)
      << error;
  EXPECT_FALSE(table.Active());
  os::SetFiles(nullptr);
}

}  // namespace
