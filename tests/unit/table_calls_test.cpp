// The host table and field wrappers, and the automation values they carry.
#include <gtest/gtest.h>

#include "Tutorial/host/host_calls.h"
#include "Tutorial/host/table_calls.h"
#include "tests/unit/fake_host_windows.h"

TEST(AutomationDate, CountsDaysFromTheEpochAndRefusesDaysThatDoNotExist) {
  EXPECT_EQ(com::AutomationDate(1899, 12, 30), 0.0);
  EXPECT_EQ(com::AutomationDate(1900, 1, 1), 2.0);
  EXPECT_EQ(com::AutomationDate(2026, 1, 1), 46023.0);
  EXPECT_EQ(com::AutomationDate(1, 1, 1), -693593.0);
  EXPECT_EQ(com::AutomationDate(9999, 12, 31), 2958465.0);
  EXPECT_TRUE(com::AutomationDate(2024, 2, 29));
  EXPECT_FALSE(com::AutomationDate(2023, 2, 29));
  EXPECT_FALSE(com::AutomationDate(1900, 2, 29));
  EXPECT_TRUE(com::AutomationDate(2000, 2, 29));
  EXPECT_FALSE(com::AutomationDate(0, 1, 1));
  EXPECT_FALSE(com::AutomationDate(10000, 1, 1));
  EXPECT_FALSE(com::AutomationDate(2026, 13, 1));
  EXPECT_FALSE(com::AutomationDate(2026, 4, 31));
}

TEST(Variant, CopiesOwnTheirTextAndTypesAreKept) {
  com::Variant copy;
  {
    com::Variant text("Dinar");
    copy = text;
    com::Variant moved(std::move(text));
    EXPECT_EQ(moved.Text(), "Dinar");
  }
  EXPECT_EQ(copy.Text(), "Dinar");
  EXPECT_EQ(copy.Integer(), std::nullopt);
  const com::Variant day = com::Variant::Date(46023);
  EXPECT_EQ(day.Type(), VT_DATE);
  EXPECT_EQ(day.DateValue(), 46023.0);
  EXPECT_EQ(com::Variant(int32_t(7)).Integer(), 7);
}

TEST(HostTable, CallsReachTheHostInOrderAndFailuresAreErrors) {
  std::vector<std::string> calls;
  FakeHostLog log{calls};
  FakeWindow<host::IJVForm> window(log, "JV");
  window.table.AddField("TRNSDATE");

  host::Table vouchers = host::GetTable(window);
  vouchers.SetActive(true);
  vouchers.Append();
  vouchers.FieldByName("TRNSDATE").SetValue(com::Variant::Date(46023));
  vouchers.Post();
  EXPECT_EQ(calls, (std::vector<std::string>{"GetTable JV", "SetActive JV true", "Append JV",
                                             "FieldByName TRNSDATE", "SetValue TRNSDATE",
                                             "Post JV"}));
  EXPECT_EQ(host::Field(com::Ptr<host::IFieldObj>(window.table.fields["TRNSDATE"].get()))
                .GetValue()
                .DateValue(),
            46023.0);

  try {
    vouchers.FieldByName("NOSUCH");
    FAIL() << "a missing field must raise";
  } catch (const ui::Error& e) {
    EXPECT_NE(std::string(e.what()).find("NOSUCH"), std::string::npos);
  }
  log.failOn = "SetValue";
  log.failText = "Dates before the fiscal year are refused.";
  try {
    vouchers.FieldByName("TRNSDATE").SetValue(com::Variant::Date(2));
    FAIL() << "a refused value must raise";
  } catch (const host::HostError& e) {
    EXPECT_STREQ(e.what(), "Dates before the fiscal year are refused.");
  }
  EXPECT_EQ(window.table.fields["TRNSDATE"]->value.DateValue(), 46023.0);

  window.hasTable = false;
  host::Table none = host::GetTable(window);
  EXPECT_FALSE(none);
  EXPECT_THROW(none.Append(), ui::Error);
  vouchers = host::Table();
  EXPECT_EQ(window.table.references, 0);
}
