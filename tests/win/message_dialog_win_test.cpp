// The question dialog as a real window: borderless with its 2-pixel border, centred, and
// answered by a mouse click or by keys delivered as window messages through its modal loop.
#include "platform/win32/windows_api.h"

#include <utility>
#include <vector>

#include "Tutorial/AssMesages.h"
#include "Tutorial/MsgForm.h"
#include "platform/ui/timer.h"
#include "platform/win32/win32_native_form.h"
#include "tests/win/skin_test_platform.h"

namespace {

BOOL CALLBACK KeepIfDialog(HWND window, LPARAM out) {
  auto* native = win32::Win32NativeForm::FromHandle(window);
  if (!native || !IsWindowVisible(window) || native->GetForm().Name() != "fmMessage") return TRUE;
  *reinterpret_cast<HWND*>(out) = window;
  return FALSE;
}

// The visible dialog window of this thread, if it is up yet.
HWND FindDialog() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), &KeepIfDialog, reinterpret_cast<LPARAM>(&found));
  return found;
}

class MessageDialogWinTest : public SkinWin32Test {};

TEST_F(MessageDialogWinTest, ClickOnYesAnswersSix) {
  RECT client{}, outer{};
  LONG_PTR style = 0;
  int ticks = 0;
  ui::Timer timer;
  timer.SetInterval(50);
  timer.OnTimer = [&](ui::Timer&) {
    HWND dialog = FindDialog();
    if (!dialog) {
      // Never shown: end the modal loop rather than hang; the result then is not 6.
      if (++ticks > 100) PostQuitMessage(0);
      return;
    }
    timer.SetEnabled(false);
    GetClientRect(dialog, &client);
    GetWindowRect(dialog, &outer);
    style = GetWindowLongPtrW(dialog, GWL_STYLE);
    ui::Form& form = win32::Win32NativeForm::FromHandle(dialog)->GetForm();
    const ui::Rect yes = form.FindControl("zsbYes")->FormBounds();
    const LPARAM at = MAKELPARAM((yes.left + yes.right) / 2, (yes.top + yes.bottom) / 2);
    PostMessageW(dialog, WM_MOUSEMOVE, 0, at);
    PostMessageW(dialog, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(dialog, WM_LBUTTONUP, 0, at);
  };
  timer.SetEnabled(true);

  EXPECT_EQ(tutorial::ShowMsgForm(tutorial::SMarkTaskComplete, tutorial::kMsgYesNo), 6);
  MSG quit{};
  PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);

  EXPECT_EQ(client.right, 449);
  EXPECT_EQ(client.bottom, 154);
  EXPECT_EQ(outer.right - outer.left, 453) << "2-pixel border, no frame";
  EXPECT_EQ(outer.bottom - outer.top, 158);
  EXPECT_FALSE(style & WS_CAPTION);
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  EXPECT_NEAR((outer.left + outer.right) / 2, screenWidth / 2, 1) << "centred";
}

// Keys posted to the dialog window as the keyboard sends them: the answer each one gives.
TEST_F(MessageDialogWinTest, KeysAnswerThroughTheWindowsMessages) {
  struct Case {
    std::vector<std::pair<UINT, WPARAM>> messages;
    int result;
  };
  const Case cases[] = {
      {{{WM_KEYDOWN, VK_RETURN}}, 6},
      {{{WM_KEYDOWN, VK_ESCAPE}}, 2},
      {{{WM_KEYDOWN, VK_TAB}, {WM_KEYDOWN, VK_RETURN}}, 7},
      {{{WM_KEYDOWN, VK_LEFT}, {WM_KEYDOWN, VK_SPACE}}, 2},
      {{{WM_CHAR, 'n'}}, 7},
      {{{WM_SYSCHAR, 'c'}}, 2},
      {{{WM_SYSCHAR, 'Y'}}, 6},
  };
  for (const Case& c : cases) {
    int ticks = 0;
    ui::Timer timer;
    timer.SetInterval(50);
    timer.OnTimer = [&](ui::Timer&) {
      HWND dialog = FindDialog();
      if (!dialog) {
        if (++ticks > 100) PostQuitMessage(0);
        return;
      }
      timer.SetEnabled(false);
      for (auto [message, key] : c.messages) PostMessageW(dialog, message, key, 0);
    };
    timer.SetEnabled(true);
    EXPECT_EQ(tutorial::ShowMsgForm(tutorial::SSaveDataBeforeExit, tutorial::kMsgYesNoCancel),
              c.result)
        << c.messages.size() << " messages, first " << c.messages[0].second;
    MSG quit{};
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
  }
}

}  // namespace
