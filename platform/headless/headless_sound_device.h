#pragma once
// A simulated wave device for the headless tests: opening reads the WAV header for the
// length, playing runs against the virtual clock, and completion notices go through the
// backend's message queue as MM_MCINOTIFY would. Any command can be made to fail, and a
// test can let what plays finish at once.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/os/sound_device.h"
#include "platform/ui/timer.h"

namespace headless {

class HeadlessBackend;

class HeadlessSoundDevice : public os::SoundDevice {
 public:
  explicit HeadlessSoundDevice(HeadlessBackend& backend);
  ~HeadlessSoundDevice() override;

  uint32_t SendCommand(uint16_t device, uint32_t command, uint32_t flags,
                       os::MciParams& params) override;
  bool ErrorText(uint32_t error, std::string& text) override;
  std::unique_ptr<os::SoundNoticeWindow> CreateNoticeWindow(NoticeHandler handler) override;

  // --- test controls ---
  struct Command {
    uint16_t device;
    uint32_t command;
    uint32_t flags;
  };
  // From now on `command` fails with `error` (0 lets it succeed again).
  void FailCommand(uint32_t command, uint32_t error) { failures_[command] = error; }
  // Everything that plays reaches its end now.
  void FinishCurrent();
  // Everything that plays stops with a failure notice (a device that went away).
  void FailCurrent();
  // The file playing now, or empty.
  std::string Playing() const;
  size_t OpenDevices() const { return devices_.size(); }
  // Files that played to their end, in order.
  const std::vector<std::string>& Finished() const { return finished_; }
  const std::vector<Command>& Commands() const { return commands_; }
  void ClearLog() {
    commands_.clear();
    finished_.clear();
  }

 private:
  class Window;
  struct Device {
    std::string element;
    int64_t length = 0;     // milliseconds
    int64_t position = 0;   // while stopped
    bool playing = false;
    int64_t startedAt = 0;  // virtual clock at the start of this play
    int64_t startPosition = 0;
    uintptr_t notifyTo = 0;  // a play with a notice still owed
  };

  uint32_t Open(os::MciParams& params);
  int64_t PositionOf(const Device& device) const;
  void Halt(Device& device);                       // stops, keeping the position
  void Notify(Device& device, uint16_t id, uint32_t code);  // pays the owed notice
  void Reschedule();
  void EndDue();

  HeadlessBackend& backend_;
  std::map<uint16_t, Device> devices_;
  uint16_t nextId_ = 1;
  std::map<uintptr_t, NoticeHandler> windows_;
  uintptr_t nextWindow_ = 1;
  std::map<uint32_t, uint32_t> failures_;
  std::vector<Command> commands_;
  std::vector<std::string> finished_;
  ui::Timer endTimer_;
};

// The length in milliseconds of a PCM WAV file's data; -1 when `bytes` hold no WAV header.
int64_t WavLengthMs(const std::vector<uint8_t>& bytes);

}  // namespace headless
