#include "demohost/record_list_window.h"

#include <commctrl.h>

#include <algorithm>
#include <map>
#include <set>

#include "demohost/files.h"
#include "demohost/host_error.h"
#include "demohost/modal_loop.h"
#include "demohost/record_form.h"
#include "demohost/table_cursor.h"
#include "demohost/window_class.h"

namespace demohost {

namespace {

enum : int { kTabs = 10, kList = 11, kAdd = 20, kEdit, kDelete, kLines, kClose, kCount = 30 };
constexpr int kButtonW = 84, kButtonH = 26, kGap = 8;

struct Row {
  int64_t rowid;
  std::vector<std::string> cells;
};

class ListWindow {
 public:
  ListWindow(std::shared_ptr<Database> db, const WindowDesign& design, const ListScope& scope)
      : db_(std::move(db)), design_(design), scope_(scope) {}

  void Run(HWND owner, int page);

 private:
  friend LRESULT CALLBACK ObjectWindowProc<ListWindow>(HWND, UINT, WPARAM, LPARAM);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  HWND Child(const wchar_t* cls, const wchar_t* text, DWORD style, int id, DWORD ex = 0);
  void Layout();
  void ShowPage(int page);
  void Reload(int64_t select = 0);
  std::vector<Row> Query();
  int64_t Selected() const;
  void AddRecord();
  void EditRecordAt(int64_t rowid);
  void DeleteRecord(int64_t rowid);
  void ShowLines(int64_t voucher);
  std::string WhereClause() const;

