#pragma once
// The real sound device: MCI commands through mciSendCommandA and the system's error texts,
// with completion notices (MM_MCINOTIFY) received by message-only windows of a class
// registered with the module that owns the code (the DLL's own handle).
#include "platform/win32/windows_api.h"

#include "platform/os/sound_device.h"

namespace win32 {

class Win32SoundDevice : public os::SoundDevice {
 public:
  explicit Win32SoundDevice(HINSTANCE module);
  ~Win32SoundDevice() override;
  Win32SoundDevice(const Win32SoundDevice&) = delete;
  Win32SoundDevice& operator=(const Win32SoundDevice&) = delete;

  uint32_t SendCommand(uint16_t device, uint32_t command, uint32_t flags,
                       os::MciParams& params) override;
  bool ErrorText(uint32_t error, std::string& text) override;
  std::unique_ptr<os::SoundNoticeWindow> CreateNoticeWindow(NoticeHandler handler) override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

  HINSTANCE module_;
  ATOM class_ = 0;
};

}  // namespace win32
