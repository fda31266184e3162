#include "platform/win32/win32_backend.h"

#include <algorithm>

#include "platform/ui/application.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/errors.h"
#include "platform/ui/form.h"
#include "platform/ui/timer.h"
#include "platform/win32/disabled_windows.h"
#include "platform/win32/event_guard.h"
#include "platform/win32/system_message.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_check_box.h"
#include "platform/win32/win32_combo_box.h"
#include "platform/win32/win32_edit.h"
#include "platform/win32/win32_native_form.h"
#include "platform/win32/win32_dpi.h"

namespace win32 {
namespace {

constexpr wchar_t kFormClassName[] = L"TutorForm";

// The backend the timer messages are for: a module has one at a time, as its window class
// can be registered only once.
Win32Backend* g_backend = nullptr;

ATOM Register(WNDCLASSEXW& windowClass) {
  const ATOM atom = RegisterClassExW(&windowClass);
  if (!atom) {
    throw ui::Error("Cannot register the window class " + Narrow(windowClass.lpszClassName) +
                    ": " + SystemMessage(GetLastError()));
  }
  return atom;
}

}  // namespace

Win32Backend::Win32Backend(HINSTANCE module) : module_(module) {
  WNDCLASSEXW form{};
  form.cbSize = sizeof(form);
  form.style = CS_DBLCLKS;
  form.lpfnWndProc = &Win32NativeForm::WindowProc;
  form.hInstance = module_;
  form.lpszClassName = kFormClassName;  // no cursor: WM_SETCURSOR asks the form
  formClass_ = Register(form);
  g_backend = this;
}

Win32Backend::~Win32Backend() {
  for (const auto& [id, timer] : timers_) {
    KillTimer(nullptr, id);
    timer->nativeId = 0;
  }
  g_backend = nullptr;
  UnregisterClassW(ClassAtom(formClass_), module_);
}

std::unique_ptr<ui::NativeForm> Win32Backend::CreateNativeForm(ui::Form& form) {
  return std::make_unique<Win32NativeForm>(*this, form);
}

std::unique_ptr<ui::NativeControl> Win32Backend::CreateNativeControl(
    ui::WindowedControl& control) {
  ui::Form* form = control.GetForm();
  if (!form || !form->Native()) return nullptr;
  HWND parent = static_cast<HWND>(form->Native()->Handle());
  // One case per kind; a derived kind (a data-aware edit) is realised as its base.
  if (auto* edit = dynamic_cast<ui::Edit*>(&control))
    return std::make_unique<Win32Edit>(*this, *edit, parent);
  if (auto* combo = dynamic_cast<ui::ComboBox*>(&control))
    return std::make_unique<Win32ComboBox>(*this, *combo, parent);
  if (auto* box = dynamic_cast<ui::CheckBox*>(&control))
    return std::make_unique<Win32CheckBox>(*this, *box, parent);
  return nullptr;
}

bool Win32Backend::ModalEnded(ui::Form& form) {
  if (form.ModalResult() == ui::mrNone) return false;
  bool canClose = false;
  RunGuarded([&] { canClose = form.CanClose(); });
  if (!canClose) form.SetModalResult(ui::mrNone);
  return canClose;
}

void Win32Backend::RunModalLoop(ui::Form& form) {
  modalForms_.push_back(&form);
  struct Pop {
    std::vector<ui::Form*>& forms;
    ~Pop() { forms.pop_back(); }
  } pop{modalForms_};
  HWND window = form.Native() ? static_cast<HWND>(form.Native()->Handle()) : nullptr;
  DisabledWindows others(window);

  MSG msg{};
  for (;;) {
    if (ModalEnded(form)) return;
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (auto* native = dynamic_cast<Win32NativeForm*>(form.Native())) native->Reap();
      RunGuarded([] { ui::Application::Instance().Idle(); });
      if (ModalEnded(form)) return;
      WaitMessage();
      continue;
    }
    if (msg.message == WM_QUIT) {
      // The program is ending: leave, and let the outer loop see the quit as well.
      PostQuitMessage(int(msg.wParam));
      if (form.ModalResult() == ui::mrNone) form.SetModalResult(ui::mrCancel);
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void Win32Backend::ProcessMessages() {
  MSG msg{};
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(int(msg.wParam));
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void Win32Backend::StartTimer(ui::Timer& timer) {
  StopTimer(timer);
  // A killed timer leaves no message behind, so an id the system gives again is safe.
  const UINT_PTR id = SetTimer(nullptr, 0, UINT(std::max(timer.Interval(), 1)), &TimerProc);
  if (!id) throw ui::Error("Cannot start a timer: " + SystemMessage(GetLastError()));
  timer.nativeId = id;
  timers_[id] = &timer;
}

void Win32Backend::StopTimer(ui::Timer& timer) {
  if (timer.nativeId == 0) return;
  if (timers_.erase(timer.nativeId)) KillTimer(nullptr, timer.nativeId);
  timer.nativeId = 0;
}

void Win32Backend::TimerElapsed(UINT_PTR id) {
  auto it = timers_.find(id);
  if (it == timers_.end()) return;
  it->second->Fire();  // may stop or destroy the timer: nothing is touched after it
}

void CALLBACK Win32Backend::TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
  if (Win32Backend* self = g_backend) RunGuarded([&] { self->TimerElapsed(id); });
}

ui::Size Win32Backend::DesktopSize() {
  const ui::Scale scale = ScaleForNewForm();
  return {scale.ToDesign(GetSystemMetrics(SM_CXVIRTUALSCREEN)),
          scale.ToDesign(GetSystemMetrics(SM_CYVIRTUALSCREEN))};
}

ui::Scale Win32Backend::ScaleForNewForm() const {
  HWND active = GetActiveWindow();
  HMONITOR monitor = active ? MonitorFromWindow(active, MONITOR_DEFAULTTOPRIMARY)
                            : MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
  return ScaleForDpi(MonitorDpi(monitor), monitor);
}

ui::Scale Win32Backend::ScaleForDpi(int dpi, HMONITOR monitor) const {
  return win32::ScaleForDpi(dpi, monitor, designSize_);
}

HWND Win32Backend::ErrorBoxOwner() const {
  HWND active = GetActiveWindow();
  if (Win32NativeForm::FromHandle(active)) return active;
  if (!modalForms_.empty() && modalForms_.back()->Native())
    return static_cast<HWND>(modalForms_.back()->Native()->Handle());
  return nullptr;
}

void Win32Backend::ShowErrorBox(const std::string& message) {
  MessageBoxW(ErrorBoxOwner(), Widen(message).c_str(), L"Error", MB_ICONERROR | MB_OK);
}

HCURSOR Win32Backend::CursorHandle(ui::Cursor cursor) {
  switch (cursor) {
    case ui::Cursor::Hand: return LoadCursorW(nullptr, IDC_HAND);
    case ui::Cursor::HourGlass: return LoadCursorW(nullptr, IDC_WAIT);
    case ui::Cursor::IBeam: return LoadCursorW(nullptr, IDC_IBEAM);
    case ui::Cursor::Default: break;
  }
  return LoadCursorW(nullptr, IDC_ARROW);
}

intptr_t Win32Backend::SendHostMessage(void* window, unsigned message, uintptr_t wparam,
                                      intptr_t lparam) {
  if (!window) return 0;
  return SendMessageW(static_cast<HWND>(window), message, WPARAM(wparam), LPARAM(lparam));
}

void Win32Backend::SetOverrideCursor(ui::Cursor cursor) {
  if (cursor != ui::Cursor::Default) {
    SetCursor(CursorHandle(cursor));
    return;
  }
  // Back to what the window under the mouse shows: ask it, as a mouse move would.
  POINT p{};
  GetCursorPos(&p);
  HWND window = WindowFromPoint(p);
  if (window && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) {
    const LRESULT hit = SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
    SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                 MAKELPARAM(LOWORD(hit), WM_MOUSEMOVE));
  } else {
    SetCursor(CursorHandle(ui::Cursor::Default));
  }
}

ui::Color Win32Backend::ResolveColor(ui::Color color) {
  if (!ui::IsSystemColor(color)) return color;
  return ui::Color(GetSysColor(ui::SystemColorIndex(color)));
}

}  // namespace win32

namespace win32 {

void Win32Backend::PrepareNativeClasses(Win32NativeForm& form) {
  if (nativeClassesPrepared_) return;
  nativeClassesPrepared_ = true;
  struct Kind {
    const wchar_t* className;
    DWORD style, exStyle;
    int count;
    bool inFieldLook;  // the form's usual field font and height, when it has one
  };
  // The classes and styles the native fields are made with (Win32Edit, Win32ComboBox,
  // Win32CheckBox) as the skinned pages use them (flat edits), as many as a page has at most;
  // hidden until fields take them.
  static constexpr Kind kinds[] = {
      {L"EDIT", ES_AUTOHSCROLL, 0, 6, true},
      {L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL, 0, 1, true},
      {L"BUTTON", BS_CHECKBOX, 0, 8, false},
  };
  // Made in the look most fields have, a spare needs no new font (and a combo box no new
  // layout) when a page takes it.
  const ui::Form::FieldLook& look = form.GetForm().GetFieldLook();
  const HFONT lookFont =
      look.height > 0 ? Fonts().Get(DeviceFont(look.font, form.GetScale())) : nullptr;
  const int lookHeight = form.GetScale().ToDevice(look.height);
  for (const Kind& kind : kinds) {
    const HFONT font = kind.inFieldLook ? lookFont : nullptr;
    const bool combo = wcscmp(kind.className, L"COMBOBOX") == 0;
    const int height = !font ? 100 : combo ? lookHeight + ComboListHeight(font, 1) : lookHeight;
    for (int i = 0; i < kind.count; ++i) {
      // With a text: the first laid-out text of an edit costs as much as its class.
      HWND window = CreateWindowExW(kind.exStyle, kind.className, L"0",
                                    WS_CHILD | WS_CLIPSIBLINGS | kind.style, 0, 0, 80, height,
                                    form.Window(), nullptr, module_, nullptr);
      if (!window) continue;
      if (font) {
        SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (combo) FitComboClosedHeight(window, lookHeight);
      }
      form.Bury(
          {window, nullptr, nullptr, nullptr, kind.className, kind.style, kind.exStyle, font});
    }
  }
}

}  // namespace win32
