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
  // Dispatches messages for `milliseconds`, or until `done` holds.
  template <class F>
  void Pump(int milliseconds, F done) {
    const DWORD end = GetTickCount() + DWORD(milliseconds);
    while (!done() && int(end - GetTickCount()) > 0) {
      ui::Application::Instance().GetBackend().ProcessMessages();
      Sleep(10);
    }
  }
  void Pump(int milliseconds) { Pump(milliseconds, [] { return false; }); }

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
  Pump(10000, [&] { return ended > 0; });
  EXPECT_EQ(ended, 1);
  Pump(800);
  EXPECT_EQ(ended, 1);
  EXPECT_EQ(player.FileName(), path);
  EXPECT_FALSE(player.IsPlaying());

  player.Play();  // from its end: rewinds and plays again
  Pump(10000, [&] { return ended > 1; });
  EXPECT_EQ(ended, 2);
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
  player.SetFileName(Wav("other.wav", 300));
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

}  // namespace
