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
  std::vector<std::pair<uint32_t, uint32_t>> Sent() const {
    std::vector<std::pair<uint32_t, uint32_t>> sent;
    for (const auto& c : device.Commands()) sent.emplace_back(c.command, c.flags);
    return sent;
  }

  headless::PosixFileSystem files;
  headless::HeadlessSoundDevice device{backend};
  // One folder per test: the test runner starts tests side by side.
  std::filesystem::path dir =
      std::filesystem::temp_directory_path() /
      (std::string("background-sound-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
  std::vector<std::string> ended;
  TBackGroundSound player{"bgSound"};
};

using Sends = std::vector<std::pair<uint32_t, uint32_t>>;
constexpr uint32_t kStatusFlags = mci::kStatusItem | mci::kWait;

TEST_F(BackGroundSoundTest, PlaysToItsEndOnceThenRewindsForTheNextPlay) {
  EXPECT_FALSE(player.IsPlaying());
  EXPECT_TRUE(device.Commands().empty()) << "IsPlaying on a fresh player opens nothing";

  player.SetFileName(Path("a.wav"));
  player.Play();
  EXPECT_EQ(Sent(), (Sends{{mci::kOpen, mci::kWait | mci::kOpenElement}, {mci::kStatus, kStatusFlags},
                           {mci::kStatus, kStatusFlags}, {mci::kPlay, mci::kNotify}}));
  backend.Advance(999);
  EXPECT_TRUE(ended.empty());
  backend.Advance(5000);
  EXPECT_EQ(ended, std::vector<std::string>{Path("a.wav")}) << "once, naming the file";

  device.ClearLog();
  player.Play();  // at its end: rewinds first
  EXPECT_EQ(Sent(), (Sends{{mci::kStatus, kStatusFlags}, {mci::kStatus, kStatusFlags},
                           {mci::kSeek, mci::kSeekToStart | mci::kWait}, {mci::kPlay, mci::kNotify}}));
  device.FinishCurrent();
  backend.ProcessMessages();
  EXPECT_EQ(ended.size(), 2u);
}

TEST_F(BackGroundSoundTest, StopNewFileNameFailureAndDestructionRaiseNoTerminate) {
  WriteBytes(Path("b.wav"), WavBytes(500));
  player.SetFileName(Path("a.wav"));
  player.Play();
  backend.Advance(200);
  player.Stop();
  EXPECT_EQ(Sent().back(), std::make_pair(mci::kStop, mci::kWait));
  player.Play();  // on from where it stopped
  backend.Advance(100);
  player.SetFileName(Path("b.wav"));  // stops and closes at once
  EXPECT_EQ(device.OpenDevices(), 0u);
  player.Play();
  device.FailCurrent();
  backend.Advance(2000);
  EXPECT_TRUE(ended.empty());

  const size_t open = device.OpenDevices();
  {
    TBackGroundSound doomed;
    doomed.OnTerminate = [this](TBackGroundSound&) { ended.push_back("doomed"); };
    doomed.SetFileName(Path("a.wav"));
    doomed.Play();
    device.FinishCurrent();  // its notice is queued when the player goes
  }
  EXPECT_EQ(device.OpenDevices(), open) << "the destroyed player closed its device";
  backend.ProcessMessages();
  EXPECT_TRUE(ended.empty());
}

TEST_F(BackGroundSoundTest, AFileThatCannotOpenRaisesTheSystemTextAndStaysClosed) {
  std::vector<uint8_t> cut = WavBytes(1000);
  cut.resize(30);  // inside the format chunk
  WriteBytes(Path("cut.wav"), cut);
  WriteBytes(Path("text.wav"), {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '!'});
  std::string notFound, invalid;
  device.ErrorText(mci::kErrFileNotFound, notFound);
  device.ErrorText(mci::kErrInvalidFile, invalid);
  for (auto [name, text] : {std::pair{"missing.wav", notFound}, {"cut.wav", invalid}, {"text.wav", invalid}}) {
    player.SetFileName(Path(name));
    try {
      player.Play();
      ADD_FAILURE() << name << " played";
    } catch (const components::EMCIDeviceError& e) {
      EXPECT_EQ(e.what(), text) << name;
    }
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

TEST(WavLength, ReadsTheDataChunkAndPlaysWhatATruncatedFileHolds) {
  EXPECT_EQ(headless::WavLengthMs(WavBytes(1234)), 1234);
  std::vector<uint8_t> cut = WavBytes(1000);
  cut.resize(cut.size() - 4000);  // half the samples
  EXPECT_EQ(headless::WavLengthMs(cut), 500);
  EXPECT_EQ(headless::WavLengthMs({}), -1);
}

}  // namespace
