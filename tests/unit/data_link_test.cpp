// Data links: what a data-aware control hears from its table, and how it writes its field.
#include "platform/data/data_link.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "platform/data/data_error.h"
#include "platform/data/table.h"
#include "tests/unit/data_test_support.h"

namespace {

using data::FieldDef;
using data::Table;
using Log = std::vector<std::string>;

// Logs every notice, as a control would refresh on each.
class FakeLink : public data::DataLink {
 public:
  Log Take() { return std::exchange(log_, {}); }
  std::function<void()> onRecord;

 protected:
  void RecordChanged() override {
    log_.push_back("record");
    if (onRecord) onRecord();
  }
  void FieldChanged(const data::Field& field) override { log_.push_back(field.Name()); }
  void StateChanged() override {
    log_.push_back(std::array{"inactive", "browse", "edit", "insert"}.at(int(GetTable()->State())));
  }
  void TableClosed() override { log_.push_back("closed"); }

 private:
  Log log_;
};

TEST(DataLinkTest, ALinkHearsTheTableAndWritesItsField) {
  Table table("Currency", {FieldDef::String("Code", 5), FieldDef::String("Desc", 20)});
  FakeLink link;
  link.SetTable(&table);
  link.SetFieldName("Code");
  EXPECT_EQ(datatest::ErrorOf([&] { link.WriteText("USD"); }),
            "Cannot edit record. The file is not open.");
  table.CreateEmpty();
  EXPECT_EQ(link.Take(), (Log{"browse", "record"}));

  link.WriteText("USD");  // on an empty table the first keystroke inserts the record
  EXPECT_EQ(link.Take(), (Log{"insert", "record", "Code"}));
  EXPECT_EQ(link.GetField()->AsString(), "USD");
  table.FieldByName("Desc").SetAsString("U.S. Dollar");
  table.Post();
  EXPECT_EQ(link.Take(), (Log{"Desc", "browse", "record"}));
  link.Edit();
  table.Cancel();
  EXPECT_EQ(link.Take(), (Log{"edit", "browse", "record"}));
  table.Close();
  EXPECT_EQ(link.Take(), (Log{"closed"}));

  link.SetFieldName("Missing");
  table.CreateEmpty();
  EXPECT_THROW(link.WriteText("x"), data::DataError);
}

TEST(DataLinkTest, LinksAndTablesMayGoInEitherOrder) {
  auto table = std::make_unique<Table>("DefAcct", data::FieldDefs{FieldDef::Boolean("Sales")});
  table->CreateEmpty();
  FakeLink first, second;
  first.SetTable(table.get());
  std::make_unique<FakeLink>()->SetTable(table.get());  // a destroyed link is never called again
  second.SetTable(table.get());
  first.onRecord = [&] { second.SetTable(nullptr); };  // a link may detach others in a notice
  table->First();
  EXPECT_EQ(first.Take(), (Log{"record"}));
  EXPECT_EQ(second.Take(), Log{});

  table.reset();
  EXPECT_EQ(first.Take(), (Log{"closed"}));
  EXPECT_EQ(first.GetTable(), nullptr);
  EXPECT_THROW(first.Edit(), data::DataError);
}

}  // namespace
