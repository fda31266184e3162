// The table engine: states and their transitions, editing, ordering, locating and navigation.
#include <gtest/gtest.h>

#include "platform/data/data_error.h"
#include "platform/data/ensure_edit_mode.h"
#include "platform/data/table.h"
#include "tests/unit/data_test_support.h"

namespace {

using data::DataError;
using data::FieldDef;
using data::Table;
using data::TableState;
using datatest::ErrorOf;

class TableTest : public ::testing::Test {
 protected:
  void Add(int step, const std::string& note) {
    table_.Append();
    table_.FieldByName("Step").SetAsInteger(step);
    table_.FieldByName("Note").SetAsString(note);
    table_.Post();
  }
  std::string Notes() {
    std::string notes;
    for (table_.First(); !table_.Eof(); table_.Next())
      notes += table_.FieldByName("Note").AsString();
    return notes;
  }

  Table table_{"Tasks", {FieldDef::Integer("Step"), FieldDef::String("Note", 8)}, "Step"};
  data::Field& note_ = table_.FieldByName("Note");
};

TEST_F(TableTest, EnsureEditModeFollowsTheTableState) {
  EXPECT_EQ(ErrorOf([&] { data::EnsureEditMode(table_); }),
            "Cannot edit record. The file is not open.");
  table_.CreateEmpty();
  data::EnsureEditMode(table_);  // an empty table inserts its first record
  EXPECT_EQ(table_.State(), TableState::Insert);
  data::EnsureEditMode(table_);
  EXPECT_EQ(table_.State(), TableState::Insert);
  note_.SetAsString("a");
  table_.Post();
  data::EnsureEditMode(table_);
  EXPECT_EQ(table_.State(), TableState::Edit);

  for (auto [state, error] :
       {std::pair{TableState::SetKey, "setkey"}, {TableState::CalcFields, "calculate"}}) {
    table_.EnterSpecialState(state);  // an untouched edit is dropped on the way
    EXPECT_EQ(ErrorOf([&] { data::EnsureEditMode(table_); }),
              std::string("Cannot edit record. The record is in ") + error + " state.");
    table_.Cancel();
    EXPECT_EQ(table_.State(), TableState::Browse);
  }
}

TEST_F(TableTest, EditBufferIsShownUntilPostedOrCancelled) {
  table_.CreateEmpty();
  Add(1, "first");
  table_.Edit();
  EXPECT_FALSE(table_.Modified());
  note_.SetAsString("changed");
  EXPECT_TRUE(table_.Modified());
  EXPECT_EQ(note_.AsString(), "changed");
  table_.Cancel();
  EXPECT_EQ(note_.AsString(), "first");

  table_.Append();  // cancelling an insert goes back to the record that was current
  note_.SetAsString("dropped");
  table_.Cancel();
  EXPECT_EQ(note_.AsString(), "first");

  table_.Edit();  // moving away posts a changed edit...
  note_.SetAsString("kept");
  table_.Next();
  table_.Append();  // ...and drops an untouched insert
  table_.First();
  EXPECT_EQ(Notes(), "kept");

  table_.Edit();  // closing drops an unposted edit together with the records
  note_.SetAsString("lost");
  table_.Close();
  EXPECT_TRUE(note_.IsNull());
  EXPECT_THROW(table_.Edit(), DataError);
}

TEST_F(TableTest, TheIndexOrdersRecordsAndLocateMovesToAKey) {
  table_.CreateEmpty();
  Add(3, "c");
  Add(1, "a");
  Add(2, "b");
  EXPECT_EQ(Notes(), "abc");
  ASSERT_TRUE(table_.Locate("Step", 2));
  EXPECT_EQ(note_.AsString(), "b");
  EXPECT_FALSE(table_.Locate("Step", 9));
  EXPECT_FALSE(table_.Locate("Step", "not a number"));
  EXPECT_EQ(note_.AsString(), "b");  // a failed lookup does not move

  ASSERT_TRUE(table_.Locate("Step", 1));  // a changed key moves the record, which stays current
  table_.Edit();
  table_.FieldByName("Step").SetAsInteger(5);
  table_.Post();
  EXPECT_EQ(table_.RecNo(), 2);
  EXPECT_EQ(note_.AsString(), "a");
  Add(3, "d");  // after the records of equal key
  EXPECT_EQ(Notes(), "bcda");

  table_.EmptyTable();
  EXPECT_TRUE(table_.IsEmpty() && table_.Bof() && table_.Eof());
}

}  // namespace
