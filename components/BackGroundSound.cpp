#include "components/BackGroundSound.h"

namespace components {
namespace mci = os::mci;

TBackGroundSound::TBackGroundSound(std::string name) : ui::Control(std::move(name)) {
  SetVisible(false);
}

TBackGroundSound::~TBackGroundSound() {
  if (FDeviceID != 0) {
    // A device closed while it plays races its player thread on some systems: stop it first.
    os::MciParams params;
    if (FOpen && GetMode() == 2) os::Sound().SendCommand(FDeviceID, mci::kStop, mci::kWait, params);
    os::Sound().SendCommand(FDeviceID, mci::kClose, mci::kWait, params);
  }
}

uintptr_t TBackGroundSound::NoticeWindow() {
  if (!window_)
    window_ = os::Sound().CreateNoticeWindow([this](uint32_t code, uint32_t) { Notify(code); });
  return window_->Handle();
}

void TBackGroundSound::SetFileName(const std::string& fileName) {
  if (IsPlaying()) Stop();
  Close();
  FFileName = fileName;
}

void TBackGroundSound::Open() {
  if (FOpen) Close();
  os::MciParams params;
  params.callback = NoticeWindow();
  uint32_t flags = mci::kWait;
  if (!FFileName.empty()) {
    params.element = FFileName;
    flags |= mci::kOpenElement;
  }
  FError = os::Sound().SendCommand(0, mci::kOpen, flags, params);
  if (FError != 0) throw EMCIDeviceError(GetErrorText());
  FOpen = true;
  FDeviceID = params.deviceId;
}

void TBackGroundSound::Close() {
  if (FDeviceID == 0) return;
  os::MciParams params;
  params.callback = NoticeWindow();
  FError = os::Sound().SendCommand(FDeviceID, mci::kClose, mci::kWait, params);
  if (FError == 0) {
    FOpen = false;
    FDeviceID = 0;
    // Notices of the closed device may still wait in the queue; they go with its window,
    // so one can never be taken for the end of the next file.
    window_.reset();
  }
}

void TBackGroundSound::EnsureOpen() {
  if (!FOpen) Open();
}

void TBackGroundSound::Rewind() {
  EnsureOpen();
  os::MciParams params;
  os::Sound().SendCommand(FDeviceID, mci::kSeek, mci::kSeekToStart | mci::kWait, params);
}

uint64_t TBackGroundSound::Status(uint32_t item) {
  os::MciParams params;
  params.item = item;
  FError = os::Sound().SendCommand(FDeviceID, mci::kStatus, mci::kStatusItem | mci::kWait, params);
  return params.value;
}

uint64_t TBackGroundSound::GetLength() {
  EnsureOpen();
  return Status(mci::kStatusLength);
}

uint64_t TBackGroundSound::GetPosition() { return Status(mci::kStatusPosition); }

int TBackGroundSound::GetMode() {
  const uint64_t mode = Status(mci::kStatusMode);
  if (mode < mci::kModeNotReady || mode > mci::kModeOpen) return 0;
  return int(mode - mci::kModeNotReady);
}

std::string TBackGroundSound::GetErrorText() {
  std::string text;
  if (!os::Sound().ErrorText(FError, text) || text.empty()) return "Unknown error code";
  // The system's texts fit the 4096 characters of the buffer they are read into.
  if (text.size() > 4095) text.resize(4095);
  return text;
}

void TBackGroundSound::Play() {
  EnsureOpen();
  if (FAutoRewind && GetPosition() == GetLength()) Rewind();
  os::MciParams params;
  params.callback = NoticeWindow();
  FError = os::Sound().SendCommand(FDeviceID, mci::kPlay, mci::kNotify, params);
}

void TBackGroundSound::Stop() {
  EnsureOpen();
  os::MciParams params;
  params.callback = NoticeWindow();
  FError = os::Sound().SendCommand(FDeviceID, mci::kStop, mci::kWait, params);
}

bool TBackGroundSound::IsPlaying() { return FOpen && GetMode() == 2; }

void TBackGroundSound::Notify(uint32_t code) {
  switch (code) {
    case mci::kNotifySuccessful: FNotifyValue = 0; break;
    case mci::kNotifySuperseded: FNotifyValue = 1; break;
    case mci::kNotifyAborted: FNotifyValue = 2; break;
    case mci::kNotifyFailure: FNotifyValue = 3; break;
    default: return;
  }
  if (OnTerminate && FNotifyValue == 0) OnTerminate(*this);
}

}  // namespace components
