// Field values: conversions between kinds, the limits a field enforces, and the text handlers.
#include <gtest/gtest.h>

#include "platform/data/data_error.h"
#include "platform/data/table.h"
#include "tests/unit/data_test_support.h"

namespace {

using data::DataError;
using data::FieldDef;
using datatest::ErrorOf;

class FieldTest : public ::testing::Test {
 protected:
  void SetUp() override { table_.CreateEmpty(), table_.Append(); }
  data::Field& F(const char* name) { return table_.FieldByName(name); }

  data::Table table_{
      "Company",
      {FieldDef::String("Code", 5), FieldDef::Integer("FiscYear"),
       FieldDef::Integer("Periods", 1, 12), FieldDef::Boolean("Created"), FieldDef::Memo("Path")}};
};

TEST_F(FieldTest, TextIsReadByKindAndValuesBeyondTheLimitsAreRefused) {
  EXPECT_EQ(ErrorOf([&] { F("FiscYear").SetEditText("abc"); }),
            "'abc' is not a valid integer value for field 'FiscYear'");
  for (const char* bad : {"12x", "2147483648", "+-5", "1.5", " - 3"}) {
    EXPECT_THROW(F("FiscYear").SetEditText(bad), DataError) << bad;
  }
  F("FiscYear").SetEditText(" -2147483648 ");
  EXPECT_EQ(F("FiscYear").AsInteger(), INT32_MIN);
  F("FiscYear").SetEditText("");
  EXPECT_TRUE(F("FiscYear").IsNull());
  F("Created").SetEditText("true");
  EXPECT_EQ(F("Created").AsString(), "True");
  EXPECT_THROW(F("Created").SetEditText("maybe"), DataError);
  F("Code").SetEditText("");  // "" is a value of a text field, apart from null
  EXPECT_FALSE(F("Code").IsNull());

  F("Code").SetAsString("ÄÖÜßé");  // five characters, ten bytes
  EXPECT_EQ(ErrorOf([&] { F("Code").SetAsString("abcdef"); }),
            "Value 'abcdef' is too long for field 'Code' (at most 5 characters)");
  for (const char* bad : {"a\xC3", "\xC0\xAF", "\xED\xA0\x80"}) {  // cut, overlong, surrogate
    EXPECT_THROW(F("Code").SetAsString(bad), DataError);
  }
  EXPECT_EQ(F("Code").AsString(), "ÄÖÜßé");
  EXPECT_EQ(ErrorOf([&] { F("Periods").SetEditText("13"); }),
            "13 is not a valid value for field 'Periods'. The allowed range is 1 to 12");
  F("Path").SetAsString(std::string(5000, 'x'));  // a memo has no length limit
  EXPECT_EQ(F("Path").DisplayText(), "(MEMO)");   // unless a handler shows the text

  table_.Post();
  EXPECT_EQ(ErrorOf([&] { F("Code").SetAsString("x"); }),
            "Table 'Company' is not in edit or insert mode");
}

}  // namespace
