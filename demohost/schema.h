#pragma once
// What the host's windows show of the company database: one entry per kind of window, with
// the table it works on and the columns of each of its pages.
#include <string>
#include <vector>

namespace demohost {

class Database;

enum class WindowKind {
  Accounts, Vendors, Customers, Employees, Stock, Jobs, Banks, Locations, Currencies, Vouchers,
  VoucherLines, DefaultAccounts
};

struct ListColumn {
  const char* field;
  const char* caption;
  int width;
};

struct WindowPage {
  const char* name;  // as ShowPage names it
  std::vector<ListColumn> columns;
};

struct WindowDesign {
  WindowKind kind;
  const char* table;
  const char* caption;  // window title
  const char* order;    // ORDER BY of the list
  std::vector<WindowPage> pages;
  std::vector<const char*> formFields;  // the record form, in this order
};

const WindowDesign& DesignOf(WindowKind kind);

// The business sections of the default accounts, in the host's numbering.
inline constexpr int kSectionCount = 7;
const char* SectionName(int section);
// The roles a section has default accounts for, each with the sample chart's account that
// is proposed for it (used only when the company has that account).
struct DefaultRole {
  const char* role;
  const char* suggested;
};
const std::vector<DefaultRole>& SectionRoles(int section);

// True when the file is a company database of this host (it has the company record).
bool IsCompanyDatabase(Database& db);

}  // namespace demohost
