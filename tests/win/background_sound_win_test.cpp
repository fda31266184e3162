// The narration player on real MCI: a WAV plays to its end and raises OnTerminate once, a
// stopped one raises none, a missing file raises the system's error text. Sound goes to the
// test HOME's ALSA device (a null or file device stands in for a sound card).
#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>
#include <mmsystem.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "components/BackGroundSound.h"
#include "platform/ui/application.h"
#include "platform/win32/win32_platform.h"
#include "tests/unit/sound_test_support.h"

namespace {

class BackGroundSoundWinTest : public ::testing::Test {
 protected:
  BackGroundSoundWinTest() {
    if (!ui::Application::Exists())
      platform_ = std::make_unique<win32::Win32Platform>(GetModuleHandleW(nullptr));
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    base_ = std::string(folder) + "tutor-sound-" + std::to_string(GetCurrentProcessId());
    player.OnTerminate = [this](components::TBackGroundSound&) { ++ended; };
  }
  ~BackGroundSoundWinTest() override {
    for (const auto& file : files_) DeleteFileA(file.c_str());
  }
  std::string Wav(const char* name, int milliseconds) {
    const std::string path = base_ + "-" + name;
    WriteBytes(path, WavBytes(milliseconds));
    files_.push_back(path);
    return path;
  }
  // Dispatches messages for `milliseconds`, or until OnTerminate was raised `until` times.
  void Pump(int milliseconds, int until = 1000) {
    const DWORD end = GetTickCount() + DWORD(milliseconds);
    while (ended < until && int(end - GetTickCount()) > 0) {
      ui::Application::Instance().GetBackend().ProcessMessages();
      Sleep(10);
    }
  }

