// The table file: every kind of value reads back exactly as written, files without a table
// of these fields are refused, and single wrong values are mended.
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

TEST(TableFileTest, FilesWithNoTableInThemAreRefused) {
  struct Case {
    std::string text;
    bool otherLayout;
  };
  const Case bad[] = {
      {"", false},
      {"[]", true},
      {R"({"format":"tutor-table","version":1,"fields":[{"name":"Code","type":"string","size":5}],)"
       R"("rows":[["a"])", false},  // cut short
      {R"({"format":"other","version":1,"fields":[],"rows":[]})", true},
      {R"({"format":"tutor-table","version":2,"fields":[],"rows":[]})", true},
      {R"({"format":"tutor-table","version":1,"fields":[{"name":"Other"}],"rows":[]})", true},
      {R"({"format":"tutor-table","version":1,"fields":[{"name":"Code"}]})", false},
      {"\xFF\xFE{\0", false},  // UTF-16 cut in the middle
      {"1 2", true},              // a value, but not a table, then more
      {"\"]}\" x", true},
      {"{]", false},
      {"[1, 2", false},
  };
  for (const Case& c : bad) {
    try {
      data::ReadTableFile(c.text, kLayout);
      ADD_FAILURE() << "accepted: " << c.text;
    } catch (const data::TableFileError& e) {
      EXPECT_EQ(e.OtherLayout(), c.otherLayout) << c.text << ": " << e.what();
    }
  }
}

// One wrong value costs that value, not the table; each mend is reported.
TEST(TableFileTest, AValueAloneWrongIsMendedAndReported) {
  const std::string empty = data::WriteTableFile(kLayout, {});
  const std::string head = empty.substr(0, empty.find("\"rows\":[") + 8);
  const Row good = {std::string("a"), int32_t{1}, true, std::string("p")};
  struct Case {
    std::string record;
    Row expected;
  };
  const Case cases[] = {
      {R"(["abcdef",1,true,"p"])", {std::string("abcde"), int32_t{1}, true, std::string("p")}},
      {R"(["ÄÖÜßéx",1,true,"p"])", {std::string("ÄÖÜßé"), int32_t{1}, true, std::string("p")}},
      {R"([12,1,true,"p"])", {std::string("12"), int32_t{1}, true, std::string("p")}},
      {R"(["a","1",true,"p"])", good},
      {R"(["a",1.0,true,"p"])", good},
      {R"(["a",1.5,true,"p"])", {std::string("a"), {}, true, std::string("p")}},
      {R"(["a",2147483648,true,"p"])", {std::string("a"), {}, true, std::string("p")}},
      {R"(["a",-2147483649,true,"p"])", {std::string("a"), {}, true, std::string("p")}},
      {R"(["a",1,1,"p"])", good},
      {R"(["a",1,"True","p"])", good},
      {R"(["a",1,2,"p"])", {std::string("a"), int32_t{1}, {}, std::string("p")}},
      {R"(["a",1,true,{"x":1}])", {std::string("a"), int32_t{1}, true, {}}},
      {"[\"\xC3\x28\",1,true,\"p\"]", {std::string("\xEF\xBF\xBD("), int32_t{1}, true, std::string("p")}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> repairs;
    const auto rows =
        data::ReadTableFile(head + c.record + R"(,["b",2,false,"q"]]})", kLayout, &repairs);
    ASSERT_EQ(rows.size(), 2u) << c.record;
    EXPECT_EQ(rows[0], c.expected) << c.record;
    EXPECT_EQ(rows[1], (Row{std::string("b"), int32_t{2}, false, std::string("q")}));
    EXPECT_EQ(repairs.size(), 1u) << c.record;
  }

  // Records of the wrong length, or without the key, are dropped; the others stay.
  std::vector<std::string> repairs;
  auto rows = data::ReadTableFile(head + R"(["a",1,true],[null,"x",true,"p"],["b",2,false,"q"]]})",
                                  kLayout, &repairs, /*keyField=*/1);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(repairs.size(), 3u);  // the short record, the bad key value, its record

  // Fields are found by name: another order, case, type or size, unknown and missing ones.
  repairs.clear();
  rows = data::ReadTableFile(
      R"({"format":"tutor-table","version":1,"fields":[{"name":"done","type":"string","size":1},)"
      R"({"name":"Extra"},{"name":"Code","type":"string","size":9}],"rows":[[true,7,"abc"]]}  junk)",
      kLayout, &repairs);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0], (Row{std::string("abc"), {}, true, {}}));
  EXPECT_GE(repairs.size(), 4u);  // unknown, two missing, the list, the trailing bytes

  // The table ends at its own closing brace, not at one inside a text, however escaped.
  const Row tricky = {std::string("\"}]}"), int32_t{3}, false, std::string("\\\"}]\\")};
  const std::string table = data::WriteTableFile(kLayout, {tricky});
  const std::pair<const char*, size_t> tails[] = {
      {"", 0}, {" \r\n\t", 0}, {"} ]\"x", 1}, {"{\"rows\":[]}", 1}};
  for (const auto& [tail, mends] : tails) {
    repairs.clear();
    EXPECT_EQ(data::ReadTableFile(table + tail, kLayout, &repairs), std::vector<Row>{tricky}) << tail;
    EXPECT_EQ(repairs.size(), mends) << tail;
  }

  // Marks of the encoding lose nothing and are not worth a word.
  const std::string exact = data::WriteTableFile(kLayout, {good});
  std::string utf16 = "\xFF\xFE";
  for (char ch : exact) utf16 += std::string{ch, '\0'};
  for (const std::string& text : {"\xEF\xBB\xBF" + exact, utf16}) {
    repairs.clear();
    EXPECT_EQ(data::ReadTableFile(text, kLayout, &repairs), std::vector<Row>{good});
    EXPECT_TRUE(repairs.empty());
  }
}

}  // namespace
