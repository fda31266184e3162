// The data-aware combo box: the field's text shows with its item, the user's typing and
// choices go into the record without being written back, the table's notices reload it
// without raising OnChange, and an integer field refuses other text (as DBEdit's does).
#include <string>
#include <vector>

#include "platform/data/table.h"
#include "platform/ui/db_combo_box.h"
#include "platform/ui/errors.h"
#include "tests/unit/headless_fixture.h"

namespace {

class ComboBoxTest : public HeadlessTest {
 protected:
  ComboBoxTest() {
    table.CreateEmpty();
    table.Append();
    Field("Code").SetAsString("EUR");
    Field("Rate").SetAsInteger(100);
    table.Post();
    combo.SetItems({"EUR", "USD", "GBP"});
    combo.OnChange = [this](ui::ComboBox& c) { changes.push_back(c.Text()); };
    combo.SetDataSource(&table);
  }
  data::Field& Field(const char* name) { return table.FieldByName(name); }

  data::Table table{"Currency", {data::FieldDef::String("Code", 5), data::FieldDef::Integer("Rate")}};
  ui::DBComboBox combo{"ComboCode"};
  std::vector<std::string> changes;
};

TEST_F(ComboBoxTest, ShowsTheFieldAndWritesWhatTheUserTypesOrChooses) {
  Field("Code").OnGetText = [](const data::Field& f) { return f.AsString() == "us" ? "US" : f.AsString(); };
  combo.SetDataField("Code");
  EXPECT_EQ(combo.Text(), "EUR");
  EXPECT_EQ(combo.ItemIndex(), 0);
  EXPECT_EQ(combo.MaxLength(), 5);

  combo.UserChangedText("us");
  EXPECT_EQ(Field("Code").AsString(), "us");
  EXPECT_EQ(combo.Text(), "us") << "the field's notice must not replace what the user typed";
  EXPECT_EQ(combo.ItemIndex(), -1);
  combo.UserSelected(1);
  combo.UserSelected(1);  // the same item again is no change
  EXPECT_EQ(Field("Code").AsString(), "USD");
  EXPECT_EQ(changes, (std::vector<std::string>{"us", "USD"}));

  table.Cancel();
  EXPECT_EQ(combo.Text(), "EUR");
  combo.UserSelected(2);
  table.Post();
  EXPECT_EQ(Field("Code").AsString(), "GBP");
  combo.SetItems({"CHF", "GBP"});  // the text stays and is found in the new list
  EXPECT_EQ(combo.ItemIndex(), 1);
  table.Edit();
  Field("Code").SetAsString("CHF");
  EXPECT_EQ(combo.ItemIndex(), 0);
  table.Close();
  EXPECT_EQ(combo.Text(), "");
  EXPECT_EQ(changes.size(), 3u) << "the table's notices are not the user's changes";
}

TEST_F(ComboBoxTest, AnIntegerFieldTakesOnlyAWholeNumberAndRefusesTheRestOnExit) {
  combo.SetDataField("Rate");
  combo.UserChangedText("12x");
  EXPECT_EQ(Field("Rate").AsInteger(), 100) << "not a number: not written";
  EXPECT_THROW(combo.DoExit(), ui::Error);
  EXPECT_EQ(combo.Text(), "100") << "the field's value is shown again";
  combo.UserChangedText("-7");
  EXPECT_NO_THROW(combo.DoExit());
  EXPECT_EQ(Field("Rate").AsInteger(), -7);
}

}  // namespace
