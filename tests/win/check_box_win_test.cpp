// ui::CheckBox as a native check box: the user's click reaches the model once and the box
// shows what the model decided; the action's Checked reaches the window without a click.
#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include "platform/ui/action.h"
#include "platform/ui/check_box.h"
#include "platform/ui/form.h"
#include "platform/win32/win32_native_control.h"
#include "platform/win32/win32_platform.h"

namespace {

class Win32CheckBoxTest : public ::testing::Test {
 protected:
  Win32CheckBoxTest() {
    form.SetBounds(40, 40, 320, 200);
    box.SetBounds(10, 10, 150, 17);
    actions.OnExecute = [this](ui::Action& a, bool& handled) {
      handled = true;
      ++executed;
      a.SetChecked(!a.Checked());  // the action follows the box, as the pages' lists do
    };
    box.SetAction(&sales);
    form.Show();
  }
  HWND Window() { return static_cast<win32::Win32NativeControl*>(box.Native())->Window(); }
  bool Ticked() { return SendMessageW(Window(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

  win32::Win32Platform platform{GetModuleHandleW(nullptr)};
  ui::ActionList actions;
  ui::Action& sales = actions.Add("acSales", 1, "Sales");
  ui::Form form{"CheckForm"};
  ui::CheckBox& box = form.Add<ui::CheckBox>("CheckBox1");
  int executed = 0;
};

TEST_F(Win32CheckBoxTest, ClicksReachTheModelOnceAndTheActionReachesTheWindow) {
  ASSERT_NE(box.Native(), nullptr);
  wchar_t caption[32] = {};
  GetWindowTextW(Window(), caption, 32);
  EXPECT_STREQ(caption, L"Sales");
  EXPECT_FALSE(Ticked());

  SendMessageW(Window(), BM_CLICK, 0, 0);
  EXPECT_TRUE(box.Checked());
  EXPECT_TRUE(sales.Checked());
  EXPECT_TRUE(Ticked());
  EXPECT_EQ(executed, 1);

  sales.SetChecked(false);  // from the action: shown, no click
  EXPECT_FALSE(box.Checked());
  EXPECT_FALSE(Ticked());
  EXPECT_EQ(executed, 1);
  box.SetChecked(true, ui::Notify::Yes);  // programmatic, clicking as the user's would
  EXPECT_TRUE(Ticked());
  EXPECT_TRUE(sales.Checked());
  EXPECT_EQ(executed, 2);

  SendMessageW(Window(), BM_CLICK, 0, 0);
  EXPECT_FALSE(box.Checked());
  EXPECT_FALSE(sales.Checked());
  EXPECT_FALSE(Ticked());
  EXPECT_EQ(executed, 3);
}

}  // namespace
