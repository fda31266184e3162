// The page frame's narration through the window's player: Tag rules, chains, the end notice
// routed only to the live current page, mute and screen reader, step 1's welcome chain.
#include <vector>

#include "Tutorial/AssPblcVars.h"
#include "Tutorial/ContSheet.h"
#include "Tutorial/FirstPage.h"
#include "components/ZndrSpeedButton.h"
#include "platform/headless/headless_sound_device.h"
#include "platform/os/sound_device.h"
#include "platform/ui/errors.h"
#include "platform/ui/label.h"
#include "tests/unit/sound_test_support.h"
#include "tests/unit/wizard_fixture.h"

using tutorial::TfmContentSheet;
using tutorial::TfmMain;

namespace {

std::vector<std::string> g_finished;  // SoundFinished calls, across instances
int g_livePages = 0;

// Narrates "16.wav" on entry and "4.wav" from its first-visit timer.
class NarratingPage : public TfmContentSheet {
 public:
  explicit NarratingPage(TfmMain& owner) : TfmContentSheet(owner) { ++g_livePages; }
  ~NarratingPage() override { --g_livePages; }
  void PageEnter() override {
    PlaySound("16.wav");
    TfmContentSheet::PageEnter();
  }
  void SoundFinished(const std::string& name) override {
    ASSERT_GT(g_livePages, 0) << "a notice reached a freed page";
    g_finished.push_back(name);
  }

 protected:
  void Timer1Timer() override {
    Timer1.SetEnabled(false);
    PlaySound("4.wav");
  }
};

// Plays nothing by itself.
class QuietPage : public TfmContentSheet {
 public:
  using TfmContentSheet::TfmContentSheet;
  void SoundFinished(const std::string& name) override { g_finished.push_back("quiet " + name); }
};

std::unique_ptr<TfmContentSheet> MakeNarratingPage(TfmMain& owner) {
  return std::make_unique<NarratingPage>(owner);
}
std::unique_ptr<TfmContentSheet> MakeQuietPage(TfmMain& owner) {
  return std::make_unique<QuietPage>(owner);
}

class NarrationTest : public WizardTest {
 protected:
  NarrationTest() {
    os::SetSoundDevice(&device);
    g_finished.clear();
  }
  ~NarrationTest() override {
    window.reset();
    os::SetSoundDevice(nullptr);
    os::SetScreenReaderQuery(nullptr);
    tutorial::SoundFolder().clear();  // it outlives windows, as in a loaded library
  }
  TfmMain& OpenWithSounds(std::initializer_list<std::pair<const char*, int>> sounds) {
    registry.SetValue(kTutorialKey, "SoundPath", folder.string() + "/");
    TfmMain& w = Open();
    for (const auto& [name, ms] : sounds) WriteBytes(tutorial::SoundFolder() + name, WavBytes(ms));
    w.ReplacePageClass(2, &MakeNarratingPage);
    w.ReplacePageClass(3, &MakeNarratingPage);
    return w;
  }
  std::string Playing() const {
    const std::string path = device.Playing();
    return path.empty() ? path : os::FileSystem::NameOf(path);
  }
  std::vector<std::string> Finished() const {
    std::vector<std::string> names;
    for (const auto& path : device.Finished()) names.push_back(os::FileSystem::NameOf(path));
    return names;
  }
  TfmContentSheet& Page() { return *window->PageOf(window->CurrentStep()); }

