#include "demohost/host_forms.h"

#include "demohost/modal_loop.h"
#include "demohost/record_list_window.h"
#include "platform/com/com.h"

namespace demohost {

FormCore::FormCore(WindowKind kind, std::shared_ptr<Database> db, HWND fallbackOwner)
    : design_(DesignOf(kind)), db_(std::move(db)), fallbackOwner_(fallbackOwner),
      page_(design_.pages.front().name) {
  // The currency window keeps the assistant's writes until it commits or rolls them back.
  const bool transactional = kind == WindowKind::Currencies;
  table_ = new TableObj(std::make_shared<TableCursor>(db_, design_.table, transactional));
}

FormCore::~FormCore() { table_->Release(); }

HRESULT FormCore::GetTable(host::ITableObj** table) {
  if (table) *table = nullptr;
  return Call("GetTable", [&] {
    if (!table) return E_POINTER;
    table_->AddRef();
    *table = table_;
    return S_OK;
  });
}

HRESULT FormCore::ShowModal(LONG* result) {
  if (result) *result = 0;
  return Call("ShowModal", [&] {
    TableCursor& cursor = table_->Cursor();
    // A voucher the caller appended is the one the user is about to work on: it is saved
    // first so the list shows it.
    if (design_.kind == WindowKind::Vouchers &&
        (cursor.GetState() == TableCursor::State::Insert || cursor.GetState() == TableCursor::State::Edit))
      cursor.Post();
    ShowRecordList(ModalOwner(fallbackOwner_), db_, design_, {}, page_);
    if (result) *result = 1;  // closed
    return S_OK;
  });
}

HRESULT FormCore::ShowPage(BSTR page, LONG* result) {
  if (result) *result = 0;
  return Call("ShowPage", [&] {
    const std::string name = com::ToUtf8(page);
    const int index = FindPage(design_, name);
    if (index < 0) throw HostError("The " + std::string(design_.caption) + " window has no page \"" + name + "\".");
    page_ = design_.pages[size_t(index)].name;
    if (result) *result = index;
    return S_OK;
  });
}

HRESULT FormCore::Commit() {
  return Call("CommitChanges", [&] {
    table_->Cursor().Commit();
    return S_OK;
  });
}

HRESULT FormCore::Rollback() {
  return Call("RollbackChanges", [&] {
    table_->Cursor().Rollback();
    return S_OK;
  });
}

void ShowDefaultAccountsWindow(HWND owner, const std::shared_ptr<Database>& db, int section,
                               const std::string& currency) {
  if (section < 0 || section >= kSectionCount)
    throw HostError("There is no business section " + std::to_string(section) + " (0 to 6).");
  if (currency.empty()) throw HostError("Default accounts need a currency code; none was given.");
  // Every role of the section has its row for this currency, with the suggested account when
  // the company has it.
  {
    Transaction t(*db);
    Statement add(*db,
                  "INSERT OR IGNORE INTO DefaultAccounts (Section, Currency, Role, Account) "
                  "VALUES (?, ?, ?, (SELECT Code FROM Accounts WHERE Code = ?))");
    for (const DefaultRole& role : SectionRoles(section)) {
      add.Bind(1, Value::Int(section)).Bind(2, Value::Text(currency)).Bind(3, Value::Text(role.role));
      add.Bind(4, Value::Text(role.suggested));
      add.Run();
      add.Reset();
    }
    t.Commit();
  }
  ListScope scope{std::string("Default accounts - ") + SectionName(section) + " (" + currency + ")",
                  {{"Section", Value::Int(section)}, {"Currency", Value::Text(currency)}},
                  false};
  ShowRecordList(owner, db, DesignOf(WindowKind::DefaultAccounts), scope, "General");
}

}  // namespace demohost