  std::shared_ptr<Database> db_;
  const WindowDesign& design_;
  ListScope scope_;
  HWND window_ = nullptr, tabs_ = nullptr, list_ = nullptr, count_ = nullptr;
  std::vector<HWND> buttons_;
  int page_ = 0;
  bool done_ = false;
};

std::string Quoted(const std::string& name) { return "\"" + name + "\""; }

// The record form's fields, captioned as the list's columns are.
std::vector<FormField> FormFields(const WindowDesign& design) {
  std::vector<FormField> fields;
  for (const char* field : design.formFields) {
    std::string caption = field;
    for (const WindowPage& page : design.pages)
      for (const ListColumn& c : page.columns)
        if (std::string(c.field) == field) caption = c.caption;
    fields.push_back({field, caption});
  }
  return fields;
}

HWND ListWindow::Child(const wchar_t* cls, const wchar_t* text, DWORD style, int id, DWORD ex) {
  HWND c = CreateWindowExW(ex, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10, window_,
                           reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr), nullptr);
  SendMessageW(c, WM_SETFONT, WPARAM(UiFont()), TRUE);
  return c;
}

void ListWindow::Run(HWND owner, int page) {
  static const wchar_t* const kClass = L"DemoHostListWindow";
  RegisterWindowClass(kClass, ObjectWindowProc<ListWindow>);
  const std::string caption = scope_.caption.empty() ? design_.caption : scope_.caption;
  window_ = CreateWindowExW(WS_EX_DLGMODALFRAME, kClass, Wide(caption).c_str(),
                            WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN,
                            0, 0, 660, 440, owner, nullptr, GetModuleHandleW(nullptr), this);
  if (!window_) throw HostError("Cannot open the window \"" + caption + "\": " + LastErrorText() + ".");
  if (design_.pages.size() > 1) {
    tabs_ = Child(WC_TABCONTROLW, L"", WS_TABSTOP | WS_CLIPSIBLINGS, kTabs);
    for (size_t i = 0; i < design_.pages.size(); ++i) {
      std::wstring name = Wide(design_.pages[i].name);
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = name.data();
      SendMessageW(tabs_, TCM_INSERTITEMW, i, LPARAM(&item));
    }
  }
  list_ = Child(WC_LISTVIEWW, L"", WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, kList,
                WS_EX_CLIENTEDGE);
  SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  if (scope_.canAddDelete) buttons_.push_back(Child(L"BUTTON", L"&Add", WS_TABSTOP, kAdd));
  buttons_.push_back(Child(L"BUTTON", L"&Edit", WS_TABSTOP, kEdit));
  if (scope_.canAddDelete) buttons_.push_back(Child(L"BUTTON", L"&Delete", WS_TABSTOP, kDelete));
  if (design_.kind == WindowKind::Vouchers) buttons_.push_back(Child(L"BUTTON", L"&Lines...", WS_TABSTOP, kLines));
  buttons_.push_back(Child(L"BUTTON", L"&Close", WS_TABSTOP, kClose));
  count_ = Child(L"STATIC", L"", SS_LEFT, kCount);
  ShowPage(page);
  Layout();
  CentreOver(window_, owner);
  RunModalLoop(window_, owner, done_);
}

void ListWindow::Layout() {
  RECT r;
  GetClientRect(window_, &r);
  int top = kGap;
  if (tabs_) {
    MoveWindow(tabs_, kGap, kGap, r.right - 2 * kGap, 26, TRUE);
    top += 30;
  }
  const int buttonsTop = r.bottom - kGap - kButtonH;
  MoveWindow(list_, kGap, top, r.right - 2 * kGap, buttonsTop - kGap - top, TRUE);
  MoveWindow(count_, kGap, buttonsTop + 5, 160, 20, TRUE);
  int x = r.right - kGap - int(buttons_.size()) * (kButtonW + kGap) + kGap;
  for (HWND b : buttons_) {
    MoveWindow(b, x, buttonsTop, kButtonW, kButtonH, TRUE);
    x += kButtonW + kGap;
  }
}

void ListWindow::ShowPage(int page) {
  page_ = page;
  if (tabs_) SendMessageW(tabs_, TCM_SETCURSEL, page, 0);
  while (SendMessageW(list_, LVM_DELETECOLUMN, 0, 0)) {
  }
  const auto& columns = design_.pages[size_t(page)].columns;
  for (size_t i = 0; i < columns.size(); ++i) {
    std::wstring caption = Wide(columns[i].caption);
    LVCOLUMNW c{};
    c.mask = LVCF_TEXT | LVCF_WIDTH;
    c.cx = columns[i].width;
    c.pszText = caption.data();
    SendMessageW(list_, LVM_INSERTCOLUMNW, i, LPARAM(&c));
  }
  Reload(Selected());
}

std::string ListWindow::WhereClause() const {
  std::string where;
  for (const auto& f : scope_.fixed) where += (where.empty() ? " WHERE " : " AND ") + Quoted(f.first) + " = ?";
  return where;
}

std::vector<Row> ListWindow::Query() {
  const auto& columns = design_.pages[size_t(page_)].columns;
  std::string select = "SELECT rowid";
  for (const ListColumn& c : columns) select += ", " + Quoted(c.field);
  const bool tree = design_.kind == WindowKind::Stock;
  if (tree) select += ", Code, Parent";
  select += " FROM " + Quoted(design_.table) + WhereClause();
  select += std::string(" ORDER BY ") + (*design_.order ? design_.order : "rowid");
  Statement s(*db_, select);
  for (size_t i = 0; i < scope_.fixed.size(); ++i) s.Bind(int(i) + 1, scope_.fixed[i].second);
  std::vector<Row> rows;
  std::vector<std::pair<std::string, std::string>> links;  // code, parent
  while (s.Step()) {
    Row row{s.Integer(0), {}};
    for (size_t i = 0; i < columns.size(); ++i) row.cells.push_back(Display(s.Column(int(i) + 1)));
    if (tree) links.emplace_back(s.Text(int(columns.size()) + 1), s.Text(int(columns.size()) + 2));
    rows.push_back(std::move(row));
  }
  if (!tree) return rows;
  // Depth first, each item under its parent, names indented by depth.
  std::map<std::string, size_t> byCode;
  for (size_t i = 0; i < links.size(); ++i) byCode[links[i].first] = i;
  std::multimap<std::string, size_t> children;
  std::vector<size_t> roots;
  for (size_t i = 0; i < links.size(); ++i) {
    if (links[i].second.empty() || !byCode.count(links[i].second)) roots.push_back(i);
    else children.emplace(links[i].second, i);
  }
  std::vector<Row> ordered;
  std::set<size_t> seen;
  const auto visit = [&](auto&& self, size_t i, int depth) -> void {
    if (!seen.insert(i).second) return;
    Row row = rows[i];
    row.cells[1] = std::string(size_t(depth) * 4, ' ') + row.cells[1];
    ordered.push_back(std::move(row));
    auto range = children.equal_range(links[i].first);
    for (auto it = range.first; it != range.second; ++it) self(self, it->second, depth + 1);
  };
  for (size_t r : roots) visit(visit, r, 0);
  for (size_t i = 0; i < rows.size(); ++i) visit(visit, i, 0);  // a cycle has no root
  return ordered;
}

void ListWindow::Reload(int64_t select) {
  std::vector<Row> rows;
  try {
    rows = Query();
  } catch (const HostError& e) {
    ShowError(window_, e.what());
  }
  SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
  int selectIndex = rows.empty() ? -1 : 0;
  for (size_t i = 0; i < rows.size(); ++i) {
    for (size_t c = 0; c < rows[i].cells.size(); ++c) {
      std::wstring text = Wide(rows[i].cells[c]);
      LVITEMW item{};
      item.iItem = int(i);
      item.iSubItem = int(c);
      item.pszText = text.data();
      if (c == 0) {
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.lParam = LPARAM(rows[i].rowid);
        SendMessageW(list_, LVM_INSERTITEMW, 0, LPARAM(&item));
      } else {
        item.mask = LVIF_TEXT;
        SendMessageW(list_, LVM_SETITEMW, 0, LPARAM(&item));
      }
    }
    if (rows[i].rowid == select) selectIndex = int(i);
  }
  if (selectIndex >= 0) {
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list_, LVM_SETITEMSTATE, selectIndex, LPARAM(&state));
    SendMessageW(list_, LVM_ENSUREVISIBLE, selectIndex, FALSE);
  }
  const std::wstring count = std::to_wstring(rows.size()) + (rows.size() == 1 ? L" record" : L" records");
  SetWindowTextW(count_, count.c_str());
}

