#pragma once
// The real sound device: MCI commands through mciSendCommandA and the system's error texts,
// with completion notices (MM_MCINOTIFY) received by message-only windows of a class
// registered with the module that owns the code (the DLL's own handle).
//
// Stopping or closing a device that plays waits until the device has played out what it
// holds, a tenth of a second or more on some systems, and the narration is stopped at every
// step change. So a playing device is paused instead, which silences it at once, and the
// stop or close itself is finished once the screen is painted (a one-shot timer). Until then
// the device answers as the stopped device it is about to be: its mode reads "stopped", and
// any other command on it first finishes the stop.
//
// Starting a play costs as much again (5-10 ms under Wine), in the middle of the page that
// asks for it. So a play with a notice and nothing else is started by the same timer, after
// the paint: until then the device reads "playing", a stop or close cancels it (its notice
// says it was aborted, as a stop's would), and any other command starts it first. A play
// that fails once started reports the failure through its notice, as MCI's own do.
#include "platform/win32/windows_api.h"

#include <map>
#include <set>

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

  // Finishes the stops and closes still pending, and drops the plays not started yet. The
  // end of every run calls it, however the run ends: no device may outlive the run that
  // opened it, and the destructor cannot.
  void FinishPending();

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  static void CALLBACK SetUpTimerProc(HWND, UINT, UINT_PTR timer, DWORD);
  // Made on first need, or by the set-up timer; nullptr when it cannot be made.
  HWND TimerWindow();
  // MCI_STOP and MCI_CLOSE: true when the command was taken over (paused, finished later).
  bool Defer(uint16_t device, uint32_t command);
  bool Plays(uint16_t device);
  void FinishStop(uint16_t device);
  // The pending play of `device`, if any, sent now.
  void StartPlay(uint16_t device);
  // What the timer does once the screen is painted: pending plays, then stops and closes.
  void RunPending();
  void Schedule();

  HINSTANCE module_;
  ATOM class_ = 0;
  HWND timerWindow_ = nullptr;    // receives the one-shot timer that finishes pending work
  UINT_PTR setUpTimer_ = 0;       // the thread's timer that sets up the wave output, until it comes
  std::set<uint16_t> stopping_;   // paused, to be stopped
  std::set<uint16_t> closing_;    // paused or stopping, to be closed
  std::map<uint16_t, DWORD_PTR> starting_;  // to be played, with the window for the notice
};

}  // namespace win32
