// Field values: conversions between kinds, the limits a field enforces, and the text handlers.
#include <gtest/gtest.h>

#include "platform/data/data_error.h"
#include "platform/data/table.h"
#include "tests/unit/data_test_support.h"

namespace {

using data::FieldDef;
using datatest::ErrorOf;

class FieldTest : public ::testing::Test {
 protected:
  void SetUp() override {
    table_.CreateEmpty();
    table_.Append();
  }
  data::Field& F(const char* name) { return table_.FieldByName(name); }

  data::Table table_{"Company",
                     {FieldDef::String("Code", 5), FieldDef::Integer("FiscYear"),
                      FieldDef::Integer("Periods", 1, 12), FieldDef::Boolean("Created"),
                      FieldDef::Memo("Path")}};
};

TEST_F(FieldTest, TextIsReadAccordingToTheFieldKind) {
  EXPECT_EQ(ErrorOf([&] { F("FiscYear").SetEditText("abc"); }),
            "'abc' is not a valid integer value for field 'FiscYear'");
  for (const char* bad : {"12x", "2147483648", "+-5", "1.5", " - 3"}) {
    EXPECT_THROW(F("FiscYear").SetEditText(bad), data::DataError) << bad;
  }
  F("FiscYear").SetEditText(" -2147483648 ");
  EXPECT_EQ(F("FiscYear").AsInteger(), INT32_MIN);
  F("FiscYear").SetEditText("+2024");
  EXPECT_EQ(F("FiscYear").AsString(), "2024");
  F("FiscYear").SetEditText("");
  EXPECT_TRUE(F("FiscYear").IsNull());
  EXPECT_EQ(F("FiscYear").AsInteger(), 0);

  F("Created").SetEditText("true");
  EXPECT_TRUE(F("Created").AsBoolean());
  EXPECT_EQ(F("Created").AsString(), "True");
  F("Created").SetEditText("F");
  EXPECT_FALSE(F("Created").AsBoolean());
  EXPECT_EQ(ErrorOf([&] { F("Created").SetEditText("maybe"); }),
            "'maybe' is not a valid boolean value for field 'Created'");

  // A text field holds text as typed: digits are not numbers, "" is not null.
  F("Code").SetAsInteger(-42);
  EXPECT_EQ(F("Code").AsString(), "-42");
  EXPECT_EQ(F("Code").AsInteger(), -42);
  F("Code").SetEditText("");
  EXPECT_FALSE(F("Code").IsNull());
  F("Code").Clear();
  EXPECT_TRUE(F("Code").IsNull());
}

TEST_F(FieldTest, ValuesBeyondTheFieldLimitsAreRefusedAndLeaveTheOldValue) {
  F("Code").SetAsString("ÄÖÜßé");  // five characters, ten bytes
  EXPECT_EQ(ErrorOf([&] { F("Code").SetAsString("abcdef"); }),
            "Value 'abcdef' is too long for field 'Code' (at most 5 characters)");
  EXPECT_THROW(F("Code").SetAsString("a\xC3"), data::DataError);      // cut in the middle
  EXPECT_THROW(F("Code").SetAsString("\xC0\xAF"), data::DataError);   // overlong '/'
  EXPECT_THROW(F("Code").SetAsString("\xED\xA0\x80"), data::DataError);  // a lone surrogate
  EXPECT_EQ(F("Code").AsString(), "ÄÖÜßé");

  F("Periods").SetAsInteger(12);
  EXPECT_EQ(ErrorOf([&] { F("Periods").SetAsInteger(13); }),
            "13 is not a valid value for field 'Periods'. The allowed range is 1 to 12");
  EXPECT_THROW(F("Periods").SetEditText("0"), data::DataError);
  EXPECT_EQ(F("Periods").AsInteger(), 12);

  F("Path").SetAsString(std::string(5000, 'x'));  // a memo has no length limit
  EXPECT_EQ(F("Path").AsString().size(), 5000u);
}

TEST_F(FieldTest, DisplayAndEditTextGoThroughTheHandlers) {
  data::Field& path = F("Path");
  EXPECT_EQ(path.DisplayText(), "(memo)");
  path.SetEditText("C:\\Data\\New.zdb");
  EXPECT_EQ(path.DisplayText(), "(MEMO)");

  path.OnGetText = [](const data::Field& field) { return "<" + field.AsString() + ">"; };
  path.OnSetText = [](data::Field& field, const std::string& text) { field.SetAsString(text + "!"); };
  path.SetEditText("D:");
  EXPECT_EQ(path.AsString(), "D:!");
  EXPECT_EQ(path.DisplayText(), "<D:!>");
  EXPECT_EQ(F("FiscYear").DisplayText(), "");
}

TEST_F(FieldTest, FieldsAreWrittenOnlyWhileEditing) {
  table_.Post();
  EXPECT_EQ(ErrorOf([&] { F("Code").SetAsString("x"); }),
            "Table 'Company' is not in edit or insert mode");
  EXPECT_EQ(&table_.FieldByName("fiscyear"), &F("FiscYear"));
  EXPECT_EQ(ErrorOf([&] { table_.FieldByName("Nope"); }),
            "Field 'Nope' not found in table 'Company'");
}

}  // namespace
