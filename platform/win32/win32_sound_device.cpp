#include "platform/win32/win32_sound_device.h"

#include <mmsystem.h>

#include <map>
#include <vector>

#include "platform/ui/errors.h"
#include "platform/win32/event_guard.h"
#include "platform/win32/system_message.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/wide.h"

namespace win32 {
namespace {

constexpr wchar_t kClassName[] = L"TutorSoundNotices";
constexpr UINT_PTR kFinishTimer = 1;

// The devices whose set-up timer has not come yet, by timer: a thread's timer carries no
// window to find its device by. Devices are made, used and destroyed on the windows' thread.
std::map<UINT_PTR, Win32SoundDevice*> g_settingUp;

DWORD WINAPI SetUpWaveOutput(void*) { return waveOutGetNumDevs(); }

void StartWaveOutputSetUp() {
  if (HANDLE thread = CreateThread(nullptr, 0, &SetUpWaveOutput, nullptr, 0, nullptr))
    CloseHandle(thread);
}

// A notice the device would have sent for a play the sound device held back.
void PostNotice(DWORD_PTR callback, WPARAM code, uint16_t device) {
  if (callback) PostMessageW(reinterpret_cast<HWND>(callback), MM_MCINOTIFY, code, device);
}

// Wine's wave driver ends an asynchronous play on a thread of its own, whose last lines can
// still be running when a stop has returned; closing the last wave device then unloads the
// driver under that thread, and the process crashes. Once loaded, the driver stays loaded.
void KeepWaveDriverLoaded() {
  static bool kept = false;
  if (kept) return;
  HMODULE driver = nullptr;
  kept = GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_PIN, L"mciwave.dll", &driver);
}

// A command without parameters of its own (stop, pause, close), waited for.
MCIERROR SendWaited(uint16_t device, UINT command) {
  MCI_GENERIC_PARMS generic{};
  return mciSendCommandA(device, command, MCI_WAIT, reinterpret_cast<DWORD_PTR>(&generic));
}

static_assert(os::mci::kOpen == MCI_OPEN && os::mci::kClose == MCI_CLOSE && os::mci::kPlay == MCI_PLAY &&
              os::mci::kSeek == MCI_SEEK && os::mci::kStop == MCI_STOP && os::mci::kStatus == MCI_STATUS);
static_assert(os::mci::kNotify == MCI_NOTIFY && os::mci::kWait == MCI_WAIT &&
              os::mci::kOpenElement == MCI_OPEN_ELEMENT && os::mci::kSeekToStart == MCI_SEEK_TO_START &&
              os::mci::kStatusItem == MCI_STATUS_ITEM && os::mci::kStatusMode == MCI_STATUS_MODE &&
              os::mci::kModePlay == MCI_MODE_PLAY && os::mci::kNotifyAborted == MCI_NOTIFY_ABORTED &&
              os::mci::kErrFileNotFound == MCIERR_FILE_NOT_FOUND);

// MCI takes names in the ANSI code page; the program's text is UTF-8.
std::string ToAnsi(const std::string& utf8) {
  const std::wstring wide = Widen(utf8);
  if (wide.empty()) return {};
  const int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string ansi(size_t(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), int(wide.size()), ansi.data(), n, nullptr, nullptr);
  return ansi;
}

std::string FromAnsi(const char* ansi) {
  const int n = MultiByteToWideChar(CP_ACP, 0, ansi, -1, nullptr, 0);
  if (n <= 1) return {};
  std::wstring wide(size_t(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi, -1, wide.data(), n);
  wide.resize(size_t(n - 1));
  return Narrow(wide);
}

class NoticeWindow : public os::SoundNoticeWindow {
 public:
  NoticeWindow(HWND window, os::SoundDevice::NoticeHandler handler)
      : handler_(std::move(handler)), window_(window) {
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~NoticeWindow() override {
    // Notices still queued for the window die with it.
    SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, 0);
  }
  uintptr_t Handle() const override { return reinterpret_cast<uintptr_t>(window_.Get()); }
  // The handler may close the device, and so destroy this window and its handler, before it
  // returns: it runs from a copy, and nothing of this object is touched after it.
  void Deliver(WPARAM code, LPARAM device) {
    const os::SoundDevice::NoticeHandler handler = handler_;
    handler(uint32_t(code), uint32_t(device));
  }

 private:
  os::SoundDevice::NoticeHandler handler_;
  UniqueWindow window_;
};

}  // namespace

Win32SoundDevice::Win32SoundDevice(HINSTANCE module) : module_(module) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = &WindowProc;
  windowClass.hInstance = module_;
  windowClass.lpszClassName = kClassName;
  class_ = RegisterClassExW(&windowClass);
  if (!class_)
    throw ui::Error("Cannot register the sound window class: " + SystemMessage(GetLastError()));
  // The system's wave output is set up by its first use (drivers loaded, devices listed: a
  // tenth of a second under Wine). Asked for on a thread of its own, it is ready by the first
  // narration instead of holding the page that starts it; and only once the first window is
  // painted (a timer comes after the paint): running beside the opening, it made the opening
  // a third slower under Wine, and no narration starts before that paint either. The same
  // timer makes the timer window, which costs a millisecond or more to create under Wine:
  // after the opening, and still before the first step.
  setUpTimer_ = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, &SetUpTimerProc);
  if (setUpTimer_) {
    g_settingUp[setUpTimer_] = this;
  } else {
    TimerWindow();
    StartWaveOutputSetUp();
  }
}

