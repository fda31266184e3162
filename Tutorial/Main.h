#pragma once
// The wizard window: the 21-step table, navigation under the step rules, the highest step
// reached (kept in the registry so an interrupted set-up resumes), and the close question.
#include <array>
#include <memory>
#include <string>

#include "Tutorial/StepPages.h"
#include "Tutorial/dmMain.h"
#include "Tutorial/host/app_data.h"
#include "components/BackGroundSound.h"
#include "components/ZndrSpeedButton.h"
#include "platform/ui/action.h"
#include "platform/ui/form.h"

namespace ui {
class Image;
class Label;
}  // namespace ui

namespace tutorial {

class TfmContentSheet;

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

  bool TaskSatisfied(int task);
  void RecomputeCreationTasks();
  // The host exchange about the company; declining ends the caller silently (ui::Abort).
  void EnsureLastCompanyOpen(const std::string& path);

  int CurrentStep() const { return FCurrentStep; }
  // Builds the pages of `step` with another class from now on (tests observe the hooks).
  void ReplacePageClass(int step, PageFactory factory) { factories_[size_t(step - 1)] = factory; }
  int LastPage = 1;
  TdmMainData& MainData() const { return *MainData_; }
  // The single narration player; pages play through their frame's PlaySound.
  components::TBackGroundSound& BgSound() const { return *bgSound; }
  // The narration mute, kept in the registry across runs; muting silences what plays.
  bool NarrationMuted() const { return narrationMuted_; }
  void ToggleNarrationMute();

  // --- components ---
  ui::Image* Image1 = nullptr;
  ui::Label* Label1 = nullptr;
  components::TZndrSpeedButton* zsbPrevious = nullptr;
  components::TZndrSpeedButton* zsbExit = nullptr;
  components::TZndrSpeedButton* zsbMinimize = nullptr;
  components::TZndrSpeedButton* zsbNext = nullptr;
  components::TZndrSpeedButton* zsbHome = nullptr;
  components::TBackGroundSound* bgSound = nullptr;
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
  void ActionList1Execute(ui::Action& action, bool& handled);
  void ActionList1Update(ui::Action& action, bool& handled);
  void ApplicationEvents1Exception(const std::exception& e);
  void bgSoundTerminate(components::TBackGroundSound& sender);

  std::array<PageFactory, kStepCount> factories_ = StepPages();
  std::array<PageSlot, kStepCount + 1> FPages;  // indexed by step 1 to 21
  int FCurrentStep = 0;
  bool narrationMuted_ = false;
  host::AppDataCopy FAppData;
  std::unique_ptr<TdmMainData> MainData_;
  std::function<void(const std::exception&)> previousExceptionHandler_;
};

// The running wizard of this thread (one run per thread), or nullptr.
TfmMain* ActiveWizard();

// One complete run: builds the window, hands it the host record, shows it modally and tears
// it down. True when the user left with Exit. Errors while the window is built propagate.
bool RunTutorial(const host::TZndrAppData& appData, const std::string& hostExecutable);

}  // namespace tutorial
