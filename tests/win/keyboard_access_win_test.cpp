// The keyboard and a screen reader on a real window: Tab, Enter and Escape typed into native
// children reach the form's model, a dropped list keeps Enter, and the client area answers
// the accessibility API with objects read from the control tree.
#include "platform/win32/windows_api.h"

#include <ole2.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <string>

#include "components/ZndrSpeedButton.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/form.h"
#include "platform/win32/win32_native_control.h"
#include "platform/win32/win32_platform.h"

namespace {

VARIANT Child(long id) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = id;
  return v;
}

std::wstring NameOf(IAccessible* acc, long id = CHILDID_SELF) {
  BSTR name = nullptr;
  if (acc->get_accName(Child(id), &name) != S_OK || !name) return {};
  std::wstring out(name);
  SysFreeString(name);
  return out;
}

long StateOf(IAccessible* acc) {
  VARIANT state;
  VariantInit(&state);
  acc->get_accState(Child(CHILDID_SELF), &state);
  return state.vt == VT_I4 ? state.lVal : -1;
}

class KeyboardAccessWinTest : public ::testing::Test {
 protected:
  KeyboardAccessWinTest() {
    CoInitialize(nullptr);  // handing out an object marshals it, as for a screen reader
    form.SetBorderStyle(ui::BorderStyle::None);
    form.SetBounds(40, 40, 320, 160);
    form.SetCaption("Keys");
    edit.SetBounds(10, 10, 200, 24);
    button.SetBounds(10, 44, 60, 24);
    button.SetCaption("&Go");
    button.OnClick = [this](ui::Control&) { ++clicks; };
    combo.SetBounds(10, 80, 120, 24);
    combo.SetItems({"1", "12"});
    form.SetDefaultControl(&button);
    form.Show();
  }
  ~KeyboardAccessWinTest() override {
    form.Hide();
    CoUninitialize();
  }

  HWND FormWindow() const { return static_cast<HWND>(form.Native()->Handle()); }
  static HWND WindowOf(ui::WindowedControl& c) {
    return dynamic_cast<win32::Win32NativeControl*>(c.Native())->Window();
  }
  static void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }

  win32::Win32Platform platform{GetModuleHandleW(nullptr)};
  ui::Form form{"KeysForm"};
  ui::Edit& edit = form.Add<ui::Edit>("Edit1");
  components::TZndrSpeedButton& button = form.Add<components::TZndrSpeedButton>("Go");
  ui::ComboBox& combo = form.Add<ui::ComboBox>("Combo1");
  int clicks = 0;
};

TEST_F(KeyboardAccessWinTest, TabEnterAndEscapeFromNativeChildrenReachTheForm) {
  edit.SetFocus();
  SendMessageW(WindowOf(edit), WM_KEYDOWN, VK_TAB, 0);
  EXPECT_EQ(form.FocusedControl(), &button) << "the skinned button is the next stop";
  EXPECT_EQ(GetFocus(), FormWindow()) << "the edit no longer takes the keys";
  SendMessageW(FormWindow(), WM_KEYDOWN, VK_TAB, 0);
  EXPECT_EQ(form.ActiveControl(), &combo);
  EXPECT_EQ(form.FocusedControl(), nullptr);

  edit.SetFocus();
  EXPECT_EQ(SendMessageW(WindowOf(edit), WM_KEYDOWN, VK_RETURN, 0), 0);
  EXPECT_EQ(SendMessageW(WindowOf(edit), WM_CHAR, L'\r', 0), 0) << "no beep for the Enter taken";
  EXPECT_EQ(clicks, 0) << "pressed once the key's handling is over";
  Pump();
  EXPECT_EQ(clicks, 1) << "Enter in an edit presses the default button";

  // An open list keeps Enter to itself.
  combo.SetFocus();
  SendMessageW(WindowOf(combo), CB_SHOWDROPDOWN, TRUE, 0);
  ASSERT_TRUE(combo.DroppedDown());
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  GetComboBoxInfo(WindowOf(combo), &info);
  SendMessageW(info.hwndItem ? info.hwndItem : WindowOf(combo), WM_KEYDOWN, VK_RETURN, 0);
  Pump();
  EXPECT_EQ(clicks, 1);
  SendMessageW(WindowOf(combo), CB_SHOWDROPDOWN, FALSE, 0);
  EXPECT_FALSE(combo.DroppedDown());
}

TEST_F(KeyboardAccessWinTest, TheClientAreaAnswersAScreenReader) {
  IAccessible* client = nullptr;
  ASSERT_EQ(AccessibleObjectFromWindow(FormWindow(), DWORD(OBJID_CLIENT), __uuidof(IAccessible),
                                       reinterpret_cast<void**>(&client)),
            S_OK);
  ASSERT_NE(client, nullptr);
  EXPECT_EQ(NameOf(client), L"Keys");
  long count = 0;
  ASSERT_EQ(client->get_accChildCount(&count), S_OK);
  EXPECT_EQ(count, 3);

  IDispatch* second = nullptr;
  ASSERT_EQ(client->get_accChild(Child(2), &second), S_OK);
  IAccessible* go = nullptr;
  ASSERT_EQ(second->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&go)), S_OK);
  second->Release();
  EXPECT_EQ(NameOf(go), L"Go");
  VARIANT role;
  VariantInit(&role);
  ASSERT_EQ(go->get_accRole(Child(CHILDID_SELF), &role), S_OK);
  EXPECT_EQ(role.lVal, ROLE_SYSTEM_PUSHBUTTON);
  BSTR shortcut = nullptr;
  ASSERT_EQ(go->get_accKeyboardShortcut(Child(CHILDID_SELF), &shortcut), S_OK);
  EXPECT_EQ(std::wstring(shortcut), L"Alt+G");
  SysFreeString(shortcut);
  EXPECT_EQ(StateOf(go) & STATE_SYSTEM_UNAVAILABLE, 0);
  button.SetEnabled(false);
  EXPECT_NE(StateOf(go) & STATE_SYSTEM_UNAVAILABLE, 0) << "read afresh on every call";
  EXPECT_NE(go->accDoDefaultAction(Child(CHILDID_SELF)), S_OK);
  button.SetEnabled(true);
  EXPECT_EQ(go->accDoDefaultAction(Child(CHILDID_SELF)), S_OK);
  Pump();
  EXPECT_EQ(clicks, 1);

  // The events name a control by its id, which the client area resolves.
  EXPECT_EQ(NameOf(client, button.AccessibleId()), L"Go");
  // A button that is gone answers that it is disconnected.
  form.Remove(button).reset();
  EXPECT_EQ(go->accDoDefaultAction(Child(CHILDID_SELF)), RPC_E_DISCONNECTED);
  go->Release();
  client->Release();
}

}  // namespace
