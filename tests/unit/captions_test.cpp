// Narration captions: the words table, the strip following step 1's chain, the Alt+T switch,
// its registry value and its defaults (screen reader, muted narration).
#include <gtest/gtest.h>

#include "Tutorial/AssPblcVars.h"
#include "Tutorial/Captions.h"
#include "platform/headless/headless_sound_device.h"
#include "platform/headless/recording_canvas.h"
#include "platform/os/sound_device.h"
#include "tests/unit/sound_test_support.h"
#include "tests/unit/wizard_fixture.h"

namespace {

using tutorial::NarrationWords;

TEST(NarrationWordsTest, ReadsNameTabWordsLinesAndFindsNamesInAnyCase) {
  const NarrationWords table = NarrationWords::Parse(
      "# a comment\tthat looks like a line\r\n"
      "open.wav\tWelcome.\r\n"
      "\n"
      "no tab on this line\n"
      "2.WAV\t  Two words.  \n"
      "empty.wav\t\n"
      "last.wav\tNo line end");
  EXPECT_EQ(table.Size(), 3u);
  EXPECT_EQ(table.Of("open.wav"), "Welcome.");
  EXPECT_EQ(table.Of("OPEN.WAV"), "Welcome.");
  EXPECT_EQ(table.Of("2.wav"), "Two words.");
  EXPECT_EQ(table.Of("last.wav"), "No line end");
  EXPECT_EQ(table.Of("empty.wav"), "");
  EXPECT_EQ(table.Of("missing.wav"), "");
  EXPECT_EQ(NarrationWords::Parse("").Size(), 0u);
}

// The font the strip draws `words` with, and whether the laid-out text fits inside it.
std::pair<int, bool> DrawnFont(const std::string& words) {
  tutorial::TCaptionStrip strip("strip");
  strip.SetBounds(0, 0, 410, 54);
  strip.SetWords(words);
  headless::RecordingCanvas canvas;
  strip.Paint(canvas);
  for (const auto& op : canvas.Ops()) {
    if (op.kind != headless::DrawOp::Text) continue;
    const ui::Size used = canvas.MeasureText(op.text, op.font, op.flags, op.rect.Width());
    return {op.font.height, op.rect.top + used.height <= 54};
  }
  return {0, false};
}

class CaptionStripTest : public HeadlessTest {};

TEST_F(CaptionStripTest, LongNarrationsGetASmallerFontInsteadOfLosingTheirEnd) {
  const NarrationWords& words = tutorial::ShippedNarrationWords();
  EXPECT_EQ(DrawnFont(words.Of("open.wav")), std::make_pair(12, true));
  const auto [height, fits] = DrawnFont(words.Of("12.wav"));  // the longest one
  EXPECT_LT(height, 12);
  EXPECT_TRUE(fits);
}

class CaptionsTest : public WizardTest {
 protected:
  CaptionsTest() { os::SetSoundDevice(&device); }
  ~CaptionsTest() override {
    window.reset();
    os::SetSoundDevice(nullptr);
    os::SetScreenReaderQuery(nullptr);
    tutorial::SoundFolder().clear();
  }
  tutorial::TfmMain& OpenWithSounds() {
    registry.SetValue(kTutorialKey, "SoundPath", folder.string() + "/");
    tutorial::TfmMain& w = Open();
    WriteBytes(tutorial::SoundFolder() + "open.wav", WavBytes(800));
    WriteBytes(tutorial::SoundFolder() + "1.wav", WavBytes(600));
    WriteBytes(tutorial::SoundFolder() + "2.wav", WavBytes(400));
    return w;
  }
  // The words on screen: the strip's, while it shows.
  std::string Shown() const {
    return window->captionStrip->Visible() ? window->captionStrip->Words() : std::string();
  }

  headless::HeadlessSoundDevice device{backend};
};

TEST_F(CaptionsTest, TheStripFollowsTheChainAndTheSwitchOutlivesTheRun) {
  const NarrationWords& words = tutorial::ShippedNarrationWords();
  ASSERT_EQ(words.Of("open.wav"), "Welcome to Zendri Accounting 2000.");
  ASSERT_FALSE(words.Of("1.wav").empty());

  OpenWithSounds();
  EXPECT_FALSE(window->CaptionsOn()) << "off by default for a hearing user";
  backend.Advance(2000);
  ASSERT_EQ(os::FileSystem::NameOf(device.Playing()), "open.wav");
  EXPECT_EQ(Shown(), "");

  ASSERT_TRUE(window->HandleDialogChar(U't'));
  EXPECT_EQ(Registry("NarrationCaptions"), "1");
  EXPECT_EQ(Shown(), "Welcome to Zendri Accounting 2000.") << "what plays shows at once";
  backend.Advance(800);
  ASSERT_EQ(os::FileSystem::NameOf(device.Playing()), "1.wav");
  EXPECT_EQ(Shown(), words.Of("1.wav")) << "the chain moved on";
  backend.Advance(600);
  EXPECT_EQ(Shown(), words.Of("2.wav"));
  backend.Advance(400);
  ASSERT_EQ(device.Playing(), "");
  EXPECT_EQ(Shown(), "") << "the chain has ended: nothing plays, nothing is shown";
  window.reset();

  OpenWithSounds();
  EXPECT_TRUE(window->CaptionsOn()) << "the switch is remembered";
  backend.Advance(2000);
  EXPECT_EQ(Shown(), "Welcome to Zendri Accounting 2000.");
  window->GoToStep(2);
  EXPECT_NE(Shown(), "Welcome to Zendri Accounting 2000.") << "leaving the page clears its words";
  window->HandleDialogChar(U't');
  EXPECT_EQ(Registry("NarrationCaptions"), "0");
  EXPECT_EQ(Shown(), "");
}

TEST_F(CaptionsTest, OnByDefaultForScreenReadersAndMutedNarrationUnlessSwitchedOff) {
  os::SetScreenReaderQuery([] { return true; });
  Open();
  EXPECT_TRUE(window->CaptionsOn());
  window.reset();
  os::SetScreenReaderQuery(nullptr);

  registry.SetValue(kTutorialKey, "NarrationMuted", std::string("1"));
  OpenWithSounds();
  EXPECT_TRUE(window->CaptionsOn());
  backend.Advance(2000);
  EXPECT_EQ(device.Playing(), "") << "muted: nothing is heard";
  EXPECT_EQ(Shown(), "Welcome to Zendri Accounting 2000.") << "but the words are shown";
  window.reset();

  registry.SetValue(kTutorialKey, "NarrationCaptions", std::string("0"));
  Open();
  EXPECT_FALSE(window->CaptionsOn()) << "a stored choice beats the default";
  window.reset();

  registry.SetValue(kTutorialKey, "NarrationCaptions", uint32_t(1));
  Open();
  EXPECT_TRUE(window->CaptionsOn()) << "a value of another type counts as absent (muted: on)";
  window->HandleDialogChar(U't');
  EXPECT_EQ(Registry("NarrationCaptions"), "0") << "and is rewritten as text";
}

}  // namespace
