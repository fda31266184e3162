#pragma once
// The narration player: one WAV file at a time, in the background, through the platform's
// sound device. Playing returns at once; the device's completion notice reaches the player's
// own notice window and becomes OnTerminate when the file has played to its end. The control
// is invisible; it needs a window only as the target of those notices.
#include <cstdint>
#include <functional>
#include <utility>
#include <memory>
#include <string>

#include "platform/os/sound_device.h"
#include "platform/ui/control.h"
#include "platform/ui/errors.h"

namespace components {

// A device command failed; the message is the system's text for its error.
class EMCIDeviceError : public ui::Error {
 public:
  using ui::Error::Error;
};

class TBackGroundSound : public ui::Control {
 public:
  explicit TBackGroundSound(std::string name = {});
  ~TBackGroundSound() override;

  const std::string& FileName() const { return FFileName; }
  // Stops and closes the current device; the new file opens on the next Play.
  void SetFileName(const std::string& fileName);
  bool Threaded() const { return FThreaded; }
  void SetThreaded(bool threaded) { FThreaded = threaded; }
  // Raised when a playback ends successfully; never for one cut short.
  std::function<void(TBackGroundSound&)> OnTerminate;

  // Both may throw EMCIDeviceError when the file cannot be opened.
  void Play();
  void Stop();
  bool IsPlaying();

  // The MM_MCINOTIFY handler: the notice's code; the device it names is not examined.
  void Notify(uint32_t code);

 private:
  void Open();
  void Close();
  void EnsureOpen();
  void Rewind();
  uint64_t GetLength();
  uint64_t GetPosition();
  int GetMode();
  std::string GetErrorText();
  uint64_t Status(uint32_t item);
  uintptr_t NoticeWindow();

  bool FThreaded = true;
  std::string FFileName;
  uint16_t FDeviceID = 0;
  bool FAutoRewind = true;
  bool FOpen = false;
  uint32_t FError = 0;
  uint8_t FNotifyValue = 0;
  std::unique_ptr<os::SoundNoticeWindow> window_;  // created on first use, again after a close
};

}  // namespace components
