// CreateCompany, OpenCompany and the current-database answer on a temporary folder.
#include "host_fixture.h"

#include <cstdlib>

#include "Tutorial/host/Zendri_TLB.h"
#include "demohost/connection_obj.h"
#include "demohost/database.h"
#include "demohost/files.h"
#include "demohost/live_objects.h"
#include "demohost/value.h"
#include "platform/com/ptr.h"

namespace demohost::test {
namespace {

using CompanyCreation = HostTest;

TEST_F(CompanyCreation, TheSettingsTextMakesADatabaseHoldingTheCompany) {
  const std::string path = CreateCompany("New company.gdb");
  Database db(path, Database::Mode::ReadOnly);
  Statement c(db, "SELECT Name, Name2, City, State, Phone, Phone2, FiscalYear, NumPeriods FROM Company");
  ASSERT_TRUE(c.Step());
  EXPECT_EQ(c.Text(0), "Acme Trading");
  EXPECT_EQ(c.Text(1), "Acme S.A.L.");
  EXPECT_EQ(c.Text(2), "Beirut");
  EXPECT_EQ(c.Text(3), "Mount Lebanon");
  EXPECT_EQ(c.Text(4), "01-234567");
  EXPECT_EQ(c.Text(5), "03-765432");
  EXPECT_EQ(c.Integer(6), 2027);
  EXPECT_EQ(c.Integer(7), 13);
  // The sample's chart of accounts and inventory came along; its currencies did not exist.
  Statement banks(db, "SELECT count(*) FROM Accounts WHERE Name IN ('Sample bank #1', 'Sample bank #2')");
  ASSERT_TRUE(banks.Step());
  EXPECT_EQ(banks.Integer(0), 2);
  Statement tree(db, "SELECT count(*) FROM StockItems WHERE Parent IS NOT NULL");
  ASSERT_TRUE(tree.Step());
  EXPECT_GT(tree.Integer(0), 0);
  Statement currencies(db, "SELECT count(*) FROM Currencies");
  ASSERT_TRUE(currencies.Step());
  EXPECT_EQ(currencies.Integer(0), 0);
  EXPECT_FALSE(FileExists(path + ".creating"));
}

TEST_F(CompanyCreation, EachBadRequestGivesItsErrorAndLeavesNoFile) {
  const std::string sample = SampleCompanyPath();
  const std::string existing = folder_ + "\\existing.gdb";
  HANDLE f = CreateFileW(Wide(existing).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  DWORD written = 0;
  WriteFile(f, "keep", 4, &written, nullptr);
  CloseHandle(f);
  const std::string target = folder_ + "\\new.gdb";
  struct Case {
    const char* what;
    std::string settings, target, error;
  };
  const Case cases[] = {
      {"missing source", SettingsFor(folder_ + "\\none.gdb", target), target, "does not exist"},
      {"source is no company", SettingsFor(existing, target), target, "is not a company database"},
      {"existing target", SettingsFor(sample, existing), existing, "already exists"},
      {"missing folder", SettingsFor(sample, folder_ + "\\no\\new.gdb"), folder_ + "\\no\\new.gdb",
       "does not exist"},
      // The root of the Unix side: no one may write there, root included.
      {"unwritable folder", SettingsFor(sample, "Z:\\proc\\new.gdb"), "Z:\\proc\\new.gdb", "Cannot write"},
      {"line without =", SettingsFor(sample, target, "[Other]\r\nnonsense\r\n"), target, "line 16"},
      {"unclosed section", "[SourceCompany\r\nPath=" + sample + "\r\n", target, "does not close"},
      {"no target", "[SourceCompany]\r\nPath=" + sample + "\r\n", target, "no new company"},
      {"year not a number",
       SettingsFor(sample, target, "[TargetCompany]\r\nFiscalYear=20x7\r\n"), target, "FiscalYear"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    com::Bstr text(c.settings), t1, t2;
    VARIANT_BOOL created = VARIANT_TRUE;
    EXPECT_TRUE(FAILED(form_.CreateCompany(text.Get(), t1.Out(), t2.Out(), &created)));
    EXPECT_EQ(created, VARIANT_FALSE);
    EXPECT_NE(ErrorText().find(c.error), std::string::npos);
    if (c.target != existing) {
      EXPECT_FALSE(FileExists(c.target));
    }
    EXPECT_FALSE(FileExists(c.target + ".creating"));
  }
  // The file that was there is untouched.
  f = CreateFileW(Wide(existing).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  char buffer[8] = {};
  ReadFile(f, buffer, sizeof buffer, &written, nullptr);
  CloseHandle(f);
  EXPECT_EQ(std::string(buffer, written), "keep");
}

TEST_F(CompanyCreation, OpenCompanyMakesItCurrentAndTheMessageSaysSo) {
  const std::string path = CreateCompany();
  const auto answer = [&](std::string* name, bool* connected) {
    host::IZndrConnection* connection = nullptr;
    if (!AnswerCurrentDatabase(session_, WPARAM(&connection))) return false;
    com::Bstr file;
    VARIANT_BOOL on = VARIANT_FALSE;
    connection->GetDatabaseName(file.Out());
    connection->GetConnected(&on);
    connection->Release();
    *name = file.Utf8();
    *connected = on != VARIANT_FALSE;
    return true;
  };
  std::string name;
  bool connected = true;
  ASSERT_TRUE(answer(&name, &connected));
  EXPECT_EQ(name, "");
  EXPECT_FALSE(connected);

  com::Bstr p(path);
  ASSERT_EQ(form_.OpenCompany(p.Get()), S_OK) << ErrorText();
  EXPECT_EQ(session_.CompanyName(), "Acme Trading");
  ASSERT_TRUE(answer(&name, &connected));
  EXPECT_EQ(name, path);
  EXPECT_TRUE(connected);

  // A file that is not a company leaves the current one current.
  com::Bstr missing(folder_ + "\\missing.gdb");
  EXPECT_TRUE(FAILED(form_.OpenCompany(missing.Get())));
  EXPECT_NE(ErrorText().find("does not exist"), std::string::npos);
  EXPECT_EQ(session_.Path(), path);
  EXPECT_EQ(LiveObjects::Count(ObjectKind::Connection), 0);
}

}  // namespace
}  // namespace demohost::test

namespace demohost::test {
namespace {

// Leaves a company with a committed currency and a voucher in the folder that
// DEMOHOST_TEST_OUTPUT names, for check_company_files.sh to read with the native sqlite3 tool.
TEST(CompanyFiles, LeaveAnOrdinaryDatabaseForTheNativeTool) {
  const char* out = std::getenv("DEMOHOST_TEST_OUTPUT");
  if (!out) GTEST_SKIP() << "DEMOHOST_TEST_OUTPUT is not set";
  CompanySession session;
  DemoMainForm form(session);
  const std::string target = std::string(out) + "\\Checked.gdb";
  com::Bstr settings(SettingsFor(SampleCompanyPath(), target)), t1, t2, path(target), usd("USD");
  VARIANT_BOOL created = VARIANT_FALSE;
  ASSERT_EQ(form.CreateCompany(settings.Get(), t1.Out(), t2.Out(), &created), S_OK) << com::TakeErrorDescription();
  ASSERT_EQ(form.OpenCompany(path.Get()), S_OK);
  {
    com::Ptr<host::ICurrencyForm> currencies;
    com::Ptr<host::ITableObj> table;
    com::Ptr<host::IFieldObj> code;
    com::Bstr name("Code");
    ASSERT_EQ(form.GetCurrencyForm(-1, currencies.Out()), S_OK);
    ASSERT_EQ(currencies->GetTable(table.Out()), S_OK);
    ASSERT_EQ(table->SetActive(VARIANT_TRUE), S_OK);
    ASSERT_EQ(table->Append(nullptr), S_OK);
    ASSERT_EQ(table->FieldByName(name.Get(), code.Out()), S_OK);
    VARIANT v = Text("USD");
    ASSERT_EQ(code->SetValue(v), S_OK);
    VariantClear(&v);
    ASSERT_EQ(table->Post(nullptr), S_OK);
    ASSERT_EQ(currencies->CommitChanges(), S_OK);

    com::Ptr<host::IJVForm> vouchers;
    com::Ptr<host::ITableObj> jv;
    com::Ptr<host::IFieldObj> date;
    com::Bstr trnsdate("TRNSDATE");
    ASSERT_EQ(form.GetJVForm(-1, vouchers.Out()), S_OK);
    ASSERT_EQ(vouchers->GetTable(jv.Out()), S_OK);
    ASSERT_EQ(jv->SetActive(VARIANT_TRUE), S_OK);
    ASSERT_EQ(jv->Append(nullptr), S_OK);
    ASSERT_EQ(jv->FieldByName(trnsdate.Get(), date.Out()), S_OK);
    double jan1 = 0;
    ParseDateText("2027-01-01", &jan1);
    ASSERT_EQ(date->SetValue(Date(jan1)), S_OK);
    ASSERT_EQ(jv->Post(nullptr), S_OK);
  }
  session.Close();
  EXPECT_EQ(LiveObjects::Total(), 0);
}

}  // namespace
}  // namespace demohost::test
