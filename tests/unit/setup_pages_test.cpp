// The set-up steps 8 to 21 against a host whose windows record every call: each host-window
// member against its values, the family's rules, the shared tasks, the default-accounts
// boxes and buttons, the opening vouchers and pages, and the final step.
#include <vector>

#include "Tutorial/DefAcct.h"
#include "Tutorial/DefAcctDesc.h"
#include "Tutorial/HostWindowPage.h"
#include "platform/ui/check_box.h"
#include "platform/ui/label.h"
#include "tests/unit/setup_pages_fixture.h"

using tutorial::TfmMain;

// The values of each member, as the design gives them.
struct Member {
  int step;
  const char* getter;
  const char* window;
  const char* stepLabel;
  const char* mark;
  const char* action;
  const char* actionCaption;
  const char* buttonCaption;
  int imageIndex;
  int voiceTag;
  const char* title;
  const char* assertion;
};

const Member kMembers[] = {
    {8, "GetAccountsForm", "Accounts", "(4)", "Mark10", "acStartAcct", "&Accounts", "&Accounts",
     1, 10, "Now it's time to do some accounting.", "Tutorial\\Accounts, line 59"},
    {11, "GetVendorForm", "Vendors", "(6)", "Mark12", "acStart", "&Vendors", "  &Vendors", 2,
     12, "Now it's time to enter your vendors.", "Tutorial\\Vendors, line 58"},
    {12, "GetEmployeesForm", "Employees", "(7)", "Mark13", "acStart", "&Employees",
     "  &Employees", 4, 13, "it's time to enter your employees. ", "Tutorial\\Emp, line 56"},
    {13, "GetCustomerForm", "Customers", "(8)", "Mark14", "acStart", "&Customers",
     " &Customers", 3, 14, "it's time to enter your customers", "Tutorial\\Cust, line 57"},
    {14, "GetStockForm", "Stock", "(9)", "Mark15", "acStart", "&Start working with  inventory",
     "  &Inventory", 6, 15, "Information about the Stock ", "Tutorial\\Stock, line 67"},
    {15, "GetJobsForm", "Jobs", "(10)", "Mark16", "acStart", "&Jobs", "  &Jobs", 7, 16,
     "Jobs.", "Tutorial\\jobs, line 55"},
    {16, "GetBankForm", "Banks", "(11)", "Mark17", "acStart", "&Banks ", "   &Banks ", 8, 17,
     "Banks.", "Tutorial\\Banks, line 55"},
    {17, "GetLocationForm", "Locations", "(12)", "Mark18", "acStart", "&Locations",
     "  &Locations", 41, 18, "Inventory Location. ", "Tutorial\\Location, line 54"},
};

TEST_F(SetupPagesTest, EachHostWindowPageShowsItsValuesAndRecordsItsOwnTask) {
  OpenWithHost();
  for (const Member& m : kMembers) {
    SCOPED_TRACE(m.window);
    auto& page = static_cast<tutorial::THostWindowPage&>(Go(m.step));
    EXPECT_EQ(Part<ui::Label>("Label2").Caption(), m.title);
    EXPECT_EQ(Part<ui::Label>("Label11").Caption(), m.stepLabel);
    EXPECT_FALSE(MarkShown(m.mark));
    auto& button = Part<components::TZndrSpeedButton>("zsbFiscYear");
    ASSERT_NE(page.ActionList2.Find(m.action), nullptr);
    EXPECT_EQ(page.ActionList2.Find(m.action)->Caption(), m.actionCaption);
    EXPECT_EQ(button.GetAction(), page.ActionList2.Find(m.action));
    EXPECT_EQ(button.Caption(), m.buttonCaption);
    EXPECT_EQ(button.ImageIndex(), m.imageIndex);
    EXPECT_EQ(Part<components::TZndrSpeedButton>("ZndrSpeedButton4").Tag(), m.voiceTag);

    Press(6);
    const std::string w = m.window;
    EXPECT_EQ(host.calls, (Calls{m.getter, "GetTable " + w, "ShowModal " + w}));
    EXPECT_EQ(Accomplished(m.step), 1);
    EXPECT_TRUE(MarkShown(m.mark));
    EXPECT_TRUE(backend.ErrorBoxes().empty());

    host.noWindows = true;  // the page's own assertion, shown; the run goes on
    Go(m.step);
    PressUnanswered();
    host.noWindows = false;
    ASSERT_EQ(backend.ErrorBoxes().size(), 1u);
    EXPECT_EQ(backend.ErrorBoxes()[0], std::string("Assertion failed (") + m.assertion + ")");
    backend.ClearErrorBoxes();
    EXPECT_EQ(Accomplished(m.step), 1);
  }
  for (const Member& m : kMembers) EXPECT_EQ(Accomplished(m.step), 1) << m.step;
}

