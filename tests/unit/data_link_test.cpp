// Data links: what a data-aware control hears from its table, and how it writes its field.
#include <gtest/gtest.h>

#include <memory>

#include "platform/data/data_error.h"
#include "platform/data/data_link.h"
#include "platform/data/field.h"
#include "platform/data/table.h"
#include "tests/unit/data_test_support.h"

namespace {

using data::FieldDef;
using data::Table;
using datatest::ErrorOf;

// Logs every notice, as a control would refresh on each.
class FakeLink : public data::DataLink {
 public:
  std::vector<std::string> log;
  std::function<void()> onRecord;

 protected:
  void RecordChanged() override {
    log.push_back("record");
    if (onRecord) onRecord();
  }
  void FieldChanged(const data::Field& field) override { log.push_back("field " + field.Name()); }
  void StateChanged() override { log.push_back("state " + std::to_string(int(GetTable()->State()))); }
  void TableClosed() override { log.push_back("closed"); }
};

// Numbers of TableState, to keep the expected logs short.
constexpr int kBrowse = 1, kEdit = 2, kInsert = 3;

std::vector<std::string> Take(FakeLink& link) { return std::exchange(link.log, {}); }

TEST(DataLinkTest, ALinkHearsTheTableAndWritesItsField) {
  Table table("Currency", {FieldDef::String("FirstBaseCode", 5), FieldDef::String("FirstBaseDesc", 20)});
  FakeLink link;
  link.SetTable(&table);
  link.SetFieldName("FirstBaseCode");
  EXPECT_EQ(ErrorOf([&] { link.WriteText("USD"); }), "Cannot edit record. The file is not open.");

  table.CreateEmpty();
  EXPECT_EQ(Take(link), (std::vector<std::string>{"state " + std::to_string(kBrowse), "record"}));

  link.WriteText("USD");  // an empty table: the first keystroke inserts the record
  EXPECT_EQ(Take(link), (std::vector<std::string>{"state " + std::to_string(kInsert), "record",
                                                  "field FirstBaseCode"}));
  EXPECT_EQ(link.GetField()->AsString(), "USD");

  table.FieldByName("FirstBaseDesc").SetAsString("U.S. Dollar");  // code writes another field
  table.Post();
  EXPECT_EQ(Take(link), (std::vector<std::string>{"field FirstBaseDesc",
                                                  "state " + std::to_string(kBrowse), "record"}));

  link.Edit();
  table.Cancel();
  EXPECT_EQ(Take(link), (std::vector<std::string>{"state " + std::to_string(kEdit),
                                                  "state " + std::to_string(kBrowse), "record"}));

  table.Close();
  EXPECT_EQ(Take(link), (std::vector<std::string>{"closed"}));
  EXPECT_EQ(link.GetField()->AsString(), "");

  link.SetFieldName("Missing");
  table.CreateEmpty();
  EXPECT_EQ(link.GetField(), nullptr);
  EXPECT_THROW(link.WriteText("x"), data::DataError);
}

TEST(DataLinkTest, LinksAndTablesMayGoInEitherOrder) {
  auto table = std::make_unique<Table>("DefAcct", data::FieldDefs{FieldDef::Boolean("Sales")});
  table->CreateEmpty();
  FakeLink first, second;
  first.SetTable(table.get());
  {
    FakeLink gone;
    gone.SetTable(table.get());
  }  // a destroyed link is never called again
  second.SetTable(table.get());
  first.onRecord = [&] { second.SetTable(nullptr); };  // a link may detach others in a notice
  table->First();
  EXPECT_EQ(first.log, (std::vector<std::string>{"record"}));
  EXPECT_TRUE(second.log.empty());

  table.reset();
  EXPECT_EQ(first.log.back(), "closed");
  EXPECT_EQ(first.GetTable(), nullptr);
  EXPECT_THROW(first.Edit(), data::DataError);
}

}  // namespace
