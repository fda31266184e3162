// The table file: every kind of value reads back exactly as written, and files that do not
// hold this table's field list are refused.
#include <gtest/gtest.h>

#include "platform/data/data_error.h"
#include "platform/data/table.h"
#include "platform/data/table_file.h"
#include "tests/unit/data_test_support.h"

namespace {

using data::FieldDef;
using data::Row;
using data::Value;

data::FieldDefs Layout() {
  return {FieldDef::String("Code", 5), FieldDef::Integer("Year", INT32_MIN, INT32_MAX),
          FieldDef::Boolean("Done"), FieldDef::Memo("Path")};
}

TEST(TableFileTest, EveryKindOfValueReadsBackExactly) {
  const std::vector<Row> rows = {
      {std::monostate{}, std::monostate{}, std::monostate{}, std::monostate{}},
      {std::string(), int32_t{0}, false, std::string()},
      {std::string("ÄÖÜßé"), INT32_MIN, true, std::string("C:\\Zendri\\\"new\"\n\t\xF0\x9F\x93\x81")},
      {std::string("abcde"), INT32_MAX, true, std::string(3000, 'm')},
      {std::string("-1"), int32_t{-1}, std::monostate{}, std::string("\x01\x7F")},
  };
  const std::string bytes = data::WriteTableFile(Layout(), rows);
  EXPECT_EQ(data::ReadTableFile(bytes, Layout()), rows);

  // Through a table, and written again byte for byte.
  data::Table table("T", Layout());
  table.OpenFromData(bytes);
  EXPECT_EQ(table.RecordCount(), 5);
  EXPECT_EQ(table.SaveToData(), bytes);
}

TEST(TableFileTest, TheFileDescribesItsFields) {
  const std::string bytes = data::WriteTableFile(
      {FieldDef::Integer("Step"), FieldDef::String("Name1", 45), FieldDef::Memo("Path")},
      {{int32_t{1}, std::string("Ä"), std::monostate{}}});
  EXPECT_EQ(bytes,
            "{\"format\":\"tutor-table\",\"version\":1,\"fields\":["
            "{\"name\":\"Step\",\"type\":\"integer\",\"size\":0},"
            "{\"name\":\"Name1\",\"type\":\"string\",\"size\":45},"
            "{\"name\":\"Path\",\"type\":\"memo\",\"size\":2048}],"
            "\"rows\":[[1,\"Ä\",null]]}\n");
}

TEST(TableFileTest, FilesOfAnotherShapeAreRefused) {
  const std::string head =
      R"({"format":"tutor-table","version":1,"fields":[{"name":"Code","type":"string","size":5},)"
      R"({"name":"Year","type":"integer","size":0},{"name":"Done","type":"boolean","size":0},)"
      R"({"name":"Path","type":"memo","size":2048}],"rows":)";
  ASSERT_NO_THROW(data::ReadTableFile(head + R"([["a",1,true,"p"]]})", Layout()));

  const std::vector<std::string> bad = {
      "",
      "not json",
      "[]",
      head + R"([["a",1,true,"p"]])",  // cut short
      R"({"format":"other","version":1,"fields":[],"rows":[]})",
      R"({"format":"tutor-table","version":2,"fields":[],"rows":[]})",
      R"({"format":"tutor-table","version":1,"fields":[{"name":"Code","type":"string","size":5}],"rows":[]})",
      head + R"({"a":1}})",
      head + R"([["a",1,true]]})",
      head + R"([["a",1,true,"p",5]]})",
      head + R"([["abcdef",1,true,"p"]]})",         // longer than the field
      head + R"([["a","1",true,"p"]]})",            // a number as text
      head + R"([["a",1.5,true,"p"]]})",
      head + R"([["a",2147483648,true,"p"]]})",
      head + R"([["a",-2147483649,true,"p"]]})",
      head + R"([["a",1,1,"p"]]})",
      head + "[[\"\xC3\x28\",1,true,\"p\"]]}",      // malformed UTF-8
  };
  for (const std::string& text : bad) {
    EXPECT_THROW(data::ReadTableFile(text, Layout()), data::DataError) << text;
  }

  // A field of another size or type is another layout.
  std::string resized = head + "[]}";
  resized.replace(resized.find("\"size\":5"), 8, "\"size\":6");
  EXPECT_THROW(data::ReadTableFile(resized, Layout()), data::DataError);
  std::string retyped = head + "[]}";
  retyped.replace(retyped.find("\"memo\""), 6, "\"string\"");
  EXPECT_THROW(data::ReadTableFile(retyped, Layout()), data::DataError);
}

}  // namespace
