#include "platform/os/sound_device.h"

#include <utility>

namespace os {
namespace {

// No device at all: opening fails, so a narration is silence.
class MissingSoundDevice : public SoundDevice {
 public:
  uint32_t SendCommand(uint16_t, uint32_t, uint32_t, MciParams&) override {
    return mci::kErrDeviceNotInstalled;
  }
  bool ErrorText(uint32_t, std::string&) override { return false; }
  std::unique_ptr<SoundNoticeWindow> CreateNoticeWindow(NoticeHandler) override {
    struct NoWindow : SoundNoticeWindow {
      uintptr_t Handle() const override { return 0; }
    };
    return std::make_unique<NoWindow>();
  }
};

SoundDevice* g_device = nullptr;
std::function<bool()> g_screenReader;

}  // namespace

SoundDevice& Sound() {
  static MissingSoundDevice missing;
  return g_device ? *g_device : missing;
}

void SetSoundDevice(SoundDevice* device) { g_device = device; }

bool ScreenReaderActive() { return g_screenReader && g_screenReader(); }

void SetScreenReaderQuery(std::function<bool()> query) { g_screenReader = std::move(query); }

}  // namespace os