TEST_F(SetupPagesTest, TheAnswerRulesTheMarkAndTheWindowLivesForOneVisit) {
  OpenWithHost();
  Go(12);
  Press(6);
  EXPECT_TRUE(MarkShown("Mark13"));
  Press(7);  // No after Yes: not accomplished any more
  EXPECT_FALSE(MarkShown("Mark13"));
  EXPECT_EQ(Accomplished(12), 0);
  // The second press reused the window fetched by the first.
  EXPECT_EQ(host.calls, (Calls{"GetEmployeesForm", "GetTable Employees", "ShowModal Employees",
                               "ShowModal Employees"}));
  EXPECT_GT(host.employees.references, 0);

  Press(6);
  Go(13);
  EXPECT_EQ(host.employees.references, 0) << "leaving releases the window";
  Go(12);
  EXPECT_TRUE(MarkShown("Mark13")) << "the mark comes back from the Tasks table";
  Press(6);
  EXPECT_EQ(host.calls.front(), "GetEmployeesForm") << "a later visit fetches a new window";

  // A failing host call ends the operation: no question, the task as it was.
  host.log.failOn = "ShowModal";
  host.log.failText = "The employees window is locked.";
  PressUnanswered();
  host.log.failOn = "GetEmployeesForm";
  host.log.failText = "No company is open.";
  Go(12);
  PressUnanswered();
  EXPECT_EQ(backend.ErrorBoxes(),
            (Calls{"The employees window is locked.", "No company is open."}));
  EXPECT_EQ(Accomplished(12), 1);
  EXPECT_TRUE(MarkShown("Mark13"));
}

TEST_F(SetupPagesTest, SharedTasksShowWhateverWasWrittenLast) {
  OpenWithHost();
  // Task 8 is the accounts page's and also the currency page's secondary currency.
  SetAccomplished(8, true);
  Go(8);
  EXPECT_TRUE(MarkShown("Mark10"));
  Press(7);
  EXPECT_EQ(Accomplished(8), 0);

  // Task 11: the vendors question, the description's mark and the status box.
  Go(11);
  Press(6);
  auto& desc = static_cast<tutorial::TfmDefAcctDesc&>(Go(9));
  EXPECT_TRUE(desc.Mark11->Visible());
  auto& sections = static_cast<tutorial::TfmDefAcct&>(Go(10));
  EXPECT_TRUE(sections.StatusChk->Checked());
  sections.StatusChk->UserToggled();
  EXPECT_EQ(Accomplished(11), 0);
  Go(11);
  EXPECT_FALSE(MarkShown("Mark12"));
  Go(10);
  EXPECT_FALSE(static_cast<tutorial::TfmDefAcct&>(*window->PageOf(10)).StatusChk->Checked());
}

TEST_F(SetupPagesTest, SectionButtonsFollowTheirBoxesAndTheBoxesAreKept) {
  TfmMain& w = OpenWithHost();
  data::Table& currency = w.MainData().Currency;
  currency.Append();
  currency.FieldByName("FirstBaseCode").SetAsString("JOD");
  currency.Post();

  auto* page = static_cast<tutorial::TfmDefAcct*>(&Go(10));
  for (auto* button : page->SectionButtons) EXPECT_FALSE(button->GetAction()->Enabled());
  page->CheckBoxes[2]->UserToggled();  // Purchases
  page->CheckBoxes[6]->UserToggled();  // Notes Receivable
  app.Idle();
  EXPECT_TRUE(page->CheckBoxes[2]->GetAction()->Checked()) << "the box's action follows it";
  for (int i = 0; i < 7; ++i)
    EXPECT_EQ(page->SectionButtons[size_t(i)]->GetAction()->Enabled(), i == 2 || i == 6) << i;

  // Every press of an enabled button opens the section's window in the main currency; a
  // disabled one does nothing.
  for (int press = 0; press < 2; ++press) app.Guard([&] { page->SectionButtons[6]->Click(); });
  app.Guard([&] { page->SectionButtons[2]->Click(); });
  app.Guard([&] { page->SectionButtons[0]->Click(); });
  EXPECT_EQ(host.calls, (Calls{"ShowDefaultAccounts 6 JOD", "ShowDefaultAccounts 6 JOD",
                               "ShowDefaultAccounts 2 JOD"}));

  page->CheckBoxes[2]->UserToggled();  // unticked again
  app.Idle();
  EXPECT_FALSE(page->SectionButtons[2]->GetAction()->Enabled());
  Go(11);
  data::Table& kept = w.MainData().DefAcct;
  ASSERT_EQ(kept.RecordCount(), 1);
  EXPECT_FALSE(kept.FieldByName("Purchases").AsBoolean());
  EXPECT_TRUE(kept.FieldByName("NotesR").AsBoolean());

  page = static_cast<tutorial::TfmDefAcct*>(&Go(10));
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(page->CheckBoxes[size_t(i)]->Checked(), i == 6) << i;
    EXPECT_EQ(page->CheckBoxes[size_t(i)]->GetAction()->Checked(), i == 6) << i;
  }
  page->CheckBoxes[6]->UserToggled();
  Go(11);
  ASSERT_EQ(kept.RecordCount(), 1) << "the page never adds a second record";
  EXPECT_FALSE(kept.FieldByName("NotesR").AsBoolean());
  EXPECT_TRUE(backend.ErrorBoxes().empty());
}

