// The currency page: defaults, and writing both currencies into the host's currency table.
#include <gtest/gtest.h>

#include "Tutorial/Currency.h"
#include "Tutorial/Main.h"
#include "platform/ui/image.h"
#include "tests/unit/company_fixture.h"

using tutorial::TfmMainCurrency;
using Calls = std::vector<std::string>;

namespace {

class CurrencyPageTest : public CompanyTest {
 protected:
  TfmMainCurrency& AtStep7() {
    OpenWithHost().GoToStep(7);
    return Page();
  }
  TfmMainCurrency& Page() { return *dynamic_cast<TfmMainCurrency*>(window->PageOf(7)); }
  void Press(ui::Action& action) {
    app.Guard([&] { action.Execute(); });
    app.Idle();
  }
  void SetCodes(const std::string& code1, const std::string& desc1, const std::string& code2,
                const std::string& desc2) {
    Type("EditCode1", code1);
    Type("EditDesc1", desc1);
    Type("EditCode2", code2);
    Type("EditDesc2", desc2);
  }
  std::vector<fake::Record>& HostRecords() { return mainForm.currencyForm.table.records; }
  bool TaskDone(int task) {
    data::Table& tasks = window->MainData().Tasks;
    return tasks.Locate("Step", int32_t(task)) && tasks.FieldByName("Accomplished").AsBoolean();
  }
};

}  // namespace

TEST_F(CurrencyPageTest, DefaultsFillTheRecordAndNextFollowsBothCodes) {
  TfmMainCurrency& page = AtStep7();
  EXPECT_FALSE(NextEnabled());
  Press(*page.acFirstBase);
  EXPECT_FALSE(NextEnabled());  // the secondary code is still empty
  Press(*page.acSecondBase);
  data::Table& currency = window->MainData().Currency;
  EXPECT_EQ(currency.State(), data::TableState::Browse);
  EXPECT_EQ(currency.FieldByName("FirstBaseCode").AsString(), "USD");
  EXPECT_EQ(currency.FieldByName("FirstBaseDesc").AsString(), "U.S. Dollar");
  EXPECT_EQ(currency.FieldByName("SecondBaseCode").AsString(), "LL");
  EXPECT_EQ(currency.FieldByName("SecondBaseDesc").AsString(), "LL Pound");
  EXPECT_EQ(page.EditCode2->Text(), "LL");
  EXPECT_TRUE(NextEnabled());
  EXPECT_EQ(page.EditCode1->MaxLength(), 5);
  EXPECT_EQ(page.EditDesc2->MaxLength(), 20);
}

TEST_F(CurrencyPageTest, AdditionalCurrenciesAppendsBothTypesCommitsEachAndAsks) {
  TfmMainCurrency& page = AtStep7();
  SetCodes("USD", "U.S. Dollar", "LL", "LL Pound");
  backend.AnswerNextModal(ui::mrYes);
  Press(*page.acOthersCur);
  EXPECT_TRUE(backend.ErrorBoxes().empty());
  EXPECT_EQ(mainForm.log.calls,
            (Calls{"GetCurrencyForm", "SetActive", "Locate Type=0", "Append", "SetValue Type=0",
                   "SetValue Code=USD", "SetValue Description=U.S. Dollar", "Post", "CommitChanges",
                   "Locate Type=1", "Append", "SetValue Type=1", "SetValue Code=LL",
                   "SetValue Description=LL Pound", "Post", "CommitChanges", "ShowModal"}));
  EXPECT_EQ(HostRecords(), (std::vector<fake::Record>{
                               {{"Type", "0"}, {"Code", "USD"}, {"Description", "U.S. Dollar"}},
                               {{"Type", "1"}, {"Code", "LL"}, {"Description", "LL Pound"}}}));
  EXPECT_TRUE(TaskDone(9));
  EXPECT_TRUE(page.Mark9->Visible());

  // A second press finds both records, keeps an equal code and reuses the window.
  mainForm.log.calls.clear();
  Type("EditDesc1", "Dollar");
  Type("EditCode2", "EUR");
  backend.AnswerNextModal(ui::mrNo);
  Press(*page.acOthersCur);
  EXPECT_EQ(mainForm.log.calls,
            (Calls{"SetActive", "Locate Type=0", "Edit", "SetValue Description=Dollar", "Post",
                   "CommitChanges", "Locate Type=1", "Edit", "SetValue Code=EUR",
                   "SetValue Description=LL Pound", "Post", "CommitChanges", "ShowModal"}));
  EXPECT_EQ(HostRecords()[0]["Description"], "Dollar");
  EXPECT_EQ(HostRecords()[1]["Code"], "EUR");
  EXPECT_FALSE(TaskDone(9));
  EXPECT_FALSE(page.Mark9->Visible());

  // Leaving the step releases the window; the page holds no reference afterwards.
  window->GoToStep(8);
  EXPECT_EQ(mainForm.currencyForm.references, 0);
  EXPECT_EQ(mainForm.currencyForm.table.references, 0);
  EXPECT_TRUE(TaskDone(7) && TaskDone(8));
}

TEST_F(CurrencyPageTest, AFailingSecondaryCurrencyRollsBackOnceAndAsksNothing) {
  TfmMainCurrency& page = AtStep7();
  SetCodes("USD", "U.S. Dollar", "LL", "LL Pound");
  mainForm.log.failOn = "Post#2";
  mainForm.log.errorText = "Currency code already used.";
  Press(*page.acOthersCur);
  EXPECT_EQ(backend.ErrorBoxes(), (Calls{"Currency code already used."}));
  EXPECT_EQ(std::count(mainForm.log.calls.begin(), mainForm.log.calls.end(), "RollbackChanges"), 1);
  EXPECT_EQ(mainForm.log.calls.back(), "RollbackChanges");
  EXPECT_EQ(HostRecords().size(), 1u);  // the main currency was committed before
  EXPECT_EQ(std::count(mainForm.log.calls.begin(), mainForm.log.calls.end(), "CommitChanges"), 1);
  EXPECT_FALSE(TaskDone(9));

  // The secondary currency's locate is guarded too; the main one's is not.
  mainForm.log = {};
  mainForm.log.failOn = "Locate#2";
  Press(*page.acOthersCur);
  EXPECT_EQ(mainForm.log.calls.back(), "RollbackChanges");
  mainForm.log = {};
  mainForm.log.failOn = "Locate#1";
  Press(*page.acOthersCur);
  EXPECT_EQ(mainForm.log.calls, (Calls{"SetActive", "Locate Type=0"}));
  EXPECT_EQ(backend.PendingAnswers(), 0u);
}

TEST_F(CurrencyPageTest, AMissingCurrencyWindowIsAnAssertionOfThePage) {
  TfmMainCurrency& page = AtStep7();
  mainForm.hasCurrencyWindow = false;
  Press(*page.acOthersCur);
  EXPECT_EQ(backend.ErrorBoxes(), (Calls{"Assertion failed (Tutorial\\Currency, line 267)"}));
  EXPECT_EQ(mainForm.log.calls, (Calls{"GetCurrencyForm"}));
}
