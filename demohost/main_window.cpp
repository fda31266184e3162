#include "demohost/main_window.h"

#include <commdlg.h>

#include <string>
#include <vector>

#include "Tutorial/host/Zendri_TLB.h"
#include "demohost/connection_obj.h"
#include "demohost/database.h"
#include "demohost/files.h"
#include "demohost/host_error.h"
#include "demohost/host_forms.h"
#include "demohost/modal_loop.h"
#include "demohost/record_list_window.h"
#include "demohost/schema.h"
#include "demohost/window_class.h"

namespace demohost {

namespace {

enum : int { kOpen = 100, kAssistant, kClose, kExit, kAbout, kFirstList = 200, kFirstSection = 300 };

struct Shortcut {
  WindowKind kind;
  const wchar_t* caption;
};
// Their letters differ from the menu bar's (C, L, H): the buttons' mnemonics come first.
const Shortcut kShortcuts[] = {
    {WindowKind::Accounts, L"Chart of &accounts"}, {WindowKind::Vendors, L"&Vendors"},
    {WindowKind::Customers, L"C&ustomers"},        {WindowKind::Employees, L"&Employees"},
    {WindowKind::Stock, L"&Inventory"},            {WindowKind::Jobs, L"&Jobs"},
    {WindowKind::Banks, L"&Banks"},                {WindowKind::Locations, L"Loca&tions"},
    {WindowKind::Currencies, L"Cu&rrencies"},      {WindowKind::Vouchers, L"Journal v&ouchers"},
};
constexpr int kHeaderHeight = 92;
const COLORREF kHeaderColour = RGB(32, 56, 100);

HMENU BuildMenu() {
  HMENU bar = CreateMenu();
  HMENU company = CreatePopupMenu();
  AppendMenuW(company, MF_STRING, kOpen, L"&Open company...");
  AppendMenuW(company, MF_STRING, kClose, L"&Close company");
  AppendMenuW(company, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(company, MF_STRING, kAssistant, L"&Set-up assistant...");
  AppendMenuW(company, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(company, MF_STRING, kExit, L"E&xit");
  AppendMenuW(bar, MF_POPUP, UINT_PTR(company), L"&Company");
  HMENU lists = CreatePopupMenu();
  for (size_t i = 0; i < std::size(kShortcuts); ++i)
    AppendMenuW(lists, MF_STRING, kFirstList + i, kShortcuts[i].caption);
  HMENU sections = CreatePopupMenu();
  for (int i = 0; i < kSectionCount; ++i)
    AppendMenuW(sections, MF_STRING, kFirstSection + i, Wide(SectionName(i)).c_str());
  AppendMenuW(lists, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(lists, MF_POPUP, UINT_PTR(sections), L"&Default accounts");
  AppendMenuW(bar, MF_POPUP, UINT_PTR(lists), L"&Lists");
  HMENU help = CreatePopupMenu();
  AppendMenuW(help, MF_STRING, kAbout, L"&About...");
  AppendMenuW(bar, MF_POPUP, UINT_PTR(help), L"&Help");
  return bar;
}

}  // namespace

MainWindow::MainWindow(CompanySession& session, std::function<void()> runAssistant)
    : session_(session), runAssistant_(std::move(runAssistant)) {}

HWND MainWindow::Create() {
  static const wchar_t* const kClass = L"DemoHostMainWindow";
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  RegisterWindowClass(kClass, ObjectWindowProc<MainWindow>, LoadIcon(nullptr, IDI_APPLICATION));
  CreateWindowExW(0, kClass, L"Demo accounting host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                  40, 40, 640, 480, nullptr, BuildMenu(), instance, this);
  const auto child = [&](const wchar_t* text, int id) {
    HWND b = CreateWindowExW(0, L"BUTTON", text, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 10, 10,
                             window_, reinterpret_cast<HMENU>(INT_PTR(id)), instance, nullptr);
    SendMessageW(b, WM_SETFONT, WPARAM(UiFont()), TRUE);
    return b;
  };
  assistantButton_ = child(L"Start the &set-up assistant", kAssistant);
  for (size_t i = 0; i < std::size(kShortcuts); ++i)
    shortcuts_.push_back(child(kShortcuts[i].caption, kFirstList + int(i)));
  session_.OnChange([this] { Refresh(); });
  Layout();
  Refresh();
  ShowWindow(window_, SW_SHOWNORMAL);
  return window_;
}

void MainWindow::SetAssistantRunning(bool running) {
  assistantRunning_ = running;
  EnableWindow(assistantButton_, !running);
  EnableMenuItem(GetMenu(window_), kAssistant, running ? MF_GRAYED : MF_ENABLED);
}

void MainWindow::Refresh() {
  std::wstring title = L"Demo accounting host - ";
  if (session_.IsOpen()) {
    title += Wide(session_.CompanyName()) + L" (" + Wide(session_.Path()) + L")";
  } else {
    title += L"no company open";
  }
  SetWindowTextW(window_, title.c_str());
  for (HWND b : shortcuts_) EnableWindow(b, session_.IsOpen());
  InvalidateRect(window_, nullptr, TRUE);
}

void MainWindow::Layout() {
  RECT r;
  GetClientRect(window_, &r);
  const int margin = 16, w = (r.right - 3 * margin) / 2, h = 30;
  MoveWindow(assistantButton_, margin, kHeaderHeight + margin, r.right - 2 * margin, 40, TRUE);
  int y = kHeaderHeight + margin + 40 + margin;
  for (size_t i = 0; i < shortcuts_.size(); ++i) {
    const int x = margin + int(i % 2) * (w + margin);
    MoveWindow(shortcuts_[i], x, y + int(i / 2) * (h + 8), w, h, TRUE);
  }
}

void MainWindow::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window_, &ps);
  RECT r;
  GetClientRect(window_, &r);
  RECT header{0, 0, r.right, kHeaderHeight};
  HBRUSH brush = CreateSolidBrush(kHeaderColour);
  FillRect(dc, &header, brush);
  DeleteObject(brush);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 255, 255));
  HFONT big = CreateFontW(-22, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0, L"Tahoma");
  HGDIOBJ old = SelectObject(dc, big);
  std::wstring name = session_.IsOpen() ? Wide(session_.CompanyName()) : L"No company open";
  if (name.empty()) name = L"(company without a name)";
  RECT line{16, 12, r.right - 16, 44};
  DrawTextW(dc, name.c_str(), -1, &line, DT_SINGLELINE | DT_END_ELLIPSIS);
  SelectObject(dc, UiFont());
  SetTextColor(dc, RGB(200, 215, 240));
  std::wstring detail = session_.IsOpen()
                            ? Wide(session_.Path())
                            : L"Open a company from the Company menu, or create one with the set-up assistant.";
  RECT second{16, 50, r.right - 16, 80};
  DrawTextW(dc, detail.c_str(), -1, &second, DT_SINGLELINE | DT_PATH_ELLIPSIS);
  SelectObject(dc, old);
  DeleteObject(big);
  EndPaint(window_, &ps);
}

void MainWindow::OpenCompanyDialog() {
  wchar_t file[MAX_PATH] = L"";
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = window_;
  ofn.lpstrFilter = L"Company databases (*.gdb)\0*.gdb\0All files\0*.*\0";
  ofn.lpstrFile = file;
  ofn.nMaxFile = MAX_PATH;
  ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  if (GetOpenFileNameW(&ofn)) session_.Open(Wide8(file));
}

void MainWindow::Command(int id) {
  if (id >= kFirstList && id < kFirstList + int(std::size(kShortcuts))) {
    ShowRecordList(window_, session_.Require(), DesignOf(kShortcuts[id - kFirstList].kind), {}, "General");
    return;
  }
  if (id >= kFirstSection && id < kFirstSection + kSectionCount) {
    // In the company's main currency, as the assistant asks for them.
    auto db = session_.Require();
    Statement main(*db, "SELECT Code FROM Currencies WHERE Type = 0 ORDER BY rowid LIMIT 1");
    if (!main.Step() || main.Text(0).empty())
      throw HostError("The company has no main currency yet: add it in the currencies first.");
    ShowDefaultAccountsWindow(window_, db, id - kFirstSection, main.Text(0));
    return;
  }
  switch (id) {
    case kOpen: OpenCompanyDialog(); break;
    case kClose: session_.Close(); break;
    case kAssistant:
      if (!assistantRunning_) runAssistant_();
      break;
    case kExit: PostMessageW(window_, WM_CLOSE, 0, 0); break;
    case kAbout:
      MessageBoxW(window_,
                  L"Demo accounting host\n\nA small accounting program that hosts the company "
                  L"set-up assistant. Each company is one database file.",
                  L"About", MB_OK | MB_ICONINFORMATION);
      break;
  }
}

LRESULT MainWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case host::kQueryCurrentDatabase:
      return AnswerCurrentDatabase(session_, wparam);
    case WM_COMMAND:
      Command(LOWORD(wparam));
      return 0;
    case WM_PAINT:
      Paint();
      return 0;
    case WM_SIZE:
      if (assistantButton_) Layout();
      InvalidateRect(window_, nullptr, TRUE);
      return 0;
    case WM_CLOSE:
      if (assistantRunning_) return 0;  // the assistant is modal: it ends first
      DestroyWindow(window_);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window_, message, wparam, lparam);
}

}  // namespace demohost
