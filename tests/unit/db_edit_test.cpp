// The data-bound edit: what it shows, what it writes, and how it refuses a bad integer.
#include <gtest/gtest.h>

#include "Tutorial/dmMain.h"
#include "platform/data/table.h"
#include "platform/ui/db_edit.h"
#include "platform/ui/errors.h"

namespace {

struct Bound {
  Bound() {
    company.CreateEmpty();
    name.SetDataSource(&company);
    name.SetDataField("Name1");
    year.SetDataSource(&company);
    year.SetDataField("FiscYear");
  }
  data::Table company{"Company", tutorial::CompanyFields()};
  ui::DBEdit name;
  ui::DBEdit year;
};

}  // namespace

TEST(DBEdit, TypingGoesIntoTheRecordAndStringSizesLimitTheEdit) {
  Bound b;
  EXPECT_EQ(b.name.MaxLength(), 45);
  b.name.UserChangedText("Acme");
  EXPECT_EQ(b.company.State(), data::TableState::Insert);
  EXPECT_EQ(b.company.FieldByName("Name1").AsString(), "Acme");
  EXPECT_EQ(b.name.Text(), "Acme");  // not replaced while it was stored

  b.company.FieldByName("Name1").SetAsString("Other");  // code writes: the edit follows
  EXPECT_EQ(b.name.Text(), "Other");
  b.company.Cancel();
  EXPECT_EQ(b.name.Text(), "");
}

TEST(DBEdit, IntegerFieldsTakeDigitsAndSignsAndRefuseOtherTextOnExit) {
  Bound b;
  EXPECT_TRUE(b.year.AcceptsChar(U'7'));
  EXPECT_TRUE(b.year.AcceptsChar(U'-'));
  EXPECT_FALSE(b.year.AcceptsChar(U'x'));
  EXPECT_TRUE(b.name.AcceptsChar(U'x'));

  b.year.UserChangedText("2026");
  EXPECT_EQ(b.company.FieldByName("FiscYear").AsInteger(), 2026);
  b.year.UserChangedText("20x6");  // pasted: not written while it is no number
  EXPECT_EQ(b.company.FieldByName("FiscYear").AsInteger(), 2026);
  try {
    b.year.DoExit();
    FAIL() << "leaving with a non-integer text must raise";
  } catch (const ui::Error& e) {
    EXPECT_STREQ(e.what(), "'20x6' is not a valid integer value for field 'FiscYear'");
  }
  EXPECT_EQ(b.company.FieldByName("FiscYear").AsInteger(), 2026);  // the old value stays
  EXPECT_EQ(b.year.Text(), "2026");
}
