// ui::ComboBox as a native drop-down COMBOBOX: the model reaches the window without echo,
// choosing and typing reach the model once each, the focus in the box's edit counts as the
// control's; and a data-bound edit of an integer field refuses letters as they are typed.
#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "platform/data/table.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/db_combo_box.h"
#include "platform/ui/db_edit.h"
#include "platform/ui/form.h"
#include "platform/win32/win32_native_control.h"
#include "platform/win32/win32_platform.h"

namespace {

struct AcceleratorN : ui::Control {
  bool DialogChar(char32_t ch) override { return ch == U'n' && ++hits; }
  int hits = 0;
};

class Win32ComboBoxTest : public ::testing::Test {
 protected:
  Win32ComboBoxTest() {
    form.SetBounds(40, 40, 320, 200);
    combo.SetBounds(10, 10, 200, 23);
    edit.SetBounds(10, 50, 200, 23);
    combo.SetItems({"EUR", "USD", "GBP"});
    combo.OnChange = [this](ui::ComboBox& c) { changes.push_back(c.Text()); };
    form.Show();
    info.cbSize = sizeof(info);
    GetComboBoxInfo(Native(combo).Window(), &info);  // hwndItem: its edit, hwndList: its list
  }
  static win32::Win32NativeControl& Native(ui::WindowedControl& c) {
    return *static_cast<win32::Win32NativeControl*>(c.Native());
  }
  LRESULT Send(UINT message, WPARAM wparam = 0) {
    return SendMessageW(Native(combo).Window(), message, wparam, 0);
  }
  // Typed characters go through the message queue, as the keyboard's do.
  void Type(HWND window, const std::wstring& text) {
    for (wchar_t ch : text) PostMessageW(window, WM_CHAR, ch, 1);
    platform.Backend().ProcessMessages();
  }

