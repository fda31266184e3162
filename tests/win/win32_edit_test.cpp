// ui::Edit realised as a native EDIT window: typing and the model stay in step both ways
// without echo, the model's limits and state reach the window, focus moves are reported,
// and Alt+key typed into an edit reaches the form's accelerators.
#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/edit.h"
#include "platform/ui/form.h"
#include "platform/ui/panel.h"
#include "platform/win32/win32_native_control.h"
#include "platform/win32/win32_platform.h"

namespace {

// Takes one accelerator character and counts it.
class AcceleratorTarget : public ui::Control {
 public:
  using ui::Control::Control;
  bool DialogChar(char32_t ch) override {
    if (ch != U'n') return false;
    ++hits;
    return true;
  }
  int hits = 0;
};

class Win32EditTest : public ::testing::Test {
 protected:
  Win32EditTest() {
    form.SetBorderStyle(ui::BorderStyle::None);
    form.SetBounds(40, 40, 320, 140);
    panel.SetBounds(20, 30, 260, 90);
    edit.SetBounds(10, 10, 200, 24);
    other.SetBounds(10, 50, 200, 24);
    edit.OnChange = [this](ui::Edit& e) { changes.push_back(e.Text()); };
    form.Show();
  }

  static HWND WindowOf(ui::Edit& e) {
    auto* native = dynamic_cast<win32::Win32NativeControl*>(e.Native());
    return native ? native->Window() : nullptr;
  }
  static std::wstring TextOf(HWND window) {
    wchar_t buffer[256] = {};
    GetWindowTextW(window, buffer, int(std::size(buffer)));
    return buffer;
  }
  static void Type(HWND window, const std::wstring& text) {
    for (wchar_t ch : text) SendMessageW(window, WM_CHAR, ch, 1);
  }

  win32::Win32Platform platform{GetModuleHandleW(nullptr)};
  ui::Form form{"EditForm"};
  AcceleratorTarget& accelerator = form.Add<AcceleratorTarget>("Accelerator");
  ui::Panel& panel = form.Add<ui::Panel>("Panel1");
  ui::Edit& edit = panel.Add<ui::Edit>("Edit1");
  ui::Edit& other = panel.Add<ui::Edit>("Edit2");
  std::vector<std::string> changes;
};

TEST_F(Win32EditTest, TypingUpdatesTheModelOncePerChange) {
  HWND window = WindowOf(edit);
  ASSERT_NE(window, nullptr);
  Type(window, L"ab");
  EXPECT_EQ(edit.Text(), "ab");
  EXPECT_EQ(changes, (std::vector<std::string>{"a", "ab"}));

  // Text arriving from outside the model (a paste, an automation tool) counts as the user's.
  SetWindowTextW(window, L"Grüße");
  EXPECT_EQ(edit.Text(), "Grüße");
  EXPECT_EQ(changes.size(), 3u);
}

TEST_F(Win32EditTest, ModelChangesReachTheWindowWithoutEcho) {
  HWND window = WindowOf(edit);
  edit.SetText("Köln");
  EXPECT_EQ(TextOf(window), L"Köln");
  EXPECT_TRUE(changes.empty()) << "a programmatic change is not the user's";

  edit.SetText("Bonn", ui::Notify::Yes);
  EXPECT_EQ(TextOf(window), L"Bonn");
  EXPECT_EQ(changes, std::vector<std::string>{"Bonn"}) << "notified once, not echoed";
}

TEST_F(Win32EditTest, AFlatEditLosesItsEdgeAndPaintsOnItsColour) {
  HWND window = WindowOf(edit);
  EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  edit.SetBorder(false);
  EXPECT_FALSE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  edit.SetColor(ui::Rgb(255, 213, 170));
  HDC dc = GetDC(window);
  const LRESULT brush = SendMessageW(static_cast<HWND>(form.Native()->Handle()), WM_CTLCOLOREDIT,
                                     WPARAM(dc), LPARAM(window));
  EXPECT_EQ(GetBkColor(dc), RGB(255, 213, 170));
  ReleaseDC(window, dc);
  LOGBRUSH logBrush{};
  ASSERT_NE(brush, 0);
  GetObjectW(reinterpret_cast<HBRUSH>(brush), sizeof logBrush, &logBrush);
  EXPECT_EQ(logBrush.lbColor, RGB(255, 213, 170));
}

TEST_F(Win32EditTest, ModelStateLimitsTheWindow) {
  HWND window = WindowOf(edit);
  edit.SetMaxLength(3);
  Type(window, L"abcd");
  EXPECT_EQ(edit.Text(), "abc");

  edit.SetReadOnly(true);
  Type(window, L"x");
  EXPECT_EQ(edit.Text(), "abc");

  edit.SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(window));

  // Placed in form coordinates: the panel's offset plus the edit's own.
  RECT r{};
  GetWindowRect(window, &r);
  MapWindowPoints(nullptr, static_cast<HWND>(form.Native()->Handle()), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 30);
  EXPECT_EQ(r.top, 40);
  panel.SetBounds(25, 30, 260, 90);
  GetWindowRect(window, &r);
  MapWindowPoints(nullptr, static_cast<HWND>(form.Native()->Handle()), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 35);

  EXPECT_TRUE(IsWindowVisible(window));
  panel.SetVisible(false);
  EXPECT_FALSE(IsWindowVisible(window)) << "hidden with its parent control";
}

TEST_F(Win32EditTest, FocusMovesAreReportedAsEnterAndExitAndTabMovesOn) {
  std::vector<std::string> events;
  edit.OnEnter = [&](ui::Control& c) { events.push_back("enter " + c.Name()); };
  edit.OnExit = [&](ui::Control& c) { events.push_back("exit " + c.Name()); };
  other.OnEnter = [&](ui::Control& c) { events.push_back("enter " + c.Name()); };

  edit.SetFocus();
  EXPECT_EQ(GetFocus(), WindowOf(edit));
  SendMessageW(WindowOf(edit), WM_KEYDOWN, VK_TAB, 0);  // Tab goes on to the next control
  EXPECT_EQ(GetFocus(), WindowOf(other));
  EXPECT_EQ(form.ActiveControl(), &other);
  EXPECT_EQ(events, (std::vector<std::string>{"enter Edit1", "exit Edit1", "enter Edit2"}));
}

TEST_F(Win32EditTest, AltKeyInAnEditReachesTheFormAccelerators) {
  edit.SetFocus();
  HWND window = WindowOf(edit);
  // Windows sends Alt+N to the focused window, which is the edit.
  EXPECT_EQ(SendMessageW(window, WM_SYSCHAR, L'N', LPARAM(1) << 29), 0);
  EXPECT_EQ(accelerator.hits, 1);
  EXPECT_EQ(edit.Text(), "");

  // With the focus on the form itself, a plain letter is an accelerator too.
  HWND formWindow = static_cast<HWND>(form.Native()->Handle());
  SetFocus(formWindow);
  EXPECT_EQ(form.ActiveControl(), nullptr);
  SendMessageW(formWindow, WM_CHAR, L'n', 1);
  EXPECT_EQ(accelerator.hits, 2);
}

}  // namespace
