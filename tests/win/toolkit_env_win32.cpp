// The toolkit behaviour tests on the Win32 backend: real windows, mouse messages sent to
// them, real timers, the backend's modal loop, and real error boxes, caught by a CBT hook
// and dismissed as they appear so that no test waits for a person.
#include <gtest/gtest.h>

#include <set>

#include "platform/ui/action.h"
#include "platform/ui/timer.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"
#include "tests/toolkit/toolkit_env.h"

namespace {

HWND WindowOf(ui::Form& form) {
  return form.Native() ? static_cast<HWND>(form.Native()->Handle()) : nullptr;
}

class Win32ToolkitEnv;
Win32ToolkitEnv* g_env = nullptr;  // the CBT hook has no context of its own

class Win32ToolkitEnv : public ToolkitEnv {
 public:
  Win32ToolkitEnv() {
    g_env = this;
    hook_ = SetWindowsHookExW(WH_CBT, &CbtProc, nullptr, GetCurrentThreadId());
  }
  ~Win32ToolkitEnv() override {
    if (hook_) UnhookWindowsHookEx(hook_);
    g_env = nullptr;
  }

  ui::Application& app() override { return platform_.App(); }

  void Click(ui::Control& control) override {
    ui::Form* form = control.GetForm();
    HWND window = form ? WindowOf(*form) : nullptr;
    ASSERT_NE(window, nullptr) << control.Name() << " is not on a shown form";
    const ui::Rect r = control.FormBounds();
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageW(window, WM_MOUSEMOVE, 0, at);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(window, WM_LBUTTONUP, 0, at);
  }

  void RequestClose(ui::Form& form) override { SendMessageW(WindowOf(form), WM_CLOSE, 0, 0); }

  void Idle() override {
    platform_.Backend().ProcessMessages();
    app().Idle();
  }

  void Wait(int milliseconds) override {
    const ULONGLONG end = GetTickCount64() + ULONGLONG(milliseconds);
    for (;;) {
      platform_.Backend().ProcessMessages();
      const ULONGLONG now = GetTickCount64();
      if (now >= end) break;
      MsgWaitForMultipleObjects(0, nullptr, FALSE, DWORD(end - now), QS_ALLINPUT);
    }
    app().Idle();
  }

  // The steps are run by an action list's update handler, so exactly once per idle pass of
  // the backend's own modal loop; each step then wakes the loop for the next pass.
  int RunModal(ui::Form& form, std::vector<Step> steps) override {
    size_t next = 0;
    bool running = false;
    auto endOpenForm = [&](const char* why) {
      ADD_FAILURE() << "\"" << form.Name() << "\" " << why;
      form.OnCloseQuery = nullptr;
      form.SetModalResult(ui::mrCancel);
      PostMessageW(WindowOf(form), WM_NULL, 0, 0);
    };
    ui::ActionList driver;
    driver.Add("RunStep", 0);
    driver.OnUpdate = [&](ui::Action&, bool& handled) {
      handled = true;
      if (running || !form.IsModal() || form.ModalResult() != ui::mrNone) return;
      if (next == steps.size()) {
        endOpenForm("is open after the last step");
        return;
      }
      running = true;
      steps[next++]();
      running = false;
      PostMessageW(WindowOf(form), WM_NULL, 0, 0);
    };
    ui::Timer watchdog;
    watchdog.SetInterval(10000);
    watchdog.OnTimer = [&](ui::Timer& timer) {
      timer.SetEnabled(false);
      endOpenForm("hangs in its modal loop");
    };
    watchdog.SetEnabled(true);
    const int result = form.ShowModal();
    if (next != steps.size()) ADD_FAILURE() << "\"" << form.Name() << "\" closed with steps left unrun";
    return result;
  }

  std::vector<std::string> ErrorBoxes() override { return boxes_; }

 private:
  // Message boxes are dialogs of class #32770: record the text, then press OK.
  static LRESULT CALLBACK CbtProc(int code, WPARAM wparam, LPARAM lparam) {
    if (g_env && code == HCBT_ACTIVATE) g_env->DialogActivated(reinterpret_cast<HWND>(wparam));
    if (g_env && code == HCBT_DESTROYWND) g_env->dismissed_.erase(reinterpret_cast<HWND>(wparam));
    return CallNextHookEx(nullptr, code, wparam, lparam);
  }

  static BOOL CALLBACK CollectStaticText(HWND child, LPARAM text) {
    wchar_t kind[32] = {};
    GetClassNameW(child, kind, int(std::size(kind)));
    wchar_t buffer[1024] = {};
    GetWindowTextW(child, buffer, int(std::size(buffer)));
    if (_wcsicmp(kind, L"Static") == 0 && buffer[0]) *reinterpret_cast<std::wstring*>(text) += buffer;
    return TRUE;
  }

  void DialogActivated(HWND dialog) {
    wchar_t className[32] = {};
    GetClassNameW(dialog, className, int(std::size(className)));
    if (std::wstring(className) != L"#32770" || !dismissed_.insert(dialog).second) return;
    std::wstring text;
    EnumChildWindows(dialog, &CollectStaticText, reinterpret_cast<LPARAM>(&text));
    wchar_t title[256] = {};
    GetWindowTextW(dialog, title, int(std::size(title)));
    // Only the standard error box is expected; anything else shows up with its title.
    const std::string message = win32::Narrow(text);
    boxes_.push_back(std::wstring(title) == L"Error" ? message : win32::Narrow(title) + ": " + message);
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  }

  win32::Win32Platform platform_{GetModuleHandleW(nullptr)};
  HHOOK hook_ = nullptr;
  std::set<HWND> dismissed_;
  std::vector<std::string> boxes_;
};

}  // namespace

std::unique_ptr<ToolkitEnv> MakeToolkitEnv() { return std::make_unique<Win32ToolkitEnv>(); }
