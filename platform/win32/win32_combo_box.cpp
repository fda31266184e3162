#include "platform/win32/win32_combo_box.h"

#include <algorithm>
#include <unordered_map>

#include "platform/win32/color_ref.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_backend.h"
#include "platform/win32/win32_dpi.h"
#include "platform/win32/win32_native_form.h"

namespace win32 {

namespace {

// The open list's rows: a short list opens no higher than its items.
int ListRows(const ui::ComboBox& combo) {
  return std::max(1, std::min(combo.DropDownCount(), int(combo.Items().size())));
}

int ClosedHeightOf(HWND window) {
  RECT closed{};
  GetWindowRect(window, &closed);
  return closed.bottom - closed.top;
}

}  // namespace

int ComboListHeight(HFONT font, int rows) {
  static std::unordered_map<HFONT, int> rowOfFont;
  auto [row, fresh] = rowOfFont.try_emplace(font, 0);
  if (fresh) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    if (GetTextMetricsW(dc, &metrics)) row->second = metrics.tmHeight;
    SelectObject(dc, old);
    DeleteDC(dc);
  }
  return rows * row->second + 2;
}

namespace {

// The height the open list adds below the closed box, as the box will measure it: created
// with it, the box needs no second placing once its font and field are set.
int ListHeight(Win32Backend& backend, const ui::ComboBox& combo, HWND parent) {
  const ui::Scale scale = Win32NativeForm::ScaleOf(parent);
  return ComboListHeight(backend.Fonts().Get(DeviceFont(combo.GetFont(), scale)), ListRows(combo));
}

}  // namespace

bool FitComboClosedHeight(HWND window, int height) {
  // Every height change lays the box, its edit and its list out again (a round of window
  // messages each): each one is made only when something differs.
  // The closed box is as high as its text field makes it, plus a frame that depends on the
  // font only: the frame measured on one box is the first guess for the next.
  static std::unordered_map<HFONT, int> frameOfFont;
  const HFONT font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
  int field = int(SendMessageW(window, CB_GETITEMHEIGHT, WPARAM(-1), 0));
  bool laidOut = false;
  // (The first box of a font is fitted step by step: right after its font is set, what its
  // field reports does not add up with its height yet.)
  if (const auto known = frameOfFont.find(font);
      known != frameOfFont.end() && field > 0 && ClosedHeightOf(window) != height) {
    const int guess = height - known->second;
    if (guess > 0 && guess != field) {
      SendMessageW(window, CB_SETITEMHEIGHT, WPARAM(-1), guess);
      field = guess;
      laidOut = true;
    }
  }
  // The field's height and the box's grow together, though what the field reports may differ
  // from what it was given; the second step corrects by what the first one missed.
  for (int step = 0; step < 2 && field > 0; ++step) {
    const int missing = height - ClosedHeightOf(window);
    if (missing == 0 || field + missing <= 0) break;
    field += missing;
    SendMessageW(window, CB_SETITEMHEIGHT, WPARAM(-1), field);
    laidOut = true;
  }
  if (field > 0) frameOfFont[font] = ClosedHeightOf(window) - field;
  return laidOut;
}

Win32ComboBox::Win32ComboBox(Win32Backend& backend, ui::ComboBox& combo, HWND parent)
    : Win32NativeControl(backend, combo, parent, L"COMBOBOX",
                         CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL, 0, {},
                         ListHeight(backend, combo, parent)),
      combo_(combo) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  if (GetComboBoxInfo(Window(), &info) && info.hwndItem) AdoptInner(info.hwndItem);
  // Another page's box: its items go (and its edit's text with them).
  if (Reused()) {
    settingText_ = true;
    SendMessageW(Window(), CB_RESETCONTENT, 0, 0);
    settingText_ = false;
  }
  SyncKind(ui::syncAll);
}

void Win32ComboBox::SyncKind(unsigned what) {
  HWND window = Window();
  bool textLost = false;
  if (what & ui::syncState) {
    textLost = SyncItems();
    // 0 lifts the limit, as the model's 0 means.
    SendMessageW(window, CB_LIMITTEXT, WPARAM(combo_.MaxLength()), 0);
  }
  if ((what & ui::syncText) || textLost) SyncSelection();
  if (what & (ui::syncBounds | ui::syncVisible | ui::syncFont | ui::syncState)) SyncHeight();
}

bool Win32ComboBox::SyncItems() {
  if (combo_.Items() == shownItems_) return false;
  HWND window = Window();
  settingText_ = true;
  SendMessageW(window, CB_RESETCONTENT, 0, 0);
  for (const std::string& item : combo_.Items())
    SendMessageW(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
  settingText_ = false;
  shownItems_ = combo_.Items();
  return true;
}

void Win32ComboBox::SyncSelection() {
  HWND window = Window();
  const int index = combo_.ItemIndex();
  const std::wstring text = Widen(combo_.Text());
  settingText_ = true;
  // Selecting shows the item's text; -1 empties the edit. Free text is set after it.
  if (int(SendMessageW(window, CB_GETCURSEL, 0, 0)) != index)
    SendMessageW(window, CB_SETCURSEL, WPARAM(index), 0);
  if (WindowText() != text) SetWindowTextW(window, text.c_str());
  settingText_ = false;
}

void Win32ComboBox::SyncHeight() {
  HWND window = Window();
  const bool laidOut = FitComboClosedHeight(window, Placed().Height());
  // The window's height holds the open list too; a short list opens no higher than its items.
  const int item = int(SendMessageW(window, CB_GETITEMHEIGHT, 0, 0));
  const int height = ClosedHeightOf(window) + ListRows(combo_) * item + 2;
  // Compared with what the window was given, not with CB_GETDROPPEDCONTROLRECT: some systems
  // report only the list's part there. Some also measure the list from the closed part as it
  // was when the height was given, so a new layout of that part gives it again.
  if (laidOut || GivenHeight() != height) GiveHeight(height);
}

void Win32ComboBox::Command(unsigned code) {
  if (settingText_) return;
  if (code == CBN_EDITCHANGE) {
    combo_.UserChangedText(Narrow(WindowText()));
  } else if (code == CBN_DROPDOWN) {
    combo_.DropDown();  // a list filled now is shown (SyncItems runs from the model)
  } else if (code == CBN_CLOSEUP) {
    combo_.CloseUp();
  } else if (code == CBN_SELCHANGE) {
    // Sent before the edit shows the chosen item: the list's selection is the answer.
    const int index = int(SendMessageW(Window(), CB_GETCURSEL, 0, 0));
    if (index >= 0) combo_.UserSelected(index);
  }
}

HBRUSH Win32ComboBox::ControlColor(HDC dc) {
  if (!combo_.Enabled()) return nullptr;  // the platform's greyed look
  SetTextColor(dc, ToColorRef(combo_.GetFont().color));
  SetBkColor(dc, ToColorRef(combo_.GetColor()));
  return ColorBrush();
}

}  // namespace win32
