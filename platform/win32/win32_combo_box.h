#pragma once
// A native drop-down COMBOBOX (an edit with a list) behind ui::ComboBox. The model is the
// source of truth: its items, text and selection are applied without being reported back;
// typing and choosing from the list are reported once each. The focus rests in the combo
// box's edit, which counts as the control's own window for focus moves and keys.
#include <string>
#include <vector>

#include "platform/ui/combo_box.h"
#include "platform/win32/win32_native_control.h"

namespace win32 {

// The height a combo box's open list of `rows` rows in `font` adds below its closed part.
int ComboListHeight(HFONT font, int rows);
// Lays a combo box's closed part out at `height` device pixels (the box measures itself from
// its text field, whose height is set to fit); true when the box was laid out again.
bool FitComboClosedHeight(HWND window, int height);

class Win32ComboBox : public Win32NativeControl {
 public:
  Win32ComboBox(Win32Backend& backend, ui::ComboBox& combo, HWND parent);

  void Command(unsigned code) override;
  HBRUSH ControlColor(HDC dc) override;
  bool AcceptsChar(wchar_t ch) const override { return combo_.AcceptsChar(char32_t(ch)); }

 protected:
  void SyncKind(unsigned what) override;

 private:
  // Refills the list when the model's items differ from it; true when it was refilled
  // (which empties the edit as well).
  bool SyncItems();
  void SyncSelection();
  // The closed box keeps the model's height; the window's height also holds the open list.
  void SyncHeight();

  ui::ComboBox& combo_;
  std::vector<std::string> shownItems_;
  bool settingText_ = false;  // notices of our own changes are not the user's
};

}  // namespace win32
