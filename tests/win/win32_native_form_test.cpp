// A form as a real top-level window: its frame and placement, painting through WM_PAINT,
// mouse input with capture and leave, cursors, custom messages, and the modal loop's hold
// on the thread's other windows.
#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/ui/combo_box.h"
#include "platform/ui/form.h"
#include "platform/ui/image.h"
#include "platform/ui/panel.h"
#include "platform/ui/timer.h"
#include "platform/win32/win32_native_control.h"
#include "platform/win32/win32_platform.h"

namespace {

// Records its mouse events.
class Probe : public ui::Control {
 public:
  using ui::Control::Control;
  void MouseEnter() override { events.push_back("enter"); }
  void MouseLeave() override { events.push_back("leave"); }
  void MouseDown(const ui::MouseEvent& e) override {
    events.push_back("down " + std::to_string(e.pos.x) + "," + std::to_string(e.pos.y));
  }
  void MouseUp(const ui::MouseEvent&) override { events.push_back("up"); }
  std::vector<std::string> events;
};

// A window that answers a private message, as the wizard's page placement does.
class MessageForm : public ui::Form {
 public:
  using ui::Form::Form;
  bool HandleMessage(unsigned message, uintptr_t wparam, intptr_t, intptr_t& result) override {
    if (message != 0x4401) return false;
    received = int(wparam);
    result = 77;
    return true;
  }
  int received = 0;
};

class Win32NativeFormTest : public ::testing::Test {
 protected:
  Win32NativeFormTest() {
    form.SetBorderStyle(ui::BorderStyle::None);
    form.SetBounds(100, 80, 200, 120);
    form.SetColor(ui::clWhite);
  }

  HWND Window() const { return static_cast<HWND>(form.Native()->Handle()); }
  // What the window shows on the screen (its surface), at client coordinates.
  COLORREF ScreenPixel(int x, int y) const {
    HDC dc = GetDC(Window());
    const COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(Window(), dc);
    return color;
  }

