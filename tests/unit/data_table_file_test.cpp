// The table file: every kind of value reads back exactly as written, and files that do not
// hold this table's field list are refused.
#include <gtest/gtest.h>

#include "platform/data/data_error.h"
#include "platform/data/table.h"
#include "platform/data/table_file.h"

namespace {

using data::FieldDef;
using data::Row;

const data::FieldDefs kLayout = {FieldDef::String("Code", 5), FieldDef::Integer("Year"),
                                 FieldDef::Boolean("Done"), FieldDef::Memo("Path")};

TEST(TableFileTest, EveryKindOfValueReadsBackExactly) {
  const std::vector<Row> rows = {
      {std::monostate{}, std::monostate{}, std::monostate{}, std::monostate{}},
      {std::string(), int32_t{0}, false, std::string()},
      {std::string("ÄÖÜßé"), INT32_MIN, true,
       std::string("C:\\Zendri\\\"new\"\n\t\xF0\x9F\x93\x81\x01")},
      {std::string("-1"), INT32_MAX, std::monostate{}, std::string(3000, 'm')},
  };
  const std::string bytes = data::WriteTableFile(kLayout, rows);
  EXPECT_EQ(data::ReadTableFile(bytes, kLayout), rows);
  data::Table table("T", kLayout);  // through a table, and written again byte for byte
  table.OpenFromData(bytes);
  EXPECT_EQ(table.SaveToData(), bytes);

  EXPECT_EQ(data::WriteTableFile({FieldDef::Integer("Step"), FieldDef::Memo("Path")},
                                 {{int32_t{1}, std::monostate{}}}),
            "{\"format\":\"tutor-table\",\"version\":1,\"fields\":["
            "{\"name\":\"Step\",\"type\":\"integer\",\"size\":0},"
            "{\"name\":\"Path\",\"type\":\"memo\",\"size\":2048}],\"rows\":[[1,null]]}\n");
}

TEST(TableFileTest, FilesOfAnotherShapeAreRefused) {
  const std::string empty = data::WriteTableFile(kLayout, {});
  const std::string fields = empty.substr(0, empty.find("\"rows\":[") + 8);  // the rows follow
  ASSERT_NO_THROW(data::ReadTableFile(fields + R"(["a",1,true,"p"]]})", kLayout));
  const std::string bad[] = {
      "",
      "[]",
      fields + R"(["a",1,true,"p"]])",  // cut short
      R"({"format":"other","version":1,"fields":[],"rows":[]})",
      R"({"format":"tutor-table","version":2,"fields":[],"rows":[]})",
      fields + R"({"a":1}]})",
      fields + R"(["a",1,true]]})",
      fields + R"(["abcdef",1,true,"p"]]})",  // longer than the field
      fields + R"(["a","1",true,"p"]]})",     // a number as text
      fields + R"(["a",1.5,true,"p"]]})",
      fields + R"(["a",2147483648,true,"p"]]})",
      fields + R"(["a",-2147483649,true,"p"]]})",
      fields + R"(["a",1,1,"p"]]})",
      fields + "[\"\xC3\x28\",1,true,\"p\"]]}",  // malformed UTF-8
  };
  for (const std::string& text : bad) {
    EXPECT_THROW(data::ReadTableFile(text, kLayout), data::DataError) << text;
  }
  // A field of another size, type or name is another layout.
  for (auto [from, to] : {std::pair{"\"size\":5", "\"size\":6"},
                          {"\"memo\"", "\"string\""},
                          {"\"Year\"", "\"year\""}}) {
    std::string other = fields + "]}";
    other.replace(other.find(from), std::string(from).size(), to);
    EXPECT_THROW(data::ReadTableFile(other, kLayout), data::DataError) << other;
  }
}

}  // namespace
