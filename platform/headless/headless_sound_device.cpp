#include "platform/headless/headless_sound_device.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

#include "platform/headless/headless_backend.h"
#include "platform/os/error.h"
#include "platform/os/file_system.h"

namespace headless {
namespace mci = os::mci;

class HeadlessSoundDevice::Window : public os::SoundNoticeWindow {
 public:
  Window(HeadlessSoundDevice& device, uintptr_t handle) : device_(device), handle_(handle) {}
  ~Window() override { device_.windows_.erase(handle_); }
  uintptr_t Handle() const override { return handle_; }

 private:
  HeadlessSoundDevice& device_;
  uintptr_t handle_;
};

namespace {

uint32_t Le32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24; }

}  // namespace

int64_t WavLengthMs(const std::vector<uint8_t>& bytes) {
  if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 ||
      std::memcmp(bytes.data() + 8, "WAVE", 4) != 0)
    return -1;
  uint32_t byteRate = 0;
  size_t at = 12;
  while (at + 8 <= bytes.size()) {
    const uint8_t* chunk = bytes.data() + at;
    const uint32_t size = Le32(chunk + 4);
    const size_t body = at + 8;
    if (std::memcmp(chunk, "fmt ", 4) == 0) {
      if (size < 16 || body + 16 > bytes.size()) return -1;
      byteRate = Le32(bytes.data() + body + 8);
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      if (byteRate == 0) return -1;
      // A truncated file plays what it holds.
      const uint64_t present = std::min<uint64_t>(size, bytes.size() - body);
      return int64_t(present * 1000 / byteRate);
    }
    at = body + size + (size & 1);
  }
  return -1;
}

HeadlessSoundDevice::HeadlessSoundDevice(HeadlessBackend& backend) : backend_(backend) {
  endTimer_.OnTimer = [this](ui::Timer&) { EndDue(); };
}

HeadlessSoundDevice::~HeadlessSoundDevice() = default;

uint32_t HeadlessSoundDevice::SendCommand(uint16_t id, uint32_t command, uint32_t flags,
                                          os::MciParams& params) {
  commands_.push_back({id, command, flags});
  if (auto failure = failures_.find(command); failure != failures_.end() && failure->second)
    return failure->second;
  if (command == mci::kOpen) return Open(params);
  auto found = devices_.find(id);
  if (found == devices_.end()) return mci::kErrInvalidDeviceId;
  Device& device = found->second;
  switch (command) {
    case mci::kClose:
      Notify(device, id, mci::kNotifyAborted);
      devices_.erase(found);
      break;
    case mci::kPlay:
      Notify(device, id, mci::kNotifySuperseded);
      device.position = PositionOf(device);
      device.playing = true;
      device.startedAt = backend_.Now();
      device.startPosition = device.position;
      if (flags & mci::kNotify) device.notifyTo = params.callback;
      break;
    case mci::kStop:
      Halt(device);
      Notify(device, id, mci::kNotifyAborted);
      break;
    case mci::kSeek:
      Halt(device);
      Notify(device, id, mci::kNotifyAborted);
      device.position = 0;
      break;
    case mci::kStatus:
      switch (params.item) {
        case mci::kStatusLength: params.value = uint64_t(device.length); break;
        case mci::kStatusPosition: params.value = uint64_t(PositionOf(device)); break;
        case mci::kStatusMode: params.value = device.playing ? mci::kModePlay : mci::kModeStop; break;
        default: return mci::kErrBase + 18;  // unsupported function
      }
      break;
    default:
      return mci::kErrBase + 5;  // unrecognised command
  }
  Reschedule();
  return 0;
}

uint32_t HeadlessSoundDevice::Open(os::MciParams& params) {
  if (params.element.empty()) return mci::kErrBase + 7;  // no device name
  std::vector<uint8_t> bytes;
  try {
    if (!os::Files().FileExists(params.element)) return mci::kErrFileNotFound;
    bytes = os::Files().ReadFile(params.element);
  } catch (const os::OsError&) {
    return mci::kErrFileNotFound;
  }
  const int64_t length = WavLengthMs(bytes);
  if (length < 0) return mci::kErrInvalidFile;
  const uint16_t id = nextId_++;
  Device& device = devices_[id];
  device.element = params.element;
  device.length = length;
  params.deviceId = id;
  return 0;
}

bool HeadlessSoundDevice::ErrorText(uint32_t error, std::string& text) {
  switch (error) {
    case mci::kErrFileNotFound: text = "The specified file was not found."; return true;
    case mci::kErrInvalidFile: text = "The specified file is not a valid wave file."; return true;
    case mci::kErrHardware: text = "The sound device is not ready."; return true;
    default: return false;
  }
}

std::unique_ptr<os::SoundNoticeWindow> HeadlessSoundDevice::CreateNoticeWindow(
    NoticeHandler handler) {
  const uintptr_t handle = nextWindow_++;
  windows_[handle] = std::move(handler);
  return std::make_unique<Window>(*this, handle);
}

void HeadlessSoundDevice::FinishCurrent() {
  for (auto& [id, device] : devices_) {
    if (!device.playing) continue;
    device.startedAt -= device.length;  // as if the whole file had played by now
  }
  EndDue();
}

void HeadlessSoundDevice::FailCurrent() {
  for (auto& [id, device] : devices_) {
    if (!device.playing) continue;
    Halt(device);
    Notify(device, id, mci::kNotifyFailure);
  }
  Reschedule();
}

std::string HeadlessSoundDevice::Playing() const {
  for (const auto& [id, device] : devices_)
    if (device.playing) return device.element;
  return {};
}

int64_t HeadlessSoundDevice::PositionOf(const Device& device) const {
  if (!device.playing) return device.position;
  return std::min(device.length, device.startPosition + (backend_.Now() - device.startedAt));
}

void HeadlessSoundDevice::Halt(Device& device) {
  device.position = PositionOf(device);
  device.playing = false;
}

void HeadlessSoundDevice::Notify(Device& device, uint16_t id, uint32_t code) {
  const uintptr_t window = std::exchange(device.notifyTo, 0);
  if (!window) return;
  backend_.Post([this, window, code, id] {
    auto target = windows_.find(window);
    if (target == windows_.end()) return;  // the window went: so did its queued notices
    NoticeHandler handler = target->second;
    handler(code, id);
  });
}

void HeadlessSoundDevice::EndDue() {
  for (auto& [id, device] : devices_) {
    if (!device.playing || PositionOf(device) < device.length) continue;
    Halt(device);
    finished_.push_back(device.element);
    Notify(device, id, mci::kNotifySuccessful);
  }
  Reschedule();
}

void HeadlessSoundDevice::Reschedule() {
  int64_t soonest = std::numeric_limits<int64_t>::max();
  for (const auto& [id, device] : devices_)
    if (device.playing) soonest = std::min(soonest, device.length - PositionOf(device));
  if (soonest == std::numeric_limits<int64_t>::max()) {
    endTimer_.SetEnabled(false);
    return;
  }
  // Restart from now: a timer keeps its period, so stop it first.
  endTimer_.SetEnabled(false);
  endTimer_.SetInterval(int(std::max<int64_t>(1, soonest)));
  endTimer_.SetEnabled(true);
}

}  // namespace headless
