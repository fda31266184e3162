#pragma once
// The multimedia device behind the narration player: MCI-like commands with the library's
// own codes and flags, the system's error texts, and the window that receives the device's
// completion notices. Win32 sends the real commands; headless simulates a wave device on the
// virtual clock.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace os {

namespace mci {
// Commands.
inline constexpr uint32_t kOpen = 0x0803, kClose = 0x0804, kPlay = 0x0806, kSeek = 0x0807,
                          kStop = 0x0808, kStatus = 0x0814;
// Flags.
inline constexpr uint32_t kNotify = 0x0001, kWait = 0x0002, kOpenElement = 0x0200,
                          kSeekToStart = 0x0100, kStatusItem = 0x0100;
// Status items.
inline constexpr uint32_t kStatusLength = 1, kStatusPosition = 2, kStatusMode = 4;
// Modes reported for kStatusMode.
inline constexpr uint32_t kModeNotReady = 524, kModeStop = 525, kModePlay = 526,
                          kModeRecord = 527, kModeSeek = 528, kModePause = 529, kModeOpen = 530;
// Codes of a completion notice (its first parameter).
inline constexpr uint32_t kNotifySuccessful = 1, kNotifySuperseded = 2, kNotifyAborted = 4,
                          kNotifyFailure = 8;
// Error codes the simulated device and the tests use.
inline constexpr uint32_t kErrBase = 256;
inline constexpr uint32_t kErrInvalidDeviceId = kErrBase + 1, kErrHardware = kErrBase + 6,
                          kErrFileNotFound = kErrBase + 19, kErrInvalidFile = kErrBase + 40,
                          kErrDeviceNotInstalled = kErrBase + 50;
}  // namespace mci

// One parameter block for every command; each command reads and writes only its own fields.
struct MciParams {
  uintptr_t callback = 0;   // every command: the notice window (kNotify sends notices there)
  std::string element;      // kOpen: the file to open
  uint16_t deviceId = 0;    // kOpen: the opened device
  uint32_t item = 0;        // kStatus: what to report
  uint64_t value = 0;       // kStatus: the reported value
};

// A window of the caller's that receives completion notices; a notice still queued when the
// window goes is dropped with it.
class SoundNoticeWindow {
 public:
  virtual ~SoundNoticeWindow() = default;
  virtual uintptr_t Handle() const = 0;
};

class SoundDevice {
 public:
  // code: the notice's code; device: the device it is about.
  using NoticeHandler = std::function<void(uint32_t code, uint32_t device)>;

  virtual ~SoundDevice() = default;
  // Sends one command; returns its MCI error code, 0 on success.
  virtual uint32_t SendCommand(uint16_t device, uint32_t command, uint32_t flags,
                               MciParams& params) = 0;
  // The system's text for an error code; false when it has none.
  virtual bool ErrorText(uint32_t error, std::string& text) = 0;
  // A window whose notices reach `handler` on the user-interface thread.
  virtual std::unique_ptr<SoundNoticeWindow> CreateNoticeWindow(NoticeHandler handler) = 0;
};

// The device of the running backend; without one installed, a device that fails every
// command (no sound device: silence).
SoundDevice& Sound();
void SetSoundDevice(SoundDevice* device);

// Whether the system reports a screen reader running; false unless a backend installs a query.
bool ScreenReaderActive();
void SetScreenReaderQuery(std::function<bool()> query);

}  // namespace os
