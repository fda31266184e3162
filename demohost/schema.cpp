#include "demohost/schema.h"

#include "demohost/database.h"
#include "demohost/host_error.h"

namespace demohost {

namespace {

const std::vector<WindowDesign>& Designs() {
  static const std::vector<WindowDesign> designs = {
      {WindowKind::Accounts, "Accounts", "Chart of accounts", "Code",
       {{"General", {{"Code", "Code", 80}, {"Name", "Name", 220}, {"Kind", "Kind", 90},
                     {"OpeningBalance", "Opening balance", 110}}}},
       {"Code", "Name", "Kind", "OpeningBalance"}},
      {WindowKind::Vendors, "Vendors", "Vendors", "Code",
       {{"General", {{"Code", "Code", 80}, {"Name", "Name", 200}, {"Account", "Account", 80},
                     {"Phone", "Phone", 110}}},
        {"Opening", {{"Code", "Code", 80}, {"Name", "Name", 200},
                     {"OpeningBalance", "Opening balance", 110}, {"OpeningDate", "As of", 90}}}},
       {"Code", "Name", "Account", "Phone", "OpeningBalance", "OpeningDate"}},
      {WindowKind::Customers, "Customers", "Customers", "Code",
       {{"General", {{"Code", "Code", 80}, {"Name", "Name", 200}, {"Account", "Account", 80},
                     {"Phone", "Phone", 110}}},
        {"Opening", {{"Code", "Code", 80}, {"Name", "Name", 200},
                     {"OpeningBalance", "Opening balance", 110}, {"OpeningDate", "As of", 90}}}},
       {"Code", "Name", "Account", "Phone", "OpeningBalance", "OpeningDate"}},
      {WindowKind::Employees, "Employees", "Employees", "Code",
       {{"General", {{"Code", "Code", 80}, {"Name", "Name", 200}, {"Position", "Position", 130},
                     {"Phone", "Phone", 100}}}},
       {"Code", "Name", "Position", "Phone"}},
      // Depth-first, so each group is followed by its items.
      {WindowKind::Stock, "StockItems", "Inventory", "",
       {{"General", {{"Code", "Code", 80}, {"Name", "Name", 220}, {"ItemType", "Type", 80},
                     {"Parent", "Parent", 70}, {"Price", "Price", 70}}}},
       {"Code", "Name", "Parent", "ItemType", "Price"}},
      {WindowKind::Jobs, "Jobs", "Jobs", "Code",
       {{"General", {{"Code", "Code", 80}, {"Name", "Name", 240}, {"Supervisor", "Supervisor", 150}}}},
       {"Code", "Name", "Supervisor"}},
      {WindowKind::Banks, "Banks", "Banks", "Code",
       {{"General", {{"Code", "Code", 80}, {"Name", "Name", 200}, {"Account", "Account", 80},
                     {"AccountNumber", "Account number", 130}}}},
       {"Code", "Name", "Account", "AccountNumber"}},
      {WindowKind::Locations, "Locations", "Inventory locations", "Code",
       {{"General", {{"Code", "Code", 80}, {"Name", "Name", 200}, {"Address", "Address", 210}}}},
       {"Code", "Name", "Address"}},
      {WindowKind::Currencies, "Currencies", "Currencies", "Type, Code",
       {{"General", {{"Type", "Type", 60}, {"Code", "Code", 80}, {"Description", "Description", 250}}}},
       {"Type", "Code", "Description"}},
      {WindowKind::Vouchers, "Vouchers", "Journal vouchers", "TRNSDATE, Id",
       {{"General", {{"Id", "Number", 70}, {"TRNSDATE", "Date", 100},
                     {"Description", "Description", 280}}}},
       {"TRNSDATE", "Description"}},
      {WindowKind::VoucherLines, "VoucherLines", "Voucher lines", "Id",
       {{"General", {{"Account", "Account", 90}, {"Debit", "Debit", 90}, {"Credit", "Credit", 90},
                     {"Memo", "Memo", 200}}}},
       {"Account", "Debit", "Credit", "Memo"}},
      {WindowKind::DefaultAccounts, "DefaultAccounts", "Default accounts", "Id",
       {{"General", {{"Role", "Role", 200}, {"Account", "Account", 120}, {"Currency", "Currency", 80}}}},
       {"Account"}},
  };
  return designs;
}

}  // namespace

const WindowDesign& DesignOf(WindowKind kind) {
  for (const WindowDesign& d : Designs())
    if (d.kind == kind) return d;
  throw HostError("The demo host has no such window.");
}

const char* SectionName(int section) {
  static const char* const names[kSectionCount] = {
      "Sales", "Receipts", "Purchases", "Disbursements", "Payroll", "Notes payable",
      "Notes receivable"};
  return section >= 0 && section < kSectionCount ? names[section] : "";
}

const std::vector<DefaultRole>& SectionRoles(int section) {
  static const std::vector<DefaultRole> roles[kSectionCount] = {
      {{"Sales", "4000"}, {"Sales discount", "4100"}, {"Customers", "1200"}},
      {{"Cash", "1000"}, {"Customers", "1200"}},
      {{"Purchases", "5100"}, {"Purchase discount", ""}, {"Vendors", "2000"}},
      {{"Cash", "1000"}, {"Vendors", "2000"}},
      {{"Salaries", "5200"}, {"Salaries payable", "2200"}},
      {{"Notes payable", "2100"}, {"Interest expense", ""}},
      {{"Notes receivable", ""}, {"Interest income", ""}},
  };
  static const std::vector<DefaultRole> none;
  return section >= 0 && section < kSectionCount ? roles[section] : none;
}

bool IsCompanyDatabase(Database& db) {
  if (!db.HasTable("Company") || !db.HasTable("Currencies") || !db.HasTable("Vouchers"))
    return false;
  Statement s(db, "SELECT 1 FROM Company WHERE Id = 1");
  return s.Step();
}

}  // namespace demohost