  win32::Win32Platform platform{GetModuleHandleW(nullptr)};
  ui::Form form{"ComboForm"};
  ui::ComboBox& combo = form.Add<ui::ComboBox>("Combo1");
  ui::Edit& edit = form.Add<ui::Edit>("Edit1");
  COMBOBOXINFO info{};
  std::vector<std::string> changes;
};

TEST_F(Win32ComboBoxTest, ModelItemsTextAndSizeReachTheWindowWithoutEcho) {
  combo.SetText("USD");
  EXPECT_EQ(Native(combo).WindowText(), L"USD");
  EXPECT_EQ(Send(CB_GETCURSEL), 1);
  combo.SetText("Złoty");
  EXPECT_EQ(Send(CB_GETCURSEL), CB_ERR);
  combo.SetItems({"CHF", "Złoty"});  // refilling empties the box: the text comes back, selected
  EXPECT_EQ(Send(CB_GETCOUNT), 2);
  EXPECT_EQ(Native(combo).WindowText(), L"Złoty");
  EXPECT_EQ(Send(CB_GETCURSEL), 1);
  combo.SetItemIndex(0);
  EXPECT_EQ(Native(combo).WindowText(), L"CHF");
  EXPECT_TRUE(changes.empty()) << "programmatic changes are not the user's";

  // The closed box has the model's height; the open list shows DropDownCount items.
  RECT r{};
  GetWindowRect(Native(combo).Window(), &r);
  EXPECT_EQ(r.bottom - r.top, 23);
  combo.SetItems({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"});
  combo.SetDropDownCount(4);
  Send(CB_SHOWDROPDOWN, TRUE);
  GetWindowRect(info.hwndList, &r);
  Send(CB_SHOWDROPDOWN, FALSE);
  EXPECT_EQ(r.bottom - r.top, 4 * Send(CB_GETITEMHEIGHT) + 2);
}

TEST_F(Win32ComboBoxTest, ChoosingAndTypingUpdateTheModelOnceEach) {
  combo.SetFocus();
  combo.SetText("EUR");
  SendMessageW(info.hwndItem, WM_KEYDOWN, VK_DOWN, 1);  // chooses the next item
  EXPECT_EQ(combo.ItemIndex(), 1);
  EXPECT_EQ(Native(combo).WindowText(), L"USD");
  combo.SetText("");
  combo.SetMaxLength(3);
  Type(info.hwndItem, L"GBPX");
  EXPECT_EQ(combo.ItemIndex(), 2);
  EXPECT_EQ(changes, (std::vector<std::string>{"USD", "G", "GB", "GBP"}));
}

TEST_F(Win32ComboBoxTest, FocusInTheBoxsEditIsTheControlsAndAltKeysReachTheForm) {
  std::vector<std::string> events;
  for (ui::WindowedControl* c : std::initializer_list<ui::WindowedControl*>{&combo, &edit}) {
    c->OnEnter = [&](ui::Control& sender) { events.push_back("enter " + sender.Name()); };
    c->OnExit = [&](ui::Control& sender) { events.push_back("exit " + sender.Name()); };
  }
  combo.SetFocus();
  EXPECT_EQ(GetFocus(), info.hwndItem);
  SendMessageW(info.hwndItem, WM_KEYDOWN, VK_TAB, 0);
  EXPECT_EQ(GetFocus(), Native(edit).Window());
  SetFocus(info.hwndItem);  // a click into the box's edit
  EXPECT_EQ(events, (std::vector<std::string>{"enter Combo1", "exit Combo1", "enter Edit1",
                                              "exit Edit1", "enter Combo1"}));

  auto& accelerator = form.Add<AcceleratorN>();  // Windows gives Alt+N to the box's edit
  EXPECT_EQ(SendMessageW(info.hwndItem, WM_SYSCHAR, L'N', LPARAM(1) << 29), 0);
  EXPECT_EQ(accelerator.hits, 1);
  EXPECT_EQ(combo.Text(), "");
}

TEST_F(Win32ComboBoxTest, AnEditOfAnIntegerFieldRefusesLetters) {
  data::Table table("Company", {data::FieldDef::Integer("FiscYear")});
  table.CreateEmpty();
  auto& year = form.Add<ui::DBEdit>("EditFiscYear");
  year.SetDataSource(&table);
  year.SetDataField("FiscYear");
  year.SetFocus();
  Type(Native(year).Window(), L"a-5 ");
  EXPECT_EQ(Native(year).WindowText(), L"-5");
  EXPECT_EQ(table.FieldByName("FiscYear").AsInteger(), -5);
  form.Remove(year);  // before the table goes
}

TEST_F(Win32ComboBoxTest, AListFilledWhenDroppingDownOpensWithItsItemsAndColour) {
  int drops = 0;
  combo.SetItems({});
  combo.OnDropDown = [&](ui::ComboBox& c) {
    ++drops;
    if (c.Items().empty()) c.SetItems({"1", "2", "4", "12"});
  };
  Send(CB_SHOWDROPDOWN, TRUE);
  EXPECT_EQ(drops, 1);
  EXPECT_EQ(Send(CB_GETCOUNT), 4);
  Send(CB_SHOWDROPDOWN, FALSE);

  combo.SetColor(ui::Rgb(255, 213, 170));
  HDC dc = GetDC(info.hwndItem);
  const LRESULT brush = SendMessageW(static_cast<HWND>(form.Native()->Handle()), WM_CTLCOLOREDIT,
                                     WPARAM(dc), LPARAM(Native(combo).Window()));
  EXPECT_EQ(GetBkColor(dc), RGB(255, 213, 170));
  ReleaseDC(info.hwndItem, dc);
  LOGBRUSH logBrush{};
  ASSERT_NE(brush, 0);
  GetObjectW(reinterpret_cast<HBRUSH>(brush), sizeof logBrush, &logBrush);
  EXPECT_EQ(logBrush.lbColor, RGB(255, 213, 170));
}

TEST_F(Win32ComboBoxTest, AtTwiceTheScaleTheBoxIsTwiceAsWideAndHigh) {
  HWND box = Native(combo).Window();
  RECT outer{};
  GetWindowRect(static_cast<HWND>(form.Native()->Handle()), &outer);
  // The window moved to a screen of twice the density, as the system tells it.
  constexpr UINT kDpiChanged = 0x02E0;  // WM_DPICHANGED
  SendMessageW(static_cast<HWND>(form.Native()->Handle()), kDpiChanged, MAKEWPARAM(192, 192),
               reinterpret_cast<LPARAM>(&outer));
  RECT r{};
  GetWindowRect(box, &r);
  EXPECT_EQ(r.right - r.left, 400);
  EXPECT_EQ(r.bottom - r.top, 46);
  combo.SetItems({"1", "2", "4", "12"});
  Send(CB_SHOWDROPDOWN, TRUE);
  GetWindowRect(info.hwndList, &r);
  Send(CB_SHOWDROPDOWN, FALSE);
  EXPECT_EQ(r.bottom - r.top, 4 * Send(CB_GETITEMHEIGHT) + 2) << "the open list's rows";
}

TEST_F(Win32ComboBoxTest, AComboOfAnIntegerFieldRefusesLetters) {
  data::Table table("Company", {data::FieldDef::Integer("nbPeriods")});
  table.CreateEmpty();
  auto& periods = form.Add<ui::DBComboBox>("EditPeriods");
  periods.SetDataSource(&table);
  periods.SetDataField("nbPeriods");
  periods.SetFocus();
  COMBOBOXINFO inner{};
  inner.cbSize = sizeof inner;
  GetComboBoxInfo(Native(periods).Window(), &inner);
  Type(inner.hwndItem, L"1x2");
  EXPECT_EQ(Native(periods).WindowText(), L"12");
  EXPECT_EQ(table.FieldByName("nbPeriods").AsInteger(), 12);
  form.Remove(periods);  // before the table goes
}

}  // namespace