  headless::HeadlessSoundDevice device{backend};
};

TEST_F(NarrationTest, StepOneChainsOpenThenOneThenTwoAndStops) {
  OpenWithSounds({{"open.wav", 800}, {"1.wav", 600}, {"2.wav", 400}, {"OPEN.WAV", 100}});
  backend.Advance(1999);
  EXPECT_EQ(Playing(), "");
  backend.Advance(1);
  EXPECT_EQ(Playing(), "open.wav");
  backend.Advance(800);
  EXPECT_EQ(Playing(), "1.wav");
  backend.Advance(1000);
  EXPECT_EQ(Playing(), "");
  EXPECT_EQ(Finished(), (std::vector<std::string>{"open.wav", "1.wav", "2.wav"}));

  Page().SoundFinished("OPEN.WAV");  // the names compare case-sensitively
  EXPECT_EQ(Playing(), "");
  Page().Find<components::TZndrSpeedButton>("ZndrSpeedButton5")->Click();
  EXPECT_EQ(Playing(), "1.wav");
  Page().Find<components::TZndrSpeedButton>("ZndrSpeedButton2")->Click();
  EXPECT_EQ(Playing(), "2.wav");
  Next();  // cuts the chain short
  backend.Advance(1000);
  EXPECT_EQ(Finished(), (std::vector<std::string>{"open.wav", "1.wav", "2.wav"}));
}

TEST_F(NarrationTest, AQueuedNoticeNeverReachesAFreedOrLaterPage) {
  OpenWithSounds({{"16.wav", 1500}, {"4.wav", 500}});
  window->GoToStep(2);
  backend.Advance(1000);  // the first-visit timer replaced "16.wav" by "4.wav"
  EXPECT_EQ(Playing(), "4.wav");
  EXPECT_TRUE(g_finished.empty()) << "a stopped narration raises no end";

  device.FinishCurrent();  // its notice waits in the queue...
  ASSERT_EQ(backend.PendingMessages(), 1u);
  window->ReplacePageClass(4, &MakeQuietPage);
  window->GoToStep(4);     // ...while the page is left and freed
  backend.ProcessMessages();
  EXPECT_TRUE(g_finished.empty());

  window->GoToStep(3);
  backend.Advance(1);  // painted: the entry's narration starts
  EXPECT_EQ(Playing(), "16.wav");
  device.FinishCurrent();  // the same race, the next page starting and stopping a narration
  window->GoToStep(2);
  window->PageOf(2)->StopSound();
  backend.ProcessMessages();
  EXPECT_TRUE(g_finished.empty());

  window->PageOf(2)->PlaySound("16.wav");  // a narration of the live page reaches it by name
  backend.Advance(1500);
  EXPECT_EQ(g_finished, std::vector<std::string>{"16.wav"});
}

TEST_F(NarrationTest, AStepsNarrationStartsAfterItsPageUnlessTheUserMovesOnOrMutesFirst) {
  OpenWithSounds({{"16.wav", 1000}});
  window->ReplacePageClass(3, &MakeQuietPage);
  window->GoToStep(2);
  EXPECT_EQ(Playing(), "") << "the device is not opened while the step is made";
  EXPECT_TRUE(backend.ErrorBoxes().empty());
  backend.Advance(1);
  EXPECT_EQ(Playing(), "16.wav");

  window->GoToStep(3);
  window->GoToStep(2);
  window->GoToStep(3);  // page 2 left before it was painted: nothing of it plays
  backend.Advance(1);
  EXPECT_EQ(Playing(), "");

  window->GoToStep(2);
  ASSERT_TRUE(window->HandleDialogChar(U'm'));
  backend.Advance(1);
  EXPECT_EQ(Playing(), "") << "muted before it started";
  window->HandleDialogChar(U'm');

  device.FailCommand(os::mci::kOpen, os::mci::kErrHardware);
  window->GoToStep(3);
  window->GoToStep(2);
  backend.Advance(1);
  EXPECT_EQ(Playing(), "");
  EXPECT_TRUE(backend.ErrorBoxes().empty()) << "silence, as for any narration that cannot play";
  EXPECT_EQ(window->CurrentStep(), 2);
}

TEST_F(NarrationTest, EditsNarrateOnceEachAndVoiceButtonsRestart) {
  OpenWithSounds({{"7.wav", 1000}, {"4.wav", 1000}});
  TfmContentSheet& page = Page();
  ui::Label first("EditCity"), second("EditPhone1");
  first.SetTag(3);
  second.SetTag(3);
  page.EnterEdit(first);
  EXPECT_EQ(Playing(), "7.wav");
  EXPECT_EQ(first.Tag(), 503);
  page.PlaySound("");
  EXPECT_EQ(Playing(), "") << "an empty name only stops";
  page.EnterEdit(first);
  EXPECT_EQ(Playing(), "");
  page.EnterEdit(second);
  EXPECT_EQ(Playing(), "7.wav");

  ui::Label voice("ZndrSpeedButton4");
  voice.SetTag(1);
  page.VoiceClick(voice);
  backend.Advance(600);
  page.VoiceClick(voice);  // restarts from the beginning
  backend.Advance(600);
  EXPECT_EQ(Playing(), "4.wav");
  backend.Advance(400);
  EXPECT_EQ(Finished(), std::vector<std::string>{"4.wav"});

  page.PlaySound("19.wav");  // no such file: silence
  EXPECT_EQ(Playing(), "");

  ui::Label untagged("ZndrSpeedButton9");
  auto failedLine = [&](void (TfmContentSheet::*handler)(ui::Control&)) {
    try {
      (page.*handler)(untagged);
    } catch (const ui::AssertionFailure& e) {
      return e.Unit() + " " + std::to_string(e.Line());
    }
    return std::string("no assertion");
  };
  EXPECT_EQ(failedLine(&TfmContentSheet::VoiceClick), "Tutorial\\ContSheet 145");
  EXPECT_EQ(failedLine(&TfmContentSheet::EnterEdit), "Tutorial\\ContSheet 134");
}

TEST_F(NarrationTest, BrokenNarrationIsSilenceAndTheStepChangeStillWorks) {
  OpenWithSounds({});
  WriteBytes(tutorial::SoundFolder() + "16.wav", {'R', 'I', 'F', 'F'});
  window->GoToStep(2);
  backend.Advance(1000);
  EXPECT_EQ(Playing(), "");
  EXPECT_TRUE(backend.ErrorBoxes().empty());

  device.FailCommand(os::mci::kStatus, os::mci::kErrHardware);
  device.FailCommand(os::mci::kOpen, os::mci::kErrHardware);
  window->GoToStep(3);
  EXPECT_EQ(window->CurrentStep(), 3);

  tutorial::SoundFolder() = std::string(100000, 'x') + "\\";
  window->GoToStep(2);
  EXPECT_EQ(window->CurrentStep(), 2);
  EXPECT_TRUE(backend.ErrorBoxes().empty());
}

TEST_F(NarrationTest, MutePersistsAndScreenReadersGetOnlyWhatTheyAskFor) {
  OpenWithSounds({{"16.wav", 1000}, {"4.wav", 1000}});
  window->GoToStep(2);
  backend.Advance(1);
  ASSERT_EQ(Playing(), "16.wav");
  ASSERT_TRUE(window->HandleDialogChar(U'm'));
  EXPECT_EQ(Playing(), "") << "muting silences what plays";
  EXPECT_EQ(Registry("NarrationMuted"), "1");
  window.reset();

  Open();
  window->ReplacePageClass(2, &MakeNarratingPage);
  window->GoToStep(2);
  EXPECT_EQ(Playing(), "") << "the mute outlives the run";
  window->HandleDialogChar(U'm');
  EXPECT_EQ(Registry("NarrationMuted"), "0");

  os::SetScreenReaderQuery([] { return true; });
  window->GoToStep(3);  // entry and first-visit timer: nothing
  backend.Advance(1000);
  EXPECT_EQ(Playing(), "");
  ui::Label edit("EditCity"), voice("ZndrSpeedButton4");
  edit.SetTag(1);
  voice.SetTag(1);
  Page().EnterEdit(edit);
  EXPECT_EQ(Playing(), "");
  Page().VoiceClick(voice);
  EXPECT_EQ(Playing(), "4.wav");
}

TEST_F(NarrationTest, AClosingPageClosesTheWindow) {
  Open();
  window->GoToStep(3);
  Type("EditName1", "Acme");  // a pending change: the close asks first
  backend.AnswerNextModal(ui::mrCancel);
  intptr_t result = -1;
  EXPECT_TRUE(Page().HandleMessage(0x0010, 0, 0, result));
  EXPECT_EQ(backend.PendingAnswers(), 0u) << "the close question was asked";
}

}  // namespace
