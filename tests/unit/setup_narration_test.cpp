// The set-up steps' narration: the page timers, the voice buttons, and the chains that
// follow a host window.
#include "Tutorial/AssPblcVars.h"
#include "Tutorial/DefAcct.h"
#include "platform/headless/headless_sound_device.h"
#include "platform/os/file_system.h"
#include "platform/os/sound_device.h"
#include "platform/ui/check_box.h"
#include "tests/unit/setup_pages_fixture.h"
#include "tests/unit/sound_test_support.h"

class SetupNarrationTest : public SetupPagesTest {
 protected:
  SetupNarrationTest() { os::SetSoundDevice(&device); }
  ~SetupNarrationTest() override {
    window.reset();
    os::SetSoundDevice(nullptr);
  }
  // Every narration file lasts one second.
  void OpenWithSounds() {
    registry.SetValue(kTutorialKey, "SoundPath", folder.string() + "/");
    OpenWithHost();
    for (const char* name : {"16.wav", "17.wav", "18.wav", "19.wav", "20.wav", "21.wav", "24.wav",
                             "25.wav", "26.wav", "27.wav", "34.wav"})
      WriteBytes(tutorial::SoundFolder() + name, WavBytes(1000));
  }
  std::string Playing() const {
    const std::string path = device.Playing();
    return path.empty() ? path : os::FileSystem::NameOf(path);
  }
  void Voice(const char* button) {
    Part<components::TZndrSpeedButton>(button).Click();
  }

  headless::HeadlessSoundDevice device{backend};
};

TEST_F(SetupNarrationTest, AccountsHearSeventeenThenEighteenAfterTheWindowUnlessCutShort) {
  OpenWithSounds();
  Go(8);
  EXPECT_EQ(Playing(), "");
  backend.Advance(1000);
  EXPECT_EQ(Playing(), "16.wav") << "the first visit's timer";
  backend.Advance(1000);
  EXPECT_EQ(Playing(), "");

  Press(6);
  EXPECT_EQ(Playing(), "17.wav");
  backend.Advance(1000);
  EXPECT_EQ(Playing(), "18.wav");
  backend.Advance(1000);
  EXPECT_EQ(Playing(), "");

  Press(7);
  backend.Advance(500);
  Voice("ZndrSpeedButton4");  // the page narration replaces "17.wav"; nothing follows it
  EXPECT_EQ(Playing(), "16.wav");
  backend.Advance(1000);
  EXPECT_EQ(Playing(), "");

  Go(11);  // the other members play nothing after their window
  backend.Advance(2000);
  Press(6);
  EXPECT_EQ(Playing(), "");
  Go(8);
  backend.Advance(1000);
  EXPECT_EQ(Playing(), "") << "a later visit has no timer narration";
}

TEST_F(SetupNarrationTest, OpeningPagesNarrateOnEveryEntryAndChainAfterTheWindow) {
  OpenWithSounds();
  host.vouchers.table.AddField("TRNSDATE");
  data::Table& company = window->MainData().Company;
  company.Append();
  company.FieldByName("FiscYear").SetAsInteger(2025);
  company.Post();
  for (int step : {18, 19, 20}) {
    SCOPED_TRACE(step);
    Go(step);
    EXPECT_EQ(Playing(), "") << "not before the page is on the screen";
    backend.Advance(1);
    EXPECT_EQ(Playing(), "16.wav");
    backend.Advance(1000);
    EXPECT_EQ(Playing(), "") << "no timer narration";
    Press(6);
    EXPECT_EQ(Playing(), "17.wav");
    backend.Advance(1000);
    EXPECT_EQ(Playing(), "18.wav");
    Voice("ZndrSpeedButton4");
    EXPECT_EQ(Playing(), "16.wav");
  }
  Go(18);
  backend.Advance(1);
  EXPECT_EQ(Playing(), "16.wav") << "again on a later visit";
}

TEST_F(SetupNarrationTest, PagesOwnNarrations) {
  OpenWithSounds();
  Go(14);
  backend.Advance(1000);
  EXPECT_EQ(Playing(), "24.wav");
  const std::pair<const char*, const char*> parts[] = {
      {"ZndrSpeedButton1", "25.wav"}, {"ZndrSpeedButton2", "26.wav"},
      {"ZndrSpeedButton3", "27.wav"}, {"ZndrSpeedButton4", "24.wav"}};
  for (const auto& [button, file] : parts) {
    Voice(button);
    EXPECT_EQ(Playing(), file) << button;
  }

  Go(9);
  backend.Advance(1000);
  EXPECT_EQ(Playing(), "19.wav");

  // Ticking the status box by hand narrates; the stored state ticks it silently.
  auto& page = static_cast<tutorial::TfmDefAcct&>(Go(10));
  EXPECT_EQ(Playing(), "");
  page.StatusChk->UserToggled();
  EXPECT_EQ(Playing(), "20.wav");
  Go(11);
  Go(10);
  EXPECT_TRUE(static_cast<tutorial::TfmDefAcct&>(*window->PageOf(10)).StatusChk->Checked());
  EXPECT_EQ(Playing(), "");

  Go(21);
  backend.Advance(1000);
  EXPECT_EQ(Playing(), "34.wav");
  backend.Advance(600);
  Voice("ZndrSpeedButton4");  // restarts it
  backend.Advance(600);
  EXPECT_EQ(Playing(), "34.wav");
}
