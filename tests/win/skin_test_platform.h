#pragma once
// Base fixture of the skin's Windows tests: the real platform (backend, application,
// resources of this program), or the one a test environment already set up.
#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/ui/application.h"
#include "platform/win32/win32_platform.h"

class SkinWin32Test : public ::testing::Test {
 protected:
  SkinWin32Test() {
    if (!ui::Application::Exists())
      platform_ = std::make_unique<win32::Win32Platform>(GetModuleHandleW(nullptr));
  }

  // The form's client area as its own paint path draws it, read back pixel by pixel.
  class Snapshot {
   public:
    explicit Snapshot(HWND window) {
      RECT client{};
      GetClientRect(window, &client);
      HDC screen = GetDC(nullptr);
      dc_.Reset(CreateCompatibleDC(screen));
      bitmap_.Reset(CreateCompatibleBitmap(screen, client.right, client.bottom));
      ReleaseDC(nullptr, screen);
      select_ = std::make_unique<win32::DcSelection>(dc_.Get(), bitmap_.Get());
      SendMessageW(window, WM_PRINTCLIENT, WPARAM(dc_.Get()), PRF_CLIENT);
    }
    COLORREF At(int x, int y) const { return GetPixel(dc_.Get(), x, y); }
    // How many pixels of `area` have exactly `color`.
    int Count(const RECT& area, COLORREF color) const {
      int n = 0;
      for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) n += At(x, y) == color;
      return n;
    }

   private:
    win32::UniqueMemoryDc dc_;
    win32::GdiObject<HBITMAP> bitmap_;
    std::unique_ptr<win32::DcSelection> select_;  // released before the bitmap goes
  };

 private:
  std::unique_ptr<win32::Win32Platform> platform_;
};
