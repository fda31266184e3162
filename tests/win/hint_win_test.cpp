// Hints on the real backend: resting the mouse on a windowless control shows its hint in a
// tooltip window of the form, below the mouse; moving on switches it, leaving takes it down.
#include "platform/win32/windows_api.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/form.h"
#include "platform/win32/win32_platform.h"

namespace {

BOOL CALLBACK CollectTip(HWND window, LPARAM out) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, int(std::size(name)));
  if (lstrcmpiW(name, TOOLTIPS_CLASSW) == 0 && IsWindowVisible(window))
    reinterpret_cast<std::vector<HWND>*>(out)->push_back(window);
  return TRUE;
}

// The tooltips of this thread that are on the screen.
std::vector<HWND> VisibleTips() {
  std::vector<HWND> tips;
  EnumThreadWindows(GetCurrentThreadId(), &CollectTip, reinterpret_cast<LPARAM>(&tips));
  return tips;
}

std::wstring TextOf(HWND tip) {
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  wchar_t text[256] = {};
  if (!SendMessageW(tip, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool))) return L"";
  tool.lpszText = text;
  SendMessageW(tip, TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&tool));
  return text;
}

class HintWinTest : public ::testing::Test {
 protected:
  HintWinTest() {
    form.SetBorderStyle(ui::BorderStyle::None);
    form.SetBounds(100, 80, 300, 200);
    form.SetShowHint(true);
    next.SetBounds(20, 20, 60, 30);
    next.SetHint("Next");
    home.SetBounds(80, 20, 60, 30);
    home.SetHint("Home Page");
    form.Show();
  }
  HWND Window() const { return static_cast<HWND>(form.Native()->Handle()); }
  // The mouse really goes there (so the window's leave tracking agrees), and the window gets
  // the move as the system would send it.
  void Hover(int x, int y) {
    SetCursorPos(100 + x, 80 + y);
    SendMessageW(Window(), WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
  }
  void Pump(int milliseconds) {
    const ULONGLONG end = GetTickCount64() + ULONGLONG(milliseconds);
    for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
      platform.Backend().ProcessMessages();
      MsgWaitForMultipleObjects(0, nullptr, FALSE, DWORD(end - now), QS_ALLINPUT);
    }
    platform.Backend().ProcessMessages();
  }

  win32::Win32Platform platform{GetModuleHandleW(nullptr)};
  ui::Form form{"HintForm"};
  ui::Control& next = form.Add<ui::Control>("Next");
  ui::Control& home = form.Add<ui::Control>("Home");
};

TEST_F(HintWinTest, ATooltipOfTheFormShowsTheHotControlsHintAfterThePause) {
  Hover(30, 30);
  Pump(ui::HintTracker::kPause / 2);
  EXPECT_TRUE(VisibleTips().empty()) << "nothing before the pause";
  Pump(ui::HintTracker::kPause);
  std::vector<HWND> tips = VisibleTips();
  ASSERT_EQ(tips.size(), 1u);
  EXPECT_EQ(TextOf(tips[0]), L"Next");
  EXPECT_EQ(GetWindow(tips[0], GW_OWNER), Window());
  RECT at{};
  GetWindowRect(tips[0], &at);
  EXPECT_GT(at.top, 80 + 30) << "below the mouse";
  EXPECT_LT(at.top, 80 + 30 + GetSystemMetrics(SM_CYCURSOR)) << "and close to it";

  Hover(90, 30);
  EXPECT_TRUE(VisibleTips().empty()) << "the old hint goes at once";
  Pump(ui::HintTracker::kPause);
  tips = VisibleTips();
  ASSERT_EQ(tips.size(), 1u);
  EXPECT_EQ(TextOf(tips[0]), L"Home Page");
  SendMessageW(Window(), WM_MOUSELEAVE, 0, 0);
  EXPECT_TRUE(VisibleTips().empty());
}

}  // namespace