Win32SoundDevice::~Win32SoundDevice() {
  // Nothing pending is finished here: this runs when the library is unloaded, under the
  // loader's lock, or as the process ends, when the devices' player threads are gone and a
  // stop would wait for them forever. The end of a run has finished it (LaunchTutorial).
  if (setUpTimer_) {
    KillTimer(nullptr, setUpTimer_);
    g_settingUp.erase(setUpTimer_);
  }
  if (timerWindow_) DestroyWindow(timerWindow_);
  UnregisterClassW(ClassAtom(class_), module_);
}

void CALLBACK Win32SoundDevice::SetUpTimerProc(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  const auto it = g_settingUp.find(timer);
  if (it == g_settingUp.end()) return;
  Win32SoundDevice* device = it->second;
  g_settingUp.erase(it);
  device->setUpTimer_ = 0;
  device->TimerWindow();
  StartWaveOutputSetUp();
}

HWND Win32SoundDevice::TimerWindow() {
  if (timerWindow_) return timerWindow_;
  timerWindow_ = CreateWindowExW(0, ClassAtom(class_), L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 module_, nullptr);
  if (timerWindow_) SetWindowLongPtrW(timerWindow_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  return timerWindow_;
}

LRESULT CALLBACK Win32SoundDevice::WindowProc(HWND window, UINT message, WPARAM wparam,
                                              LPARAM lparam) {
  if (message == WM_TIMER && wparam == kFinishTimer) {
    KillTimer(window, kFinishTimer);
    if (auto* device = reinterpret_cast<Win32SoundDevice*>(GetWindowLongPtrW(window, GWLP_USERDATA)))
      RunGuarded([&] { device->RunPending(); });
    return 0;
  }
  if (message == MM_MCINOTIFY) {
    if (auto* target = reinterpret_cast<NoticeWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA)))
      RunGuarded([&] { target->Deliver(wparam, lparam); });
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

std::unique_ptr<os::SoundNoticeWindow> Win32SoundDevice::CreateNoticeWindow(NoticeHandler handler) {
  HWND window = CreateWindowExW(0, ClassAtom(class_), L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                module_, nullptr);
  if (!window) throw ui::Error("Cannot create the sound window: " + SystemMessage(GetLastError()));
  return std::make_unique<NoticeWindow>(window, std::move(handler));
}

bool Win32SoundDevice::Plays(uint16_t device) {
  MCI_STATUS_PARMS status{};
  status.dwItem = MCI_STATUS_MODE;
  return mciSendCommandA(device, MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT,
                         reinterpret_cast<DWORD_PTR>(&status)) == 0 &&
         status.dwReturn == MCI_MODE_PLAY;
}

bool Win32SoundDevice::Defer(uint16_t device, uint32_t command) {
  if (command == MCI_STOP && stopping_.count(device)) return true;
  if (command == MCI_CLOSE && stopping_.erase(device)) {
    closing_.insert(device);
    Schedule();
    return true;
  }
  if (!Plays(device)) return false;  // a stopped device stops and closes at once
  if (SendWaited(device, MCI_PAUSE) != 0)
    return false;  // a device that cannot pause is stopped the long way
  (command == MCI_STOP ? stopping_ : closing_).insert(device);
  Schedule();
  return true;
}

void Win32SoundDevice::Schedule() {
  HWND window = TimerWindow();
  if (!window) return;  // finished by the next command on the device, or at the end
  // A timer comes after the paint: the new page shows before the device is let go.
  SetTimer(window, kFinishTimer, USER_TIMER_MINIMUM, nullptr);
}

void Win32SoundDevice::FinishStop(uint16_t device) {
  if (stopping_.erase(device)) SendWaited(device, MCI_STOP);
}

void Win32SoundDevice::StartPlay(uint16_t device) {
  const auto it = starting_.find(device);
  if (it == starting_.end()) return;
  MCI_PLAY_PARMS play{};
  play.dwCallback = it->second;
  starting_.erase(it);
  if (mciSendCommandA(device, MCI_PLAY, MCI_NOTIFY, reinterpret_cast<DWORD_PTR>(&play)) != 0)
    PostNotice(play.dwCallback, MCI_NOTIFY_FAILURE, device);
}

void Win32SoundDevice::RunPending() {
  // The new page's narration first: the old one is silent already.
  while (!starting_.empty()) StartPlay(starting_.begin()->first);
  FinishPending();
}

void Win32SoundDevice::FinishPending() {
  // A play not started by the end of the run is not started at all.
  starting_.clear();
  const std::set<uint16_t> stopping = std::move(stopping_), closing = std::move(closing_);
  stopping_.clear();
  closing_.clear();
  for (uint16_t device : stopping) SendWaited(device, MCI_STOP);
  // Closing a paused device stops it as well.
  for (uint16_t device : closing) SendWaited(device, MCI_CLOSE);
}

uint32_t Win32SoundDevice::SendCommand(uint16_t device, uint32_t command, uint32_t flags,
                                       os::MciParams& params) {
  const DWORD_PTR callback = params.callback;
  if (const auto starting = starting_.find(device); starting != starting_.end()) {
    // The mode it is about to have; a stop or close before it started has nothing to wait
    // for; anything else starts it.
    if (command == MCI_STATUS && params.item == MCI_STATUS_MODE) {
      params.value = MCI_MODE_PLAY;
      return 0;
    }
    if ((command == MCI_STOP || command == MCI_CLOSE) && !(flags & MCI_NOTIFY)) {
      PostNotice(starting->second, MCI_NOTIFY_ABORTED, device);
      starting_.erase(starting);
      if (command == MCI_STOP) return 0;
    } else {
      StartPlay(device);
    }
  }
  if (device != 0 && command == MCI_PLAY && flags == MCI_NOTIFY && TimerWindow()) {
    starting_[device] = callback;
    Schedule();
    return 0;
  }
  if (device != 0 && (command == MCI_STOP || command == MCI_CLOSE) && (flags & MCI_WAIT) &&
      !(flags & MCI_NOTIFY) && Defer(device, command))
    return 0;
  if (stopping_.count(device)) {
    // The mode it is about to have; anything else waits for the stop.
    if (command == MCI_STATUS && params.item == MCI_STATUS_MODE) {
      params.value = MCI_MODE_STOP;
      return 0;
    }
    FinishStop(device);
  }
  switch (command) {
    case MCI_OPEN: {
      const std::string element = ToAnsi(params.element);
      MCI_OPEN_PARMSA open{};
      open.dwCallback = callback;
      if (flags & MCI_OPEN_ELEMENT) open.lpstrElementName = element.c_str();
      const MCIERROR error = mciSendCommandA(0, MCI_OPEN, flags, reinterpret_cast<DWORD_PTR>(&open));
      if (error == 0) {
        params.deviceId = uint16_t(open.wDeviceID);
        KeepWaveDriverLoaded();
      }
      return error;
    }
    case MCI_PLAY: {
      MCI_PLAY_PARMS play{};
      play.dwCallback = callback;
      return mciSendCommandA(device, command, flags, reinterpret_cast<DWORD_PTR>(&play));
    }
    case MCI_SEEK: {
      MCI_SEEK_PARMS seek{};
      seek.dwCallback = callback;
      return mciSendCommandA(device, command, flags, reinterpret_cast<DWORD_PTR>(&seek));
    }
    case MCI_STATUS: {
      MCI_STATUS_PARMS status{};
      status.dwCallback = callback;
      status.dwItem = params.item;
      const MCIERROR error = mciSendCommandA(device, command, flags, reinterpret_cast<DWORD_PTR>(&status));
      params.value = status.dwReturn;
      return error;
    }
    default: {  // MCI_CLOSE, MCI_STOP and the other generic commands
      MCI_GENERIC_PARMS generic{};
      generic.dwCallback = callback;
      return mciSendCommandA(device, command, flags, reinterpret_cast<DWORD_PTR>(&generic));
    }
  }
}

bool Win32SoundDevice::ErrorText(uint32_t error, std::string& text) {
  std::vector<char> buffer(4096, '\0');
  if (!mciGetErrorStringA(error, buffer.data(), UINT(buffer.size()))) return false;
  text = FromAnsi(buffer.data());
  return !text.empty();
}

}  // namespace win32