  std::unique_ptr<win32::Win32Platform> platform_;
  std::string base_;
  std::vector<std::string> files_;
  int ended = 0;
  components::TBackGroundSound player{"bgSound"};
};

TEST_F(BackGroundSoundWinTest, AWavPlaysToItsEndAndRaisesOnTerminateOnce) {
  const std::string path = Wav("short.wav", 400);
  player.SetFileName(path);
  player.Play();
  EXPECT_TRUE(player.IsPlaying());
  Pump(10000, 1);
  Pump(800);
  EXPECT_EQ(ended, 1);
  EXPECT_EQ(player.FileName(), path);
  EXPECT_FALSE(player.IsPlaying());
}

TEST_F(BackGroundSoundWinTest, StopAndANewFileNameRaiseNone) {
  player.SetFileName(Wav("long.wav", 3000));
  player.Play();
  Pump(300);
  const auto before = std::chrono::steady_clock::now();
  player.Stop();
  const auto stopMs = std::chrono::duration_cast<std::chrono::milliseconds>(
                          std::chrono::steady_clock::now() - before).count();
  std::printf("[ measure  ] MCI_STOP of a playing wave device took %lld ms\n", (long long)stopMs);
  EXPECT_FALSE(player.IsPlaying());
  player.Play();
  Pump(300);
  player.SetFileName(Wav("other.wav", 300));  // stops and closes the playing file
  Pump(3500);
  EXPECT_EQ(ended, 0);
}

TEST_F(BackGroundSoundWinTest, AMissingFileRaisesTheSystemsText) {
  player.SetFileName(base_ + "-missing.wav");
  std::string message;
  try {
    player.Play();
  } catch (const components::EMCIDeviceError& e) {
    message = e.what();
  }
  char expected[256] = {};
  mciGetErrorStringA(MCIERR_FILE_NOT_FOUND, expected, sizeof expected);
  EXPECT_FALSE(message.empty());
  EXPECT_EQ(message, expected);
  EXPECT_FALSE(player.IsPlaying());
}



// How many MCI devices the process holds open.
DWORD OpenDevices() {
  MCI_SYSINFO_PARMSA info{};
  DWORD count = 0;
  info.lpstrReturn = reinterpret_cast<char*>(&count);
  info.dwRetSize = sizeof count;
  mciSendCommandA(MCI_ALL_DEVICE_ID, MCI_SYSINFO, MCI_SYSINFO_QUANTITY | MCI_SYSINFO_OPEN,
                  reinterpret_cast<DWORD_PTR>(&info));
  return count;
}

// A playing device is paused at once and let go later: it must still behave as stopped,
// replay from where it stopped, and be closed by the time the run ends.
TEST_F(BackGroundSoundWinTest, AStoppedPlayerPlaysAgainToItsEnd) {
  player.SetFileName(Wav("again.wav", 3000));
  player.Play();
  Pump(100);
  player.Stop();
  EXPECT_FALSE(player.IsPlaying());
  player.Play();  // the stop is finished first, then the rest plays
  EXPECT_TRUE(player.IsPlaying());
  Pump(10000, 1);
  Pump(300);
  EXPECT_EQ(ended, 1);
}

TEST_F(BackGroundSoundWinTest, APlayingDeviceLeftForAnotherFileIsClosedOnceIdle) {
  const DWORD before = OpenDevices();
  player.SetFileName(Wav("first.wav", 3000));
  player.Play();
  Pump(200);
  player.Stop();
  player.SetFileName(Wav("second.wav", 300));
  player.Play();
  EXPECT_TRUE(player.IsPlaying());
  EXPECT_EQ(OpenDevices(), before + 2);  // the first one, silent, waits for the screen
  Pump(10000, 1);  // the new file plays to its end; the old device goes on the way
  Pump(300);
  EXPECT_EQ(ended, 1);
  EXPECT_EQ(OpenDevices(), before + 1);  // only the finished second file is still open
}

TEST_F(BackGroundSoundWinTest, NoDeviceOutlivesTheRun) {
  const DWORD before = OpenDevices();
  {
    components::TBackGroundSound playing("playing");
    playing.SetFileName(Wav("left.wav", 3000));
    playing.Play();
    Pump(200);
    EXPECT_NE(GetModuleHandleW(L"mciwave.dll"), nullptr);
  }  // destroyed while it plays, as the main window's player is at Exit
  ASSERT_NE(platform_, nullptr);
  platform_->Sound().FinishPending();
  EXPECT_EQ(OpenDevices(), before);
  // The play's own thread may outlive its stop for a moment: the wave driver it runs in is
  // not unloaded with the last device.
  EXPECT_NE(GetModuleHandleW(L"mciwave.dll"), nullptr);
  // A command for the device it had is refused, not sent to a stopped but open device.
  os::MciParams params;
  params.item = os::mci::kStatusMode;
  EXPECT_NE(os::Sound().SendCommand(1, os::mci::kStatus, os::mci::kStatusItem | os::mci::kWait, params), 0u);
}

// The device's mode as MCI itself reports it, past the sound device's own answers.
DWORD RealMode(uint16_t device) {
  MCI_STATUS_PARMS status{};
  status.dwItem = MCI_STATUS_MODE;
  mciSendCommandA(device, MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT, reinterpret_cast<DWORD_PTR>(&status));
  return DWORD(status.dwReturn);
}

// A play is started once the queue is idle (after the paint): until then it reads as playing,
// and a stop or close before it started plays nothing and says so in the play's notice.
TEST_F(BackGroundSoundWinTest, APlayStartsAfterThePaintAndAnEarlyStopCancelsIt) {
  std::vector<uint32_t> notices;
  auto window = os::Sound().CreateNoticeWindow([&](uint32_t code, uint32_t) { notices.push_back(code); });
  auto open = [&](const std::string& path) {
    os::MciParams params;
    params.element = path;
    EXPECT_EQ(os::Sound().SendCommand(0, os::mci::kOpen, os::mci::kOpenElement | os::mci::kWait, params), 0u);
    return params.deviceId;
  };
  auto send = [&](uint16_t device, uint32_t command, uint32_t flags) {
    os::MciParams params;
    params.callback = window->Handle();
    params.item = os::mci::kStatusMode;
    const uint32_t error = os::Sound().SendCommand(device, command, flags, params);
    return error ? ~0ull : params.value;
  };
  const uint16_t device = open(Wav("deferred.wav", 3000));
  ASSERT_NE(device, 0);
  send(device, os::mci::kPlay, os::mci::kNotify);
  EXPECT_EQ(send(device, os::mci::kStatus, os::mci::kStatusItem | os::mci::kWait), os::mci::kModePlay);
  EXPECT_NE(RealMode(device), DWORD(MCI_MODE_PLAY)) << "not started within the step";
  Pump(100);
  EXPECT_EQ(RealMode(device), DWORD(MCI_MODE_PLAY)) << "started once idle";
  send(device, os::mci::kClose, os::mci::kWait);
  Pump(200);
  notices.clear();

  const uint16_t early = open(Wav("cancelled.wav", 300));
  send(early, os::mci::kPlay, os::mci::kNotify);
  send(early, os::mci::kStop, os::mci::kWait);
  EXPECT_NE(send(early, os::mci::kStatus, os::mci::kStatusItem | os::mci::kWait), os::mci::kModePlay);
  Pump(800);
  EXPECT_NE(RealMode(early), DWORD(MCI_MODE_PLAY));
  EXPECT_EQ(notices, std::vector<uint32_t>{os::mci::kNotifyAborted}) << "aborted, never finished";

  // Left pending at the end of a run: not started at all.
  ASSERT_NE(platform_, nullptr);
  send(early, os::mci::kPlay, os::mci::kNotify);
  platform_->Sound().FinishPending();
  Pump(100);
  EXPECT_NE(RealMode(early), DWORD(MCI_MODE_PLAY));
  send(early, os::mci::kClose, os::mci::kWait);
}

// The sound device's own window costs a millisecond or more to make under Wine: it is made
// once the messages waiting at the start have been handled, not while the assistant opens.
TEST(SoundDeviceWinTest, ItsWindowIsMadeAfterTheOpeningsMessagesOrWhenFirstNeeded) {
  if (ui::Application::Exists()) GTEST_SKIP() << "another platform is installed";
  auto soundWindow = [] {
    return FindWindowExW(HWND_MESSAGE, nullptr, L"TutorSoundNotices", nullptr);
  };
  {
    win32::Win32Platform platform(GetModuleHandleW(nullptr));
    EXPECT_EQ(soundWindow(), nullptr) << "made while the assistant opens";
    const DWORD end = GetTickCount() + 500;
    while (!soundWindow() && int(end - GetTickCount()) > 0) {
      platform.Backend().ProcessMessages();
      Sleep(5);
    }
    EXPECT_NE(soundWindow(), nullptr) << "not made by the set-up timer";
  }
  EXPECT_EQ(soundWindow(), nullptr) << "left behind by the device";
  {
    // A play asked for before the timer came needs the window for its own timer: made then.
    win32::Win32Platform platform(GetModuleHandleW(nullptr));
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const std::string path = std::string(folder) + "tutor-sound-early.wav";
    WriteBytes(path, WavBytes(300));
    {
      components::TBackGroundSound player{"bgSound"};
      player.SetFileName(path);
      player.Play();
      EXPECT_NE(soundWindow(), nullptr);
      player.Stop();
      platform.Sound().FinishPending();
    }
    DeleteFileA(path.c_str());
  }
}

}  // namespace
