// The assistant's tables and fields on a created company: values of every variant type the
// assistant passes, the currency window's transactions, vouchers, and the windows' pages.
#include "host_fixture.h"

#include <commctrl.h>

#include "demohost/database.h"
#include "demohost/live_objects.h"
#include "demohost/value.h"
#include "platform/com/ptr.h"

namespace demohost::test {
namespace {

class Tables : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    path_ = CreateCompany();
    com::Bstr p(path_);
    ASSERT_EQ(form_.OpenCompany(p.Get()), S_OK);
  }

  template <class Form>
  com::Ptr<host::ITableObj> TableOf(Form* form) {
    com::Ptr<host::ITableObj> table;
    EXPECT_EQ(form->GetTable(table.Out()), S_OK);
    EXPECT_EQ(table->SetActive(VARIANT_TRUE), S_OK);
    return table;
  }

  static com::Ptr<host::IFieldObj> Field(host::ITableObj* table, const char* name) {
    com::Bstr n(name);
    com::Ptr<host::IFieldObj> field;
    EXPECT_EQ(table->FieldByName(n.Get(), field.Out()), S_OK) << ErrorText();
    return field;
  }

  static HRESULT Set(host::ITableObj* table, const char* name, VARIANT value) {
    HRESULT hr = Field(table, name)->SetValue(value);
    VariantClear(&value);
    return hr;
  }

  static std::string GetText(host::ITableObj* table, const char* name) {
    VARIANT v;
    EXPECT_EQ(Field(table, name)->GetValue(&v), S_OK);
    EXPECT_EQ(v.vt, VT_BSTR);
    std::string text = v.vt == VT_BSTR ? com::ToUtf8(v.bstrVal) : "";
    VariantClear(&v);
    return text;
  }

  static bool Locate(host::ITableObj* table, const char* field, VARIANT value) {
    com::Bstr f(field);
    VARIANT_BOOL found = VARIANT_FALSE;
    EXPECT_EQ(table->Locate(f.Get(), value, 0, 0, &found), S_OK) << ErrorText();
    VariantClear(&value);
    return found != VARIANT_FALSE;
  }

  long Count(const std::string& sql) {
    Database db(path_, Database::Mode::ReadOnly);  // another connection: only what is committed
    Statement s(db, sql);
    return s.Step() ? long(s.Integer(0)) : -1;
  }

  std::string path_;
};

TEST_F(Tables, CurrencyValuesRoundTripAndCommitReachesTheFile) {
  com::Ptr<host::ICurrencyForm> form;
  ASSERT_EQ(form_.GetCurrencyForm(-1, form.Out()), S_OK);
  auto table = TableOf(form.Get());
  EXPECT_FALSE(Locate(table.Get(), "Type", Int(0)));
  ASSERT_EQ(table->Append(nullptr), S_OK);
  ASSERT_EQ(Set(table.Get(), "Type", Int(0)), S_OK);
  ASSERT_EQ(Set(table.Get(), "Code", Text("USD")), S_OK);
  ASSERT_EQ(Set(table.Get(), "Description", Text("U.S. Dollar")), S_OK);
  ASSERT_EQ(table->Post(nullptr), S_OK) << ErrorText();
  ASSERT_EQ(form->CommitChanges(), S_OK);
  EXPECT_EQ(Count("SELECT count(*) FROM Currencies WHERE Type = 0 AND Code = 'USD'"), 1);

  // Integers given as text are converted as a database does; found again by either form.
  ASSERT_EQ(table->Append(nullptr), S_OK);
  ASSERT_EQ(Set(table.Get(), "Type", Text(" 1 ")), S_OK);
  ASSERT_EQ(Set(table.Get(), "Code", Text("LL")), S_OK);
  ASSERT_EQ(table->Post(nullptr), S_OK);
  ASSERT_TRUE(Locate(table.Get(), "Type", Text("0")));
  EXPECT_EQ(GetText(table.Get(), "Code"), "USD");
  VARIANT type;
  ASSERT_EQ(Field(table.Get(), "Type")->GetValue(&type), S_OK);
  EXPECT_EQ(type.vt, VT_I4);
  EXPECT_EQ(type.lVal, 0);

  ASSERT_TRUE(Locate(table.Get(), "Code", Text("LL")));
  ASSERT_EQ(table->Edit(), S_OK);
  ASSERT_EQ(Set(table.Get(), "Description", Text("LL Pound")), S_OK);
  ASSERT_EQ(table->Post(nullptr), S_OK);
  ASSERT_EQ(form->CommitChanges(), S_OK);
  EXPECT_EQ(Count("SELECT count(*) FROM Currencies WHERE Type = 1 AND Description = 'LL Pound'"), 1);
}