TEST_F(SetupPagesTest, TheStatusBoxWritesTaskElevenAtOnceAndLeavingAClosedTableIsAnError) {
  TfmMain& w = OpenWithHost();
  auto* page = static_cast<tutorial::TfmDefAcct*>(&Go(10));
  EXPECT_FALSE(page->StatusChk->Checked());
  page->StatusChk->UserToggled();
  EXPECT_EQ(Accomplished(11), 1);

  w.MainData().DefAcct.Close();
  app.Guard([&] { w.GoToStep(11); });
  ASSERT_EQ(backend.ErrorBoxes().size(), 1u);
  EXPECT_EQ(backend.ErrorBoxes()[0], "Cannot edit record. The file is not open.");
}

TEST_F(SetupPagesTest, TheAccountsOpeningVoucherIsDatedTheFirstOfTheFiscalYear) {
  TfmMain& w = OpenWithHost();
  host.vouchers.table.AddField("TRNSDATE");
  data::Table& company = w.MainData().Company;
  company.Append();
  company.FieldByName("FiscYear").SetAsInteger(2026);
  company.Post();

  Go(18);
  Press(6);
  EXPECT_EQ(host.calls, (Calls{"GetJVForm", "GetTable JV", "SetActive JV true", "Append JV",
                               "FieldByName TRNSDATE", "SetValue TRNSDATE", "ShowModal JV"}));
  const com::Variant& date = host.vouchers.table.fields["TRNSDATE"]->value;
  EXPECT_EQ(date.Type(), VT_DATE);
  EXPECT_EQ(date.DateValue(), com::AutomationDate(2026, 1, 1));
  EXPECT_EQ(Accomplished(18), 1);
  EXPECT_TRUE(MarkShown("Mark19"));
  Press(7);
  EXPECT_EQ(host.vouchers.table.appended, 2) << "every press appends a voucher";
  EXPECT_EQ(Accomplished(18), 0);

  // The voucher table refusing the date: the host's text, no window, no question.
  host.calls.clear();
  host.log.failOn = "SetValue";
  host.log.failText = "The date lies outside the fiscal year.";
  PressUnanswered();
  EXPECT_EQ(backend.ErrorBoxes(), (Calls{"The date lies outside the fiscal year."}));
  EXPECT_EQ(host.calls.back(), "SetValue TRNSDATE");
  backend.ClearErrorBoxes();

  // A fiscal year that forms no date: the error before the host is asked for anything.
  company.Edit();
  company.FieldByName("FiscYear").SetAsInteger(0);
  company.Post();
  host.calls.clear();
  PressUnanswered();
  ASSERT_EQ(backend.ErrorBoxes().size(), 1u);
  EXPECT_NE(backend.ErrorBoxes()[0].find("fiscal year 0"), std::string::npos);
  EXPECT_TRUE(host.calls.empty());
  EXPECT_EQ(Accomplished(18), 0);
}

TEST_F(SetupPagesTest, VendorAndCustomerOpeningsShowTheOpeningPageFirstEveryTime) {
  OpenWithHost();
  Go(19);
  Press(6);
  Press(6);
  EXPECT_EQ(host.calls, (Calls{"GetVendorForm", "GetTable Vendors", "ShowPage Vendors Opening",
                               "ShowModal Vendors", "ShowPage Vendors Opening",
                               "ShowModal Vendors"}));
  EXPECT_EQ(Accomplished(19), 1);
  EXPECT_EQ(Accomplished(11), 0) << "the openings' own task, not the vendors page's";

  Go(20);
  host.log.failOn = "ShowPage";
  PressUnanswered();
  EXPECT_EQ(host.calls,
            (Calls{"GetCustomerForm", "GetTable Customers", "ShowPage Customers Opening"}));
  EXPECT_EQ(backend.ErrorBoxes().size(), 1u);
  EXPECT_EQ(Accomplished(20), 0);
  EXPECT_FALSE(MarkShown("Mark19"));
  Press(6);
  EXPECT_EQ(Accomplished(20), 1);
  EXPECT_TRUE(MarkShown("Mark19"));
}
