// The narration player over the simulated device: its commands and flags, the end notice,
// and the cases where no OnTerminate may come.
#include <filesystem>

#include "components/BackGroundSound.h"
#include "platform/headless/headless_sound_device.h"
#include "platform/headless/posix_file_system.h"
#include "tests/unit/headless_fixture.h"
#include "tests/unit/sound_test_support.h"

using components::TBackGroundSound;
namespace mci = os::mci;

namespace {

class BackGroundSoundTest : public HeadlessTest {
 protected:
  BackGroundSoundTest() {
    os::SetFiles(&files);
    os::SetSoundDevice(&device);
    dir = std::filesystem::temp_directory_path() /
          ("sound-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::create_directories(dir);
    WriteBytes(Path("a.wav"), WavBytes(1000));
    player.OnTerminate = [this](TBackGroundSound& sender) { ended.push_back(sender.FileName()); };
  }
  ~BackGroundSoundTest() override {
    os::SetSoundDevice(nullptr);
    os::SetFiles(nullptr);
    std::filesystem::remove_all(dir);
  }
  std::string Path(const char* name) const { return (dir / name).string(); }
  std::vector<uint32_t> CommandsSent() const {
    std::vector<uint32_t> sent;
    for (const auto& c : device.Commands()) sent.push_back(c.command);
    return sent;
  }

  headless::PosixFileSystem files;
  headless::HeadlessSoundDevice device{backend};
  std::filesystem::path dir;
  std::vector<std::string> ended;
  TBackGroundSound player{"bgSound"};
};

TEST_F(BackGroundSoundTest, PlaysToItsEndOnceThenRewindsForTheNextPlay) {
  EXPECT_FALSE(player.IsPlaying());
  EXPECT_TRUE(device.Commands().empty()) << "IsPlaying on a fresh player opens nothing";

  player.SetFileName(Path("a.wav"));
  player.Play();
  ASSERT_GE(device.Commands().size(), 2u);
  EXPECT_EQ(device.Commands()[0].command, mci::kOpen);
  EXPECT_EQ(device.Commands()[0].flags, mci::kWait | mci::kOpenElement);
  EXPECT_EQ(device.Commands().back().command, mci::kPlay);
  EXPECT_EQ(device.Commands().back().flags, mci::kNotify);
  EXPECT_TRUE(player.IsPlaying());

  backend.Advance(999);
  EXPECT_TRUE(ended.empty());
  backend.Advance(1);
  EXPECT_EQ(ended, std::vector<std::string>{Path("a.wav")});
  backend.Advance(5000);
  EXPECT_EQ(ended.size(), 1u) << "one notice, one OnTerminate";
  EXPECT_FALSE(player.IsPlaying());

  device.ClearLog();
  player.Play();  // at its end: rewinds first
  EXPECT_EQ(CommandsSent(), (std::vector<uint32_t>{mci::kStatus, mci::kStatus, mci::kSeek, mci::kPlay}));
  EXPECT_EQ(device.Commands()[2].flags, mci::kSeekToStart | mci::kWait);
  EXPECT_EQ(device.Commands()[0].flags, mci::kStatusItem | mci::kWait);
  device.FinishCurrent();
  backend.ProcessMessages();
  EXPECT_EQ(ended.size(), 2u);
}

TEST_F(BackGroundSoundTest, StopNewFileNameAndFailureRaiseNoTerminate) {
  WriteBytes(Path("b.wav"), WavBytes(500));
  player.SetFileName(Path("a.wav"));
  player.Play();
  backend.Advance(200);
  player.Stop();
  EXPECT_EQ(device.Commands().back().flags, mci::kWait);
  backend.Advance(2000);

  player.Play();  // from where it stopped
  backend.Advance(100);
  player.SetFileName(Path("b.wav"));  // stops and closes
  EXPECT_EQ(device.OpenDevices(), 0u);
  EXPECT_EQ(player.FileName(), Path("b.wav"));

  player.Play();
  device.FailCurrent();
  backend.Advance(2000);
  EXPECT_TRUE(ended.empty());
  EXPECT_TRUE(device.Finished().empty());
}

TEST_F(BackGroundSoundTest, AFileThatCannotOpenRaisesTheSystemTextAndStaysClosed) {
  WriteBytes(Path("empty.wav"), {});
  WriteBytes(Path("text.wav"), {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '!'});
  std::vector<uint8_t> truncated = WavBytes(1000);
  truncated.resize(30);  // cut inside the format chunk
  WriteBytes(Path("cut.wav"), truncated);
  for (const char* name : {"missing.wav", "empty.wav", "text.wav", "cut.wav"}) {
    player.SetFileName(Path(name));
    std::string message;
    try {
      player.Play();
    } catch (const components::EMCIDeviceError& e) {
      message = e.what();
    }
    EXPECT_FALSE(message.empty()) << name;
    std::string systemText;
    device.ErrorText(std::string(name) == "missing.wav" ? mci::kErrFileNotFound : mci::kErrInvalidFile,
                     systemText);
    EXPECT_EQ(message, systemText) << name;
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_EQ(device.OpenDevices(), 0u);
  }

  device.FailCommand(mci::kOpen, 9999);  // a code the system has no text for
  player.SetFileName(Path("a.wav"));
  try {
    player.Stop();
    ADD_FAILURE() << "no error";
  } catch (const components::EMCIDeviceError& e) {
    EXPECT_STREQ(e.what(), "Unknown error code");
  }
}

TEST_F(BackGroundSoundTest, DestroyingAPlayingPlayerClosesItsDeviceAndDropsItsNotices) {
  {
    TBackGroundSound doomed;
    doomed.OnTerminate = [this](TBackGroundSound&) { ended.push_back("doomed"); };
    doomed.SetFileName(Path("a.wav"));
    doomed.Play();
    device.FinishCurrent();  // the notice is queued, not yet dispatched
    EXPECT_EQ(backend.PendingMessages(), 1u);
  }
  EXPECT_EQ(device.OpenDevices(), 0u);
  backend.ProcessMessages();
  EXPECT_TRUE(ended.empty());
}

TEST(WavLength, ReadsTheDataChunkAndPlaysWhatATruncatedFileHolds) {
  EXPECT_EQ(headless::WavLengthMs(WavBytes(1234)), 1234);
  std::vector<uint8_t> cut = WavBytes(1000);
  cut.resize(cut.size() - 4000);  // half the samples
  EXPECT_EQ(headless::WavLengthMs(cut), 500);
  EXPECT_EQ(headless::WavLengthMs({}), -1);
  std::vector<uint8_t> noFormat = WavBytes(10);
  std::copy_n("junk", 4, noFormat.begin() + 12);
  EXPECT_EQ(headless::WavLengthMs(noFormat), -1);
}

}  // namespace