TEST_F(Tables, WrongValuesAndStatesAreRefusedWithTheirReason) {
  com::Ptr<host::ICurrencyForm> form;
  ASSERT_EQ(form_.GetCurrencyForm(-1, form.Out()), S_OK);
  auto table = TableOf(form.Get());
  com::Bstr unknown("Colour");
  com::Ptr<host::IFieldObj> none;
  EXPECT_TRUE(FAILED(table->FieldByName(unknown.Get(), none.Out())));
  EXPECT_FALSE(none);
  EXPECT_NE(ErrorText().find("Field 'Colour' not found"), std::string::npos);

  EXPECT_TRUE(FAILED(Set(table.Get(), "Code", Text("EUR"))));  // not appended nor edited
  EXPECT_NE(ErrorText().find("not in edit or insert mode"), std::string::npos);
  EXPECT_TRUE(FAILED(table->Edit()));  // no record to edit yet
  EXPECT_NE(ErrorText().find("empty"), std::string::npos);

  ASSERT_EQ(table->Append(nullptr), S_OK);
  EXPECT_TRUE(FAILED(Set(table.Get(), "Type", Text("main"))));
  EXPECT_NE(ErrorText().find("'main' is not a valid integer value for field 'Type'"), std::string::npos);
  EXPECT_TRUE(FAILED(Set(table.Get(), "Type", Date(46388))));
  EXPECT_NE(ErrorText().find("a date cannot be stored"), std::string::npos);
  VARIANT half;
  VariantInit(&half);
  half.vt = VT_R8;
  half.dblVal = 0.5;
  EXPECT_TRUE(FAILED(Set(table.Get(), "Type", half)));
  // The database's own rule: a code has at most five characters; the record stays appended.
  ASSERT_EQ(Set(table.Get(), "Code", Text("TOOLONG")), S_OK);
  EXPECT_TRUE(FAILED(table->Post(nullptr)));
  EXPECT_NE(ErrorText().find("CHECK constraint failed"), std::string::npos);
  ASSERT_EQ(Set(table.Get(), "Code", Text("EUR")), S_OK);
  EXPECT_EQ(table->Post(nullptr), S_OK) << ErrorText();

  com::Ptr<host::ITableObj> closed;
  com::Ptr<host::IJobsForm> jobs;
  ASSERT_EQ(form_.GetJobsForm(-1, jobs.Out()), S_OK);
  ASSERT_EQ(jobs->GetTable(closed.Out()), S_OK);
  EXPECT_TRUE(FAILED(closed->Append(nullptr)));
  EXPECT_NE(ErrorText().find("is not open"), std::string::npos);
}

TEST_F(Tables, RollbackUndoesACurrencyWrite) {
  com::Ptr<host::ICurrencyForm> form;
  ASSERT_EQ(form_.GetCurrencyForm(-1, form.Out()), S_OK);
  auto table = TableOf(form.Get());
  ASSERT_EQ(table->Append(nullptr), S_OK);
  ASSERT_EQ(Set(table.Get(), "Type", Int(0)), S_OK);
  ASSERT_EQ(Set(table.Get(), "Code", Text("USD")), S_OK);
  ASSERT_EQ(table->Post(nullptr), S_OK);
  ASSERT_TRUE(Locate(table.Get(), "Code", Text("USD")));  // this connection sees its own write
  ASSERT_EQ(form->RollbackChanges(), S_OK);
  EXPECT_FALSE(Locate(table.Get(), "Code", Text("USD")));
  EXPECT_EQ(Count("SELECT count(*) FROM Currencies"), 0);
  // A window dropped with its writes uncommitted leaves nothing either.
  ASSERT_EQ(table->Append(nullptr), S_OK);
  ASSERT_EQ(Set(table.Get(), "Code", Text("EUR")), S_OK);
  ASSERT_EQ(table->Post(nullptr), S_OK);
  table.Reset();
  form.Reset();
  EXPECT_EQ(Count("SELECT count(*) FROM Currencies"), 0);
}

