#include "demohost/record_form.h"

#include "demohost/files.h"
#include "demohost/host_error.h"
#include "demohost/modal_loop.h"
#include "demohost/window_class.h"

namespace demohost {

namespace {

constexpr int kOk = 1, kCancel = 2, kFirstEdit = 100;
constexpr int kLabelWidth = 160, kEditWidth = 240, kRow = 30, kMargin = 14;

struct FormState {
  TableCursor* cursor;
  std::vector<int> fields;
  std::vector<std::string> captions;
  std::vector<HWND> edits;
  bool done = false;
  bool posted = false;
};

std::wstring TextOf(HWND edit) {
  const int n = GetWindowTextLengthW(edit);
  std::wstring text(size_t(n) + 1, L'\0');
  GetWindowTextW(edit, text.data(), n + 1);
  text.resize(size_t(n));
  return text;
}

void Accept(HWND window, FormState& s) {
  try {
    for (size_t i = 0; i < s.fields.size(); ++i) {
      const Column& c = s.cursor->ColumnAt(s.fields[i]);
      s.cursor->Set(s.fields[i], ParseTyped(Wide8(TextOf(s.edits[i]).c_str()), c.type, c.name));
    }
    s.cursor->Post();
    s.posted = true;
    s.done = true;
  } catch (const HostError& e) {
    ShowError(window, e.what());
  }
}

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* s = reinterpret_cast<FormState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_COMMAND:
      if (!s) break;
      if (LOWORD(wparam) == kOk) Accept(window, *s);
      if (LOWORD(wparam) == kCancel) s->done = true;
      return 0;
    case WM_CLOSE:
      if (s) s->done = true;
      return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

HWND Child(HWND parent, const wchar_t* cls, const std::wstring& text, DWORD style, int x, int y,
           int w, int h, int id, DWORD exStyle = 0) {
  HWND c = CreateWindowExW(exStyle, cls, text.c_str(), WS_CHILD | WS_VISIBLE | style, x, y, w, h,
                           parent, reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr),
                           nullptr);
  SendMessageW(c, WM_SETFONT, WPARAM(UiFont()), TRUE);
  return c;
}

std::wstring Caption(const Column& c, const std::string& caption) {
  std::wstring text = Wide(caption);
  if (c.type == ColumnType::Date) text += L" (YYYY-MM-DD)";
  return text + L":";
}

}  // namespace

bool EditRecord(HWND owner, const std::string& caption, TableCursor& cursor,
                const std::vector<FormField>& fields) {
  static const wchar_t* const kClass = L"DemoHostRecordForm";
  RegisterWindowClass(kClass, FormProc);
  FormState s{&cursor, {}, {}, {}};
  for (const FormField& f : fields) {
    s.fields.push_back(cursor.FieldIndex(f.field));
    s.captions.push_back(f.caption);
  }

  const int clientW = kMargin * 2 + kLabelWidth + kEditWidth;
  const int clientH = kMargin * 2 + kRow * int(fields.size()) + 40;
  RECT r{0, 0, clientW, clientH};
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  AdjustWindowRectEx(&r, style, FALSE, WS_EX_DLGMODALFRAME);
  HWND window = CreateWindowExW(WS_EX_DLGMODALFRAME, kClass, Wide(caption).c_str(), style, 0, 0,
                                r.right - r.left, r.bottom - r.top, owner, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(window, GWLP_USERDATA, LONG_PTR(&s));
  int y = kMargin;
  for (size_t i = 0; i < s.fields.size(); ++i, y += kRow) {
    const Column& c = cursor.ColumnAt(s.fields[i]);
    Child(window, L"STATIC", Caption(c, s.captions[i]), SS_LEFT, kMargin, y + 3, kLabelWidth, 20, -1);
    HWND edit = Child(window, L"EDIT", Wide(Display(cursor.Get(s.fields[i]))),
                      WS_TABSTOP | ES_AUTOHSCROLL, kMargin + kLabelWidth, y, kEditWidth, 23,
                      kFirstEdit + int(i), WS_EX_CLIENTEDGE);
    s.edits.push_back(edit);
  }
  Child(window, L"BUTTON", L"OK", WS_TABSTOP | BS_DEFPUSHBUTTON, clientW - kMargin - 170, y + 8, 80,
        26, kOk);
  Child(window, L"BUTTON", L"Cancel", WS_TABSTOP, clientW - kMargin - 80, y + 8, 80, 26, kCancel);
  CentreOver(window, owner);
  RunModalLoop(window, owner, s.done);
  if (!s.posted) cursor.Cancel();
  return s.posted;
}

}  // namespace demohost
