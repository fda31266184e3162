// The currency page: defaults, and writing both currencies into the host's currency table.
#include <gtest/gtest.h>

#include <algorithm>

#include "Tutorial/Currency.h"
#include "platform/ui/image.h"
#include "tests/unit/company_fixture.h"

using tutorial::TfmMainCurrency;
using Calls = std::vector<std::string>;

namespace {

class CurrencyPageTest : public CompanyTest {
 protected:
  TfmMainCurrency& AtStep7() {
    OpenWithHost().GoToStep(7);
    Type("EditCode1", "USD");
    Type("EditDesc1", "U.S. Dollar");
    Type("EditCode2", "LL");
    Type("EditDesc2", "LL Pound");
    return *dynamic_cast<TfmMainCurrency*>(window->PageOf(7));
  }
  void Press(ui::Action& action) {
    app.Guard([&] { action.Execute(); });
    app.Idle();
  }
  std::vector<fake::Record>& HostRecords() { return mainForm.currency.table.records; }
  long Count(const char* call) { return std::count(mainForm.calls.begin(), mainForm.calls.end(), call); }
  bool TaskDone(int task) {
    data::Table& tasks = window->MainData().Tasks;
    return tasks.Locate("Step", int32_t(task)) && tasks.FieldByName("Accomplished").AsBoolean();
  }
};

}  // namespace

TEST_F(CurrencyPageTest, DefaultsFillTheRecordAndNextNeedsBothCodes) {
  TfmMainCurrency& page = AtStep7();
  Type("EditCode1", "");
  Type("EditDesc2", "");
  EXPECT_FALSE(NextEnabled());
  Press(*page.acFirstBase);
  Press(*page.acSecondBase);
  data::Table& currency = window->MainData().Currency;
  EXPECT_EQ(currency.State(), data::TableState::Browse);
  EXPECT_EQ(currency.FieldByName("FirstBaseCode").AsString() + currency.FieldByName("FirstBaseDesc").AsString() +
                currency.FieldByName("SecondBaseCode").AsString() + currency.FieldByName("SecondBaseDesc").AsString(),
            "USDU.S. DollarLLLL Pound");
  EXPECT_TRUE(NextEnabled());
  EXPECT_EQ(page.EditCode1->MaxLength() + page.EditDesc2->MaxLength(), 25);
}

TEST_F(CurrencyPageTest, AdditionalCurrenciesLocatesOrAppendsEachTypeCommitsAndAsks) {
  TfmMainCurrency& page = AtStep7();
  backend.AnswerNextModal(ui::mrYes);
  Press(*page.acOthersCur);
  EXPECT_EQ(mainForm.calls,
            (Calls{"GetCurrencyForm", "SetActive", "Locate Type=0", "Append", "SetValue Type=0",
                   "SetValue Code=USD", "SetValue Description=U.S. Dollar", "Post 0", "CommitChanges",
                   "Locate Type=1", "Append", "SetValue Type=1", "SetValue Code=LL",
                   "SetValue Description=LL Pound", "Post 1", "CommitChanges", "ShowModal"}));
  EXPECT_EQ(HostRecords(), (std::vector<fake::Record>{
                               {{"Type", "0"}, {"Code", "USD"}, {"Description", "U.S. Dollar"}},
                               {{"Type", "1"}, {"Code", "LL"}, {"Description", "LL Pound"}}}));
  EXPECT_TRUE(TaskDone(9) && page.Mark9->Visible());

  // Again: both records are found, an equal code is left alone, the window is reused.
  mainForm.calls.clear();
  Type("EditDesc1", "Dollar");
  Type("EditCode2", "EUR");
  backend.AnswerNextModal(ui::mrNo);
  Press(*page.acOthersCur);
  EXPECT_EQ(mainForm.calls,
            (Calls{"SetActive", "Locate Type=0", "Edit", "SetValue Description=Dollar", "Post 0",
                   "CommitChanges", "Locate Type=1", "Edit", "SetValue Code=EUR",
                   "SetValue Description=LL Pound", "Post 1", "CommitChanges", "ShowModal"}));
  EXPECT_FALSE(TaskDone(9) || page.Mark9->Visible());

  window->GoToStep(8);  // leaving releases the window and the table
  EXPECT_EQ(mainForm.currency.references + mainForm.currency.table.references, 0);
  EXPECT_TRUE(TaskDone(7) && TaskDone(8));
}

TEST_F(CurrencyPageTest, FailuresRollBackOnlyInsideTheGuardedBlocks) {
  TfmMainCurrency& page = AtStep7();
  mainForm.log.failOn = "Post 1";
  mainForm.log.failText = "Currency code already used.";
  Press(*page.acOthersCur);
  EXPECT_EQ(backend.ErrorBoxes(), (Calls{"Currency code already used."}));
  EXPECT_EQ(mainForm.calls.back(), "RollbackChanges");
  EXPECT_EQ(Count("RollbackChanges"), 1);
  EXPECT_EQ(Count("CommitChanges"), 1);  // the main currency went in before
  EXPECT_EQ(HostRecords().size(), 1u);
  EXPECT_FALSE(TaskDone(9));  // no question after a failure

  mainForm.calls.clear();
  mainForm.log.failOn = "Locate Type=1";
  Press(*page.acOthersCur);
  EXPECT_EQ(mainForm.calls.back(), "RollbackChanges");

  mainForm.calls.clear();
  mainForm.log.failOn = "Locate Type=0";
  Press(*page.acOthersCur);
  EXPECT_EQ(mainForm.calls, (Calls{"SetActive", "Locate Type=0"}));
  EXPECT_EQ(backend.ErrorBoxes().size(), 3u);
}

TEST_F(CurrencyPageTest, AMissingCurrencyWindowIsAnAssertionOfThePage) {
  TfmMainCurrency& page = AtStep7();
  mainForm.hasCurrencyWindow = false;
  Press(*page.acOthersCur);
  EXPECT_EQ(backend.ErrorBoxes(), (Calls{"Assertion failed (Tutorial\\Currency, line 267)"}));
}