TEST_F(Tables, AnAppendedVoucherWithItsDateShowsInTheVoucherWindow) {
  com::Ptr<host::IJVForm> form;
  ASSERT_EQ(form_.GetJVForm(-1, form.Out()), S_OK);
  auto table = TableOf(form.Get());
  ASSERT_EQ(table->Append(nullptr), S_OK);
  double jan1 = 0;
  ASSERT_TRUE(ParseDateText("2027-01-01", &jan1));
  ASSERT_EQ(Set(table.Get(), "TRNSDATE", Date(jan1)), S_OK);
  VARIANT back;
  ASSERT_EQ(Field(table.Get(), "TRNSDATE")->GetValue(&back), S_OK);
  EXPECT_EQ(back.vt, VT_DATE);
  EXPECT_EQ(back.date, jan1);

  std::wstring shown;
  WhenWindowShows(L"DemoHostListWindow", [&](HWND window) {
    HWND list = FindWindowExW(window, nullptr, WC_LISTVIEWW, nullptr);
    wchar_t cell[32] = L"";
    LVITEMW item{};
    item.iSubItem = 1;
    item.pszText = cell;
    item.cchTextMax = 32;
    SendMessageW(list, LVM_GETITEMTEXTW, 0, LPARAM(&item));
    shown = cell;
  });
  LONG result = 0;
  ASSERT_EQ(form->ShowModal(&result), S_OK) << ErrorText();
  EXPECT_EQ(shown, L"2027-01-01");
  EXPECT_EQ(Count("SELECT count(*) FROM Vouchers WHERE TRNSDATE = '2027-01-01'"), 1);

  // Dates also arrive as text, and a date that is none is refused.
  ASSERT_EQ(table->Append(nullptr), S_OK);
  EXPECT_TRUE(FAILED(Set(table.Get(), "TRNSDATE", Text("2027-02-30"))));
  ASSERT_EQ(Set(table.Get(), "TRNSDATE", Text("2027-12-31 18:30")), S_OK);
  EXPECT_EQ(table->Post(nullptr), S_OK);
  EXPECT_EQ(Count("SELECT count(*) FROM Vouchers WHERE TRNSDATE = '2027-12-31 18:30:00'"), 1);
}

TEST_F(Tables, ShowPageBringsTheOpeningPageAndDefaultAccountsShowTheSection) {
  com::Ptr<host::IVendorForm> vendors;
  ASSERT_EQ(form_.GetVendorForm(-1, vendors.Out()), S_OK);
  com::Bstr opening("Opening"), wrong("Payments");
  LONG result = 0;
  ASSERT_EQ(vendors->ShowPage(opening.Get(), &result), S_OK);
  EXPECT_TRUE(FAILED(vendors->ShowPage(wrong.Get(), &result)));
  EXPECT_NE(ErrorText().find("no page \"Payments\""), std::string::npos);
  int page = -1;
  WhenWindowShows(L"DemoHostListWindow", [&](HWND window) {
    page = int(SendMessageW(FindWindowExW(window, nullptr, WC_TABCONTROLW, nullptr), TCM_GETCURSEL, 0, 0));
  });
  ASSERT_EQ(vendors->ShowModal(&result), S_OK);
  EXPECT_EQ(page, 1);

  int rows = -1;
  WhenWindowShows(L"DemoHostListWindow", [&](HWND window) {
    rows = int(SendMessageW(FindWindowExW(window, nullptr, WC_LISTVIEWW, nullptr), LVM_GETITEMCOUNT, 0, 0));
  });
  com::Bstr usd("USD");
  ASSERT_EQ(form_.ShowDefaultAccounts(2, usd.Get(), &result), S_OK) << ErrorText();
  EXPECT_EQ(rows, 3);
  EXPECT_EQ(Count("SELECT count(*) FROM DefaultAccounts WHERE Section = 2 AND Currency = 'USD'"), 3);
  // Proposed from the sample chart where it has the account, empty where it has none.
  EXPECT_EQ(Count("SELECT count(*) FROM DefaultAccounts WHERE Section = 2 AND Account IN ('5100', '2000')"), 2);
  EXPECT_TRUE(FAILED(form_.ShowDefaultAccounts(7, usd.Get(), &result)));
  EXPECT_NE(ErrorText().find("no business section 7"), std::string::npos);
}

TEST_F(Tables, EveryObjectHandedOutIsCountedUntilReleased) {
  com::Ptr<host::ICustomerForm> form;
  ASSERT_EQ(form_.GetCustomerForm(-1, form.Out()), S_OK);
  auto table = TableOf(form.Get());
  auto field = Field(table.Get(), "Name");
  EXPECT_EQ(LiveObjects::Describe(), "1 window, 1 table, 1 field");
  form.Reset();  // the table outlives its window, as the assistant keeps it
  EXPECT_EQ(LiveObjects::Describe(), "1 table, 1 field");
  table.Reset();
  field.Reset();
  EXPECT_EQ(LiveObjects::Total(), 0);
}

}  // namespace
}  // namespace demohost::test