int64_t ListWindow::Selected() const {
  const int index = int(SendMessageW(list_, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED));
  if (index < 0) return 0;
  LVITEMW item{};
  item.mask = LVIF_PARAM;
  item.iItem = index;
  SendMessageW(list_, LVM_GETITEMW, 0, LPARAM(&item));
  return int64_t(item.lParam);
}

void ListWindow::AddRecord() {
  TableCursor cursor(db_, design_.table);
  cursor.SetActive(true);
  cursor.Append();
  for (const auto& f : scope_.fixed) cursor.Set(cursor.FieldIndex(f.first), f.second);
  if (EditRecord(window_, std::string("New record - ") + design_.caption, cursor, FormFields(design_)))
    Reload(cursor.RowId());
}

void ListWindow::EditRecordAt(int64_t rowid) {
  if (!rowid) return;
  TableCursor cursor(db_, design_.table);
  cursor.SetActive(true);
  cursor.MoveTo(rowid);
  if (!cursor.HasRecord()) return Reload();
  cursor.Edit();
  EditRecord(window_, std::string("Edit record - ") + design_.caption, cursor, FormFields(design_));
  Reload(rowid);
}

void ListWindow::DeleteRecord(int64_t rowid) {
  if (!rowid) return;
  if (MessageBoxW(window_, L"Delete the selected record?", Wide(design_.caption).c_str(),
                  MB_YESNO | MB_ICONQUESTION) != IDYES)
    return;
  Statement s(*db_, "DELETE FROM " + Quoted(design_.table) + " WHERE rowid = ?");
  s.Bind(1, Value::Int(rowid));
  s.Run();
  Reload();
}

void ListWindow::ShowLines(int64_t voucher) {
  if (!voucher) return;
  ListScope scope{"Lines of voucher " + std::to_string(voucher), {{"Voucher", Value::Int(voucher)}}, true};
  ShowRecordList(window_, db_, DesignOf(WindowKind::VoucherLines), scope, "General");
}

LRESULT ListWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SIZE:
      if (list_) Layout();
      return 0;
    case WM_GETMINMAXINFO:
      reinterpret_cast<MINMAXINFO*>(lparam)->ptMinTrackSize = {520, 260};
      return 0;
    case WM_CLOSE:
      done_ = true;
      return 0;
    case WM_COMMAND:
      switch (LOWORD(wparam)) {
        case kAdd: AddRecord(); break;
        case kEdit: EditRecordAt(Selected()); break;
        case kDelete: DeleteRecord(Selected()); break;
        case kLines: ShowLines(Selected()); break;
        case kClose: case IDCANCEL: done_ = true; break;
      }
      return 0;
    case WM_NOTIFY: {
      const auto* n = reinterpret_cast<const NMHDR*>(lparam);
      if (n->idFrom == kTabs && n->code == TCN_SELCHANGE)
        ShowPage(int(SendMessageW(tabs_, TCM_GETCURSEL, 0, 0)));
      if (n->idFrom == kList && n->code == NM_DBLCLK) EditRecordAt(Selected());
      return 0;
    }
  }
  return DefWindowProcW(window_, message, wparam, lparam);
}

}  // namespace

int FindPage(const WindowDesign& design, const std::string& page) {
  for (size_t i = 0; i < design.pages.size(); ++i)
    if (lstrcmpiW(Wide(design.pages[i].name).c_str(), Wide(page).c_str()) == 0) return int(i);
  return -1;
}

void ShowRecordList(HWND owner, const std::shared_ptr<Database>& db, const WindowDesign& design,
                    const ListScope& scope, const std::string& page) {
  ListWindow window(db, design, scope);
  window.Run(owner, std::max(0, FindPage(design, page)));
}

}  // namespace demohost
