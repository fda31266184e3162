#include "Tutorial/Main.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "Tutorial/AssMesages.h"
#include "Tutorial/AssPblcVars.h"
#include "Tutorial/ContSheet.h"
#include "Tutorial/CompPath.h"
#include "Tutorial/CompInfo.h"
#include "Tutorial/CompanyRecovery.h"
#include "Tutorial/Currency.h"
#include "Tutorial/FiscYear.h"
#include "Tutorial/MsgForm.h"
#include "Tutorial/Skin.h"
#include "platform/data/ensure_edit_mode.h"
#include "platform/os/error.h"
#include "platform/os/file_system.h"
#include "platform/os/registry.h"
#include "platform/os/resources.h"
#include "platform/ui/application.h"
#include "platform/ui/errors.h"
#include "platform/ui/focus_order.h"
#include "platform/ui/image.h"
#include "platform/ui/label.h"
#include "platform/ui/resource_picture.h"

namespace tutorial {
namespace {

thread_local TfmMain* t_activeWizard = nullptr;

constexpr int kTagExit = 1, kTagNext = 2, kTagPrevious = 3, kTagFinish = 4, kTagHome = 5,
              kTagMinimize = 6;

// Read once per library load (lent from the library's image, or decoded when the build stored
// no decoded form): the resource cannot change while the library is loaded, and the picture
// is never written to. A failed decoding is tried again by the next run.
std::shared_ptr<const ui::Picture> LoadBackground() {
  static std::shared_ptr<const ui::Picture> picture;
  if (!picture)
    picture = std::make_shared<ui::Picture>(ui::LoadResourcePicture("main_background.jpg"));
  return picture;
}

template <class EditKind>
bool HasText(const EditKind* edit) {
  return edit && !edit->Text().empty();
}

// "LastPage" as the window reads it: missing or not a number gives 1; so does a number below 1,
// which is no step a resume could go to.
int ParseLastPage(const std::optional<std::string>& text) {
  if (!text || text->empty()) return 1;
  int value = 0;
  size_t used = 0;
  try {
    value = std::stoi(*text, &used);
  } catch (const std::exception&) {
    return 1;
  }
  if (used != text->size()) return 1;
  return std::max(value, 1);
}

}  // namespace

TfmMain* ActiveWizard() { return t_activeWizard; }

TfmMain::TfmMain(std::string hostExecutable)
    : ui::Form("fmMain"), hostExecutable_(hostExecutable) {
  ui::Application& app = ui::Application::Instance();
  // ApplicationEvents1: every error that reaches the message loop while the window exists.
  previousExceptionHandler_ = app.OnException;
  app.OnException = [this](const std::exception& e) { ApplicationEvents1Exception(e); };
  try {
    SetBorderStyle(ui::BorderStyle::None);
    SetWindowState(ui::WindowState::Maximized);
    SetBounds(0, 0, 820, 621);
    SetColor(ui::clWhite);
    SetShowHint(true);
    SetFont({"MS Sans Serif", 11});
    // The pages' data fields (the fiscal year page's periods box is 24 high): the fields
    // made ahead of the pages are made so.
    SetFieldLook({skin::DataEdit(), 24});

    progressTimer_.SetInterval(1);
    progressTimer_.OnTimer = [this](ui::Timer&) { SaveProgress(); };
    narrationTimer_.SetInterval(1);
    narrationTimer_.OnTimer = [this](ui::Timer&) { PlayPendingNarration(); };

    // FormCreate
    // The store's errors go to the window's own display as they are (a copy made here
    // through std::exception would keep only that type's name as the message).
    MainData_ = std::make_unique<TdmMainData>(
        std::move(hostExecutable), [this](const std::exception& e) { ApplicationEvents1Exception(e); });
    CreateComponents();
    // A screen too small for the design at its scale draws it smaller, never cut off.
    app.GetBackend().SetDesignSize({Image1->Width(), Image1->Height()});
    const ui::Size desktop = app.DesktopSize();
    if (desktop.width > Image1->Width() || desktop.height > Image1->Height())
      OffsetControls((desktop.width - Image1->Width()) / 2, (desktop.height - Image1->Height()) / 2);
    for (auto& slot : FPages) slot.NeedsFirstVisit = true;
    GetPage(1).SetVisible(true);
    ui::FocusOnEntry(*this, GetPage(1), zsbNext);
    ReadSettings();
    UpdateNextCaption();
    for (const std::string& notice : MainData_->TakeNotices())
      app.Guard([&] { ShowMsgForm(notice, kMsgYes); });
    app.Guard([&] { RecoverProgress(); });
  } catch (...) {
    app.OnException = previousExceptionHandler_;
    throw;
  }
}

TfmMain::~TfmMain() {
  ui::Application& app = ui::Application::Instance();
  // FormDestroy: nothing here may throw; what fails is shown and the rest goes on.
  // A step's save still waiting keeps the recovery file up to date should the end's save fail.
  if (progressTimer_.Enabled()) app.Guard([&] { SaveProgress(); });
  app.Guard([&] { FreeAllPages(); });
  // Writes the four tables, reporting its own failures.
  const bool companySaved = MainData_->SaveAndClose();
  MainData_.reset();
  app.Guard([&] { WriteLastPage(); });
  // Unsaved typed values stay in their recovery file for the next run.
  if (companySaved) app.Guard([&] { EndProgress(); });
  app.OnException = previousExceptionHandler_;
}

void TfmMain::CreateComponents() {
  Image1 = &Add<ui::Image>("Image1");
  Image1->SetBounds(-2, 0, 800, 600);
  try {
    Image1->SetPicture(LoadBackground());
  } catch (...) {
    // Without its picture the window still works; say why it looks plain.
    ui::Application::Instance().HandleException(std::current_exception());
  }
  Label1 = &Add<ui::Label>("Label1");
  Label1->SetBounds(2, 116, 676, 412);
  Label1->SetVisible(false);

  ActionList1.OnExecute = [this](ui::Action& a, bool& handled) { ActionList1Execute(a, handled); };
  ActionList1.OnUpdate = [this](ui::Action& a, bool& handled) { ActionList1Update(a, handled); };
  acExit = &ActionList1.Add("acExit", kTagExit, "&Exit");
  acNext = &ActionList1.Add("acNext", kTagNext, "&Next", SNextHint);
  acPrevious = &ActionList1.Add("acPrevious", kTagPrevious, "&Previous", "Previous");
  acFinish = &ActionList1.Add("acFinish", kTagFinish, "acFinish", "Finish");
  acHome = &ActionList1.Add("acHome", kTagHome, "&Home", "Home Page");
  acMinimize = &ActionList1.Add("acMinimize", kTagMinimize, "acMinimize", "Minimize");

  using components::blGlyphRight;
  zsbPrevious = &AddNavButton("zsbPrevious", *acPrevious, 597, 552, 32, 29, 4);
  zsbPrevious->SetButtonLayout(blGlyphRight);
  zsbExit = &AddNavButton("zsbExit", *acExit, 14, 553, 33, 28, 1);
  zsbExit->SetColor(skin::kAccent);
  zsbExit->SetBorderColor(skin::kAccent);
  zsbExit->SetHotBorderColor(skin::kAccent);
  zsbMinimize = &AddNavButton("zsbMinimize", *acMinimize, 59, 565, 30, 12, 2);
  zsbMinimize->SetButtonLayout(blGlyphRight);
  zsbNext = &AddNavButton("zsbNext", *acNext, 633, 552, 31, 29, 5);
  zsbHome = &AddNavButton("zsbHome", *acHome, 519, 552, 34, 29, 3);
  zsbHome->SetButtonLayout(blGlyphRight);
  // The keyboard: the page's controls first, then the navigation row from left to right;
  // Enter goes on, Escape leaves (with the close question).
  int order = 1;
  for (components::TZndrSpeedButton* button : {zsbExit, zsbMinimize, zsbHome, zsbPrevious, zsbNext})
    button->SetTabOrder(order++);
  SetDefaultControl(zsbNext);
  SetCancelControl(zsbExit);

  bgSound = &Add<components::TBackGroundSound>("bgSound");
  bgSound->SetBounds(64, 318, 50, 50);
  bgSound->OnTerminate = [this](components::TBackGroundSound& sender) { bgSoundTerminate(sender); };

  // Over the middle of the navigation bar, between Minimize and Home: no control lies there.
  captionStrip = &Add<TCaptionStrip>("captionStrip");
  captionStrip->SetBounds(100, 543, 410, 54);
  captionStrip->SetVisible(false);
}

components::TZndrSpeedButton& TfmMain::AddNavButton(const char* name, ui::Action& action, int left,
                                                     int top, int width, int height,
                                                     int imageIndex) {
  auto& button = Add<components::TZndrSpeedButton>(name);
  button.SetBounds(left, top, width, height);
  button.SetCursor(ui::Cursor::Hand);
  button.SetImageList(&MainData_->NormImageList);
  button.SetHotImages(&MainData_->HotImageList);
  button.SetHotColor(skin::kAccent);
  button.SetHotFontColor(ui::clBlue);
  button.SetFontColor(ui::clWindowText);
  button.SetBorderStyle(components::zsbbNone);
  button.SetBorderColor(ui::clGreen);
  button.SetHotBorderColor(ui::clRed);
  button.SetTransparent(true);
  button.SetFont({"Britannic Bold", 19, true, false, false, ui::clYellow});
  button.SetAction(&action);
  button.SetImageIndex(imageIndex);
  return button;
}

void TfmMain::OffsetControls(int dx, int dy) {
  for (const auto& control : Children()) {
    const ui::Rect& r = control->Bounds();
    control->SetBounds(r.left + dx, r.top + dy, r.Width(), r.Height());
  }
}

void TfmMain::ReadSettings() {
  auto key = os::Reg().OpenCurrentUser(std::string(kRegistryKey) + "\\" + kTutorialSubKey, true);
  LastPage = ParseLastPage(key->ReadString("LastPage"));
  if (auto sound = key->ReadString("SoundPath")) SoundFolder() = *sound;
  // Once: the folder lives as long as the library, so a second run must not add another.
  if (SoundFolder().empty() || SoundFolder().back() != '\\') SoundFolder() += "\\";
  try {
    narrationMuted_ = key->ReadString(kNarrationMutedValue).value_or("0") == "1";
  } catch (const os::RegistryTypeError&) {
    // Our own setting: a value of another type reads as not muted and is rewritten on the next toggle.
  }
  captionStrip->SetCaptionsOn(ReadCaptionsSetting(*key, narrationMuted_));
}

void TfmMain::ToggleCaptions() {
  captionStrip->SetCaptionsOn(!captionStrip->CaptionsOn());
  auto key = os::Reg().OpenCurrentUser(std::string(kRegistryKey) + "\\" + kTutorialSubKey, true);
  key->WriteString(kNarrationCaptionsValue, captionStrip->CaptionsOn() ? "1" : "0");
}

void TfmMain::ShowNarrationWords(const std::string& fileName) {
  if (!captionStrip) return;
  captionStrip->SetWords(fileName.empty() ? std::string() : ShippedNarrationWords().Of(fileName));
}

void TfmMain::PlayNarration(std::string path, int tag) {
  if (changingStep_)
    pendingNarration_ = {std::move(path), tag};
  else
    StartPlayer({std::move(path), tag});
}

void TfmMain::StartPlayer(const PendingNarration& narration) {
  bgSound->SetFileName(narration.path);
  bgSound->SetTag(narration.tag);
  bgSound->Play();
}

void TfmMain::CancelNarrationAfterStep() {
  pendingNarration_ = {};
  narrationTimer_.SetEnabled(false);
}

void TfmMain::PlayPendingNarration() {
  narrationTimer_.SetEnabled(false);
  const PendingNarration narration = std::exchange(pendingNarration_, {});
  if (narration.path.empty()) return;
  try {
    StartPlayer(narration);
  } catch (...) {
    // As any narration: one that cannot play is silence, never a message.
  }
}

void TfmMain::ToggleNarrationMute() {
  narrationMuted_ = !narrationMuted_;
  if (narrationMuted_ && PageOf(FCurrentStep)) PageOf(FCurrentStep)->StopSound();
  auto key = os::Reg().OpenCurrentUser(std::string(kRegistryKey) + "\\" + kTutorialSubKey, true);
  key->WriteString(kNarrationMutedValue, narrationMuted_ ? "1" : "0");
}

void TfmMain::WriteLastPage() {
  auto key = os::Reg().OpenCurrentUser(std::string(kRegistryKey) + "\\" + kTutorialSubKey, true);
  key->WriteString("LastPage", std::to_string(LastPage));
}

TfmContentSheet* TfmMain::PageOf(int step) const {
  if (step < 1 || step > kStepCount) return nullptr;
  return FPages[size_t(step)].Page;
}

TfmContentSheet& TfmMain::GetPage(int step) {
  ui::Assert(step >= 1 && step <= kStepCount, "Tutorial\\Main", 300);
  PageSlot& slot = FPages[size_t(step)];
  if (slot.Page) return *slot.Page;
  std::unique_ptr<TfmContentSheet> page = factories_[size_t(step - 1)](*this);
  if (slot.NeedsFirstVisit) {
    page->FirstVisit();
    slot.NeedsFirstVisit = false;
  }
  slot.Page = page.get();
  // Placed before it joins the window, so its native controls are created where they stay.
  page->SetBounds(Label1->Bounds());
  Insert(std::move(page));
  slot.Page->SetJustCreated(true);
  FCurrentStep = step;
  UpdateWindowTitle();
  return *slot.Page;
}

void TfmMain::FreePage(int step) {
  PageSlot& slot = FPages[size_t(step)];
  if (!slot.Page) return;
  TfmContentSheet* page = std::exchange(slot.Page, nullptr);
  Remove(*page);  // the returned owner frees it here
}

void TfmMain::FreeAllPages() {
  for (int step = 1; step <= kStepCount; ++step) FreePage(step);
}

void TfmMain::GoToStep(int target) {
  if (target > kStepCount) {
    Close();
    return;
  }
  ui::Assert(target >= 1, "Tutorial\\Main", 330);
  if (FCurrentStep == 5) {
    // What was typed is kept, posted; only the host's creation (CreateNewCompany, through
    // acFinish) marks the company created: a step 5 left without it claims no database.
    data::Table& company = MainData().Company;
    data::EnsureEditMode(company);
    company.Post();
  } else if (FCurrentStep == 1 && target > 5 && !MainData().Company.IsEmpty()) {
    EnsureLastCompanyOpen(MainData().Company.FieldByName("Path").AsString());
  }
  // What the new page plays on entry waits for its paint (PlayNarration), also should the
  // step fail half-way.
  struct StepChange {
    TfmMain& window;
    explicit StepChange(TfmMain& w) : window(w) { window.changingStep_ = true; }
    ~StepChange() {
      window.changingStep_ = false;
      if (!window.pendingNarration_.path.empty()) window.narrationTimer_.SetEnabled(true);
    }
  } change(*this);
  GetPage(FCurrentStep).SetVisible(false);
  if (FCurrentStep >= 1) {
    PageOf(FCurrentStep)->PageLeave();
    FreePage(FCurrentStep);
  }
  FCurrentStep = target;
  TfmContentSheet& page = GetPage(target);
  {
    TfmContentSheet::Automatic automatic(page);
    page.PageEnter();
  }
  page.SetVisible(true);
  ui::FocusOnEntry(*this, page, zsbNext);
  UpdateNextCaption();
  LastPage = std::max(LastPage, FCurrentStep);
  progressTimer_.SetEnabled(true);
}

host::IXMainForm* TfmMain::GetMainForm() const {
  host::IXMainForm* form = FAppData.Get().MainForm;
  ui::Assert(form != nullptr, "Tutorial\\Main", 731);
  return form;
}

bool TfmMain::TaskSatisfied(int task) { return tutorial::TaskSatisfied(MainData(), task); }

void TfmMain::RecomputeCreationTasks() {
  data::Table& company = MainData().Company;
  auto text = [&](const char* field) { return !company.FieldByName(field).AsString().empty(); };
  SetTaskAccomplished(MainData(), 1, text("Path"));
  SetTaskAccomplished(MainData(), 2, text("Name1"));
  SetTaskAccomplished(MainData(), 3, text("City") || text("State") || text("Phone1") || text("Phone2"));
  SetTaskAccomplished(MainData(), 4, company.FieldByName("FiscYear").AsInteger() > 0);
  SetTaskAccomplished(MainData(), 5, company.FieldByName("nbPeriods").AsInteger() > 0);
}

void TfmMain::UpdateNextCaption() {
  acNext->SetCaption(FCurrentStep == 5 || FCurrentStep == kStepCount ? SFinishCaption : SNextCaption);
  acNext->Update();
}

void TfmMain::UpdateWindowTitle() {
  char title[64];
  std::snprintf(title, sizeof title, SWindowTitle, FCurrentStep, kStepCount);
  SetCaption(title);
}

void TfmMain::ActionList1Execute(ui::Action& action, bool& handled) {
  handled = true;
  switch (action.Tag()) {
    case kTagExit:
      SetModalResult(ui::mrOk);
      break;
    case kTagNext:
      if (FCurrentStep == 1)
        GoToStep(LastPage > 5 ? 7 : 2);
      else
        GoToStep(FCurrentStep + 1);
      break;
    case kTagPrevious:
      GetPage(FCurrentStep).SetVisible(false);
      GoToStep(FCurrentStep == 7 ? 1 : FCurrentStep - 1);
      break;
    case kTagFinish: {
      data::Table& company = MainData().Company;
      data::EnsureEditMode(company);
      company.FieldByName("Created").SetAsBoolean(true);
      company.Post();
      break;
    }
    case kTagHome:
      GoToStep(1);
      FreeAllPages();
      break;
    case kTagMinimize:
      SetWindowState(ui::WindowState::Minimized);
      break;
    default:
      handled = false;
  }
}

bool TfmMain::NextEnabled() {
  TfmContentSheet* page = PageOf(FCurrentStep);
  switch (FCurrentStep) {
    case 1: return true;
    case 2: {
      auto* path = dynamic_cast<TfmCompPath*>(page);
      return path && HasText(path->EditCompPath);
    }
    case 3: {
      auto* info = dynamic_cast<TfmCompInfo*>(page);
      return info && HasText(info->EditName1);
    }
    case 4: {
      auto* fiscal = dynamic_cast<TfmFiscaleYear*>(page);
      return fiscal && HasText(fiscal->EditFiscYear) && HasText(fiscal->EditPeriods);
    }
    case 5: return false;
    case 6: return true;
    case 7: {
      auto* currency = dynamic_cast<TfmMainCurrency*>(page);
      return currency && HasText(currency->EditCode1) && HasText(currency->EditCode2);
    }
    case 8: return TaskSatisfied(10);
    case 9: return true;
    case 10: return TaskSatisfied(11);
    case 11: return TaskSatisfied(11);
    case 12: return TaskSatisfied(12);
    case 13: return TaskSatisfied(13);
    case 14: return TaskSatisfied(14);
    case 15: return TaskSatisfied(15);
    case 16: return TaskSatisfied(16);
    case 17: return true;
    case 18: return TaskSatisfied(18);
    case 19: return TaskSatisfied(19);
    case 20: return TaskSatisfied(20);
    case 21: return true;
    default: return FCurrentStep < kStepCount;
  }
}

const char* TfmMain::MissingForNext() const {
  switch (FCurrentStep) {
    case 2: return SNextNeedsPath;
    case 3: return SNextNeedsName;
    case 4: return SNextNeedsFiscalYear;
    default: return nullptr;
  }
}

void TfmMain::ActionList1Update(ui::Action& action, bool& handled) {
  GetPage(FCurrentStep);  // the current step always has a page; this rebuilds a freed one
  handled = true;
  switch (action.Tag()) {
    case kTagExit: action.SetEnabled(true); break;
    case kTagNext: {
      const bool enabled = NextEnabled();
      action.SetEnabled(enabled);
      // A disabled Next says what it waits for, so nobody wonders why it does nothing.
      const char* missing = enabled ? nullptr : MissingForNext();
      action.SetHint(missing ? missing : SNextHint);
      break;
    }
    case kTagPrevious: action.SetEnabled(FCurrentStep >= 2 && FCurrentStep != 6); break;
    case kTagHome: action.SetEnabled(FCurrentStep != 1); break;
    default: handled = false;
  }
}

// Only Cancel keeps the window: whatever else fails here is shown and the window closes,
// or the user could be left with no way out.
void TfmMain::CloseQuery(bool& canClose) {
  canClose = true;
  ui::Application& app = ui::Application::Instance();
  data::Table& company = MainData().Company;
  const data::TableState state = company.State();
  if (state != data::TableState::Edit && state != data::TableState::Insert) return;
  int answer = ui::mrYes;  // a question that cannot be asked keeps what was typed
  app.Guard([&] { answer = ShowMsgForm(SSaveDataBeforeExit, kMsgYesNoCancel); });
  switch (answer) {
    case ui::mrCancel:
      canClose = false;
      break;
    case ui::mrYes:
      app.Guard([&] {
        company.Post();
        // Tasks that the Company file held stay as they were when that file was not read.
        if (!MainData().Unread(company)) RecomputeCreationTasks();
      });
      break;
    case ui::mrNo:
      app.Guard([&] { company.Cancel(); });
      break;
  }
}

// The player's Tag names the page that started the narration. The notice may have waited in
// the queue while that page was left and freed: only the current page, if it is the one,
// hears of it.
void TfmMain::bgSoundTerminate(components::TBackGroundSound& sender) {
  TfmContentSheet* page = PageOf(FCurrentStep);
  if (!page || sender.Tag() == 0 || page->SoundTag() != sender.Tag()) return;
  // The file has been said; a chain shows the next one's words when it plays it.
  ShowNarrationWords({});
  TfmContentSheet::Automatic automatic(*page);
  page->SoundFinished(os::FileSystem::NameOf(sender.FileName()));
}

void TfmMain::ApplicationEvents1Exception(const std::exception& e) {
  try {
    ui::Application::Instance().ShowException(e);
  } catch (...) {
  }
  BringToFront();
}

bool RunTutorial(const host::TZndrAppData& appData, const std::string& hostExecutable) {
  auto window = std::make_unique<TfmMain>(hostExecutable);
  t_activeWizard = window.get();
  struct EndOfRun {
    std::unique_ptr<TfmMain>& window;
    ~EndOfRun() {
      window.reset();
      t_activeWizard = nullptr;
    }
  } end{window};
  window->SetAppData(appData);
  return window->ShowModal() == ui::mrOk;
}

}  // namespace tutorial