  win32::Win32Platform platform{GetModuleHandleW(nullptr)};
  MessageForm form{"NativeForm"};
};

TEST_F(Win32NativeFormTest, BorderWidthSurroundsTheClientAreaInTheFormColour) {
  form.SetBorderWidth(3);
  form.SetColor(ui::clGreen);
  form.SetCenterOnScreen(true);
  form.Show();
  UpdateWindow(Window());

  RECT client{}, outer{};
  GetClientRect(Window(), &client);
  GetWindowRect(Window(), &outer);
  EXPECT_EQ(client.right, 200);
  EXPECT_EQ(client.bottom, 120);
  EXPECT_EQ(outer.right - outer.left, 206);
  const ui::Size screen{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  EXPECT_EQ(outer.left, (screen.width - 206) / 2) << "centred when first shown";
  EXPECT_EQ(form.Left(), outer.left) << "the form learns where it went";

  HDC dc = GetWindowDC(Window());
  EXPECT_EQ(GetPixel(dc, 1, 1), RGB(0, 128, 0));
  ReleaseDC(Window(), dc);
}

TEST_F(Win32NativeFormTest, ModelAndWindowPlacementFollowEachOther) {
  form.Show();
  form.SetBounds(120, 90, 250, 150);
  RECT outer{};
  GetWindowRect(Window(), &outer);
  EXPECT_EQ(outer.left, 120);
  EXPECT_EQ(outer.right - outer.left, 250);

  SetWindowPos(Window(), nullptr, 10, 20, 300, 200, SWP_NOZORDER);
  EXPECT_EQ(form.Bounds(), ui::Rect::FromBounds(10, 20, 300, 200));

  form.SetWindowState(ui::WindowState::Maximized);
  RECT client{};
  GetClientRect(Window(), &client);
  EXPECT_EQ(client.right, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(form.Width(), client.right) << "a maximised form knows its size";

  ShowWindow(Window(), SW_RESTORE);  // as the user would
  EXPECT_EQ(form.GetWindowState(), ui::WindowState::Normal);
  EXPECT_EQ(form.Width(), 300);
}

TEST_F(Win32NativeFormTest, PaintsItsGraphicControlsThroughWmPaint) {
  auto& panel = form.Add<ui::Panel>("Panel1");
  panel.SetBounds(10, 10, 50, 40);
  panel.SetColor(ui::clRed);
  auto picture = std::make_shared<ui::Picture>(30, 30);
  for (int i = 0; i < 30 * 30; ++i) {
    uint8_t* p = picture->Pixels() + i * 4;
    p[0] = 255, p[1] = 0, p[2] = 0, p[3] = 255;  // blue
  }
  auto& image = form.Add<ui::Image>("Image1");
  image.SetBounds(100, 10, 20, 20);  // smaller than the picture: clipped
  image.SetPicture(picture);
  form.Show();
  UpdateWindow(Window());

  EXPECT_EQ(ScreenPixel(5, 5), RGB(255, 255, 255));
  EXPECT_EQ(ScreenPixel(30, 30), RGB(255, 0, 0));
  EXPECT_EQ(ScreenPixel(110, 20), RGB(0, 0, 255));
  EXPECT_EQ(ScreenPixel(125, 20), RGB(255, 255, 255));

  panel.SetColor(ui::clGreen);  // invalidates; the next paint shows it
  UpdateWindow(Window());
  EXPECT_EQ(ScreenPixel(30, 30), RGB(0, 128, 0));
}

TEST_F(Win32NativeFormTest, TheFirstPaintPreparesHiddenFieldsThatTheFirstFieldsTake) {
  EXPECT_FALSE(platform.Backend().NativeClassesPrepared());
  form.Show();
  UpdateWindow(Window());
  platform.Backend().ProcessMessages();
  EXPECT_TRUE(platform.Backend().NativeClassesPrepared()) << "asked for after the first paint";
  std::vector<HWND> prepared;
  for (HWND w = GetWindow(Window(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
    prepared.push_back(w);
    EXPECT_FALSE(IsWindowVisible(w)) << "nothing of them is shown";
    EXPECT_EQ(win32::Win32NativeControl::FromHandle(w), nullptr);
  }
  EXPECT_GE(prepared.size(), 3u) << "edits, a combo box and check boxes";

  // The first combo box takes the prepared one, shown where it belongs.
  auto& combo = form.Add<ui::ComboBox>("Combo1");
  combo.SetBounds(10, 10, 100, 23);
  HWND window = static_cast<win32::Win32NativeControl*>(combo.Native())->Window();
  EXPECT_NE(std::find(prepared.begin(), prepared.end(), window), prepared.end());
  EXPECT_TRUE(IsWindowVisible(window));
  RECT r{};
  GetWindowRect(window, &r);
  EXPECT_EQ(r.bottom - r.top, 23);
}

TEST_F(Win32NativeFormTest, MouseInputIsCapturedWhilePressedAndLeavesAreReported) {
  auto& probe = form.Add<Probe>("Probe");
  probe.SetBounds(20, 20, 40, 40);
  probe.SetCursor(ui::Cursor::Hand);
  form.Show();

  SendMessageW(Window(), WM_MOUSEMOVE, 0, MAKELPARAM(30, 30));
  SendMessageW(Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 35));
  EXPECT_EQ(GetCapture(), Window());
  SendMessageW(Window(), WM_LBUTTONUP, 0, MAKELPARAM(30, 35));
  EXPECT_EQ(GetCapture(), nullptr);
  SendMessageW(Window(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(probe.events, (std::vector<std::string>{"enter", "down 10,15", "up", "leave"}));

  EXPECT_EQ(form.CursorAt({30, 30}), ui::Cursor::Hand);
  SetCursorPos(100 + 30, 80 + 30);
  SendMessageW(Window(), WM_SETCURSOR, WPARAM(Window()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
  platform.App().SetOverrideCursor(ui::Cursor::HourGlass);
  SendMessageW(Window(), WM_SETCURSOR, WPARAM(Window()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_WAIT));
  platform.App().SetOverrideCursor(ui::Cursor::Default);
}

TEST_F(Win32NativeFormTest, UnmappedMessagesReachTheForm) {
  form.Show();
  EXPECT_EQ(SendMessageW(Window(), 0x4401, 5, 0), 77);
  EXPECT_EQ(form.received, 5);
}

TEST_F(Win32NativeFormTest, ModalFormDisablesTheOtherWindowsUntilItEnds) {
  ui::Form host("Host");
  host.SetBounds(0, 0, 100, 100);
  host.Show();
  HWND hostWindow = static_cast<HWND>(host.Native()->Handle());

  bool hostEnabledWhileModal = true;
  ui::Timer timer;
  timer.SetInterval(20);
  timer.OnTimer = [&](ui::Timer& t) {
    t.SetEnabled(false);
    hostEnabledWhileModal = IsWindowEnabled(hostWindow);
    form.SetModalResult(ui::mrOk);
  };
  timer.SetEnabled(true);
  EXPECT_EQ(form.ShowModal(), ui::mrOk);
  EXPECT_FALSE(hostEnabledWhileModal);
  EXPECT_TRUE(IsWindowEnabled(hostWindow));
  EXPECT_FALSE(IsWindowVisible(Window()));
}

TEST_F(Win32NativeFormTest, QuitEndsTheModalLoopAndIsPassedOn) {
  ui::Timer timer;
  timer.SetInterval(20);
  timer.OnTimer = [](ui::Timer& t) {
    t.SetEnabled(false);
    PostQuitMessage(3);
  };
  timer.SetEnabled(true);
  EXPECT_EQ(form.ShowModal(), ui::mrCancel);
  MSG quit{};
  ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(quit.wParam, 3u);
}

}  // namespace
