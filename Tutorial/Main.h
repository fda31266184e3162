#pragma once
// The wizard window: the 21-step table, navigation under the step rules, the highest step
// reached (kept in the registry so an interrupted set-up resumes), and the close question.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "Tutorial/Captions.h"
#include "Tutorial/StepPages.h"
#include "Tutorial/dmMain.h"
#include "Tutorial/host/app_data.h"
#include "components/BackGroundSound.h"
#include "components/ZndrSpeedButton.h"
#include "platform/ui/action.h"
#include "platform/ui/form.h"
#include "platform/ui/timer.h"

namespace ui {
class Image;
class Label;
}  // namespace ui

namespace tutorial {

class TfmContentSheet;
class CompanyRecovery;

class TfmMain : public ui::Form {
 public:
  // FormCreate: builds the state store, centres the design, creates step 1, reads settings.
  explicit TfmMain(std::string hostExecutable);
  // FormDestroy: frees the pages, saves the tables, writes "LastPage".
  ~TfmMain() override;

  void GoToStep(int target);
  TfmContentSheet& GetPage(int step);
  // The page instance of a step, if one exists (for tests and the pages' own checks).
  TfmContentSheet* PageOf(int step) const;
  void FreeAllPages();
  host::IXMainForm* GetMainForm() const;
  void SetAppData(const host::TZndrAppData& data) { FAppData.Assign(data); }
  const host::TZndrAppData& AppData() const { return FAppData.Get(); }

  bool TaskSatisfied(int task);
  void RecomputeCreationTasks();
  // The host exchanges about the company (MainCompany.cpp). Declining to open the company
  // created last ends the caller silently (ui::Abort).
  void CreateNewCompany();
  void EnsureLastCompanyOpen(const std::string& path);
  // Appends the creation-settings text for the host, one line per element.
  void BuildCreateSettings(std::vector<std::string>& lines);

  int CurrentStep() const { return FCurrentStep; }
  // The host program's executable file (the pages look for its folder).
  const std::string& HostExecutable() const { return hostExecutable_; }
  // Builds the pages of `step` with another class from now on (tests observe the hooks).
  void ReplacePageClass(int step, PageFactory factory) { factories_[size_t(step - 1)] = factory; }
  int LastPage = 1;
  TdmMainData& MainData() const { return *MainData_; }
  // The single narration player; pages play through their frame's PlaySound.
  components::TBackGroundSound& BgSound() const { return *bgSound; }
  // The narration mute, kept in the registry across runs; muting silences what plays.
  bool NarrationMuted() const { return narrationMuted_; }
  void ToggleNarrationMute();
  // The company values of a run that ended abruptly were put back and are still pending, so
  // that the start page offers to continue with them (MainProgress.cpp).
  bool HoldsRestoredEntries() const;
  // Narration captions, kept in the registry across runs.
  bool CaptionsOn() const { return captionStrip && captionStrip->CaptionsOn(); }
  void ToggleCaptions();
  // Shows the words of a narration file in the caption strip; an empty name clears it.
  void ShowNarrationWords(const std::string& fileName);
  // Plays `path`, tagged `tag`, on the narration player (throws what the player throws).
  // What a step change starts to play waits for its page to be on the screen: opening the
  // device would add its milliseconds to the wait for the page. While GoToStep builds and
  // enters the new page, the last file asked for plays from a timer, after the paint.
  void PlayNarration(std::string path, int tag);
  // A narration still waiting for its page's paint is not played.
  void CancelNarrationAfterStep();

  // --- components ---
  ui::Image* Image1 = nullptr;
  ui::Label* Label1 = nullptr;
  components::TZndrSpeedButton* zsbPrevious = nullptr;
  components::TZndrSpeedButton* zsbExit = nullptr;
  components::TZndrSpeedButton* zsbMinimize = nullptr;
  components::TZndrSpeedButton* zsbNext = nullptr;
  components::TZndrSpeedButton* zsbHome = nullptr;
  components::TBackGroundSound* bgSound = nullptr;
  TCaptionStrip* captionStrip = nullptr;
  ui::ActionList ActionList1;
  ui::Action* acExit = nullptr;
  ui::Action* acNext = nullptr;
  ui::Action* acPrevious = nullptr;
  ui::Action* acFinish = nullptr;
  ui::Action* acHome = nullptr;
  ui::Action* acMinimize = nullptr;

 protected:
  void CloseQuery(bool& canClose) override;  // FormCloseQuery

 private:
  struct PageSlot {
    TfmContentSheet* Page = nullptr;  // owned by the window's control tree
    bool NeedsFirstVisit = true;
  };

  void CreateComponents();
  components::TZndrSpeedButton& AddNavButton(const char* name, ui::Action& action, int left,
                                             int top, int width, int height, int imageIndex);
  void OffsetControls(int dx, int dy);
  void ReadSettings();
  void WriteLastPage();
  void FreePage(int step);
  void UpdateNextCaption();
  void UpdateWindowTitle();
  bool NextEnabled();
  // What a disabled Next waits for on this step; empty when Next carries its own hint.
  const char* MissingForNext() const;
  void ActionList1Execute(ui::Action& action, bool& handled);
  void ActionList1Update(ui::Action& action, bool& handled);
  void ApplicationEvents1Exception(const std::exception& e);
  void bgSoundTerminate(components::TBackGroundSound& sender);
  // Progress that survives a crash (MainProgress.cpp): the start-up check and recovery
  // question, the save at every step change, and the clean-up of a normal end.
  void RecoverProgress();
  void SaveProgress();
  void EndProgress();
  void StartOver();

  std::array<PageFactory, kStepCount> factories_ = StepPages();
  std::array<PageSlot, kStepCount + 1> FPages;  // indexed by step 1 to 21
  int FCurrentStep = 0;
  bool narrationMuted_ = false;
  host::AppDataCopy FAppData;
  std::string hostExecutable_;
  std::unique_ptr<TdmMainData> MainData_;
  std::unique_ptr<CompanyRecovery> recovery_;
  int lastPageWritten_ = 0;
  bool progressErrorShown_ = false;
  // A step change's save, run once the new page is painted (timers come after painting):
  // the page shows without waiting for the disk. Any save meanwhile takes its place.
  ui::Timer progressTimer_;
  bool changingStep_ = false;
  struct PendingNarration {
    std::string path;
    int tag = 0;
  } pendingNarration_;
  ui::Timer narrationTimer_;
  void StartPlayer(const PendingNarration& narration);
  void PlayPendingNarration();
  bool restoredEntries_ = false;
  std::function<void(const std::exception&)> previousExceptionHandler_;
};

// The running wizard of this thread (one run per thread), or nullptr.
TfmMain* ActiveWizard();

// One complete run: builds the window, hands it the host record, shows it modally and tears
// it down. True when the user left with Exit. Errors while the window is built propagate.
bool RunTutorial(const host::TZndrAppData& appData, const std::string& hostExecutable);

}  // namespace tutorial
