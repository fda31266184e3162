#include "Tutorial/FirstPage.h"

#include <optional>
#include <string>

#include "Tutorial/AssMesages.h"
#include "Tutorial/Main.h"
#include "Tutorial/MsgForm.h"
#include "Tutorial/Skin.h"
#include "Tutorial/dmMain.h"
#include "Tutorial/host/host_calls.h"
#include "components/ZndrSpeedButton.h"
#include "platform/data/ensure_edit_mode.h"
#include "platform/data/table.h"
#include "platform/os/file_dialog.h"
#include "platform/os/file_system.h"
#include "platform/ui/application.h"
#include "platform/ui/geometry.h"
#include "platform/ui/label.h"

namespace tutorial {
namespace {

constexpr int kTagNewCompany = 1, kTagExistingCompany = 2, kTagTutorial = 3, kTagContComp = 4;
constexpr int kFirstSetUpStep = 7;

bool HoldsRecord(const data::Table& table) { return !(table.Bof() && table.Eof()); }

bool Editing(const data::Table& table) {
  return table.State() == data::TableState::Edit || table.State() == data::TableState::Insert;
}

}  // namespace

TfmFirstPage::TfmFirstPage(TfmMain& owner) : TfmContentSheet(owner) {
  // --- the greeting and the four options ---
  acNewCompany = &ActionList2.Add("acNewCompany", kTagNewCompany, "Start a new company");
  acExistingCompany = &ActionList2.Add("acExistingCompany", kTagExistingCompany, "Open an existing company");
  acTutorial = &ActionList2.Add("acTutorial", kTagTutorial, "Start the tutorial");
  acContComp = &ActionList2.Add("acContComp", kTagContComp, "Continue Create Company");

  Label3 = &AddLabel("Label3", Place(36, 7, 494, 32), "Welcome to Zendri Accounting 2000", skin::Welcome());
  Label1 = &AddLabel("Label1", Place(50, 42, 166, 23), "Would you like to...", skin::WelcomeQuestion());
  ZndrSpeedButton4 = &AddOptionButton("ZndrSpeedButton4", Place(70, 84, 279, 43), *acNewCompany);
  ZndrSpeedButton6 = &AddOptionButton("ZndrSpeedButton6", Place(70, 122, 279, 43), *acContComp);
  ZndrSpeedButton3 = &AddOptionButton("ZndrSpeedButton3", Place(70, 160, 279, 43), *acExistingCompany);
  ZndrSpeedButton1 = &AddOptionButton("ZndrSpeedButton1", Place(70, 198, 279, 43), *acTutorial);

  // Narration: the welcome chain and the two voice buttons that replay its parts.
  Timer1.SetInterval(2000);
  ZndrSpeedButton2 = &AddVoiceButton("ZndrSpeedButton2", ui::Rect::FromBounds(229, 41, 33, 30), 0);
  ZndrSpeedButton2->OnClick = [this](ui::Control&) { PlaySound("2.wav"); };
  ZndrSpeedButton2->SetAccessibleName(std::string(SPlayNarration) + "Options");
  ZndrSpeedButton5 = &AddVoiceButton("ZndrSpeedButton5", ui::Rect::FromBounds(542, 8, 35, 32), 0);
  ZndrSpeedButton5->OnClick = [this](ui::Control&) { PlaySound("1.wav"); };
  ZndrSpeedButton5->SetAccessibleName(std::string(SPlayNarration) + "Welcome");
}

// --- narration ---

void TfmFirstPage::Timer1Timer() {
  Timer1.SetEnabled(false);
  PlaySound("open.wav");
}

void TfmFirstPage::SoundFinished(const std::string& fileName) {
  if (fileName == "open.wav")
    PlaySound("1.wav");
  else if (fileName == "1.wav")
    PlaySound("2.wav");
}

components::TZndrSpeedButton& TfmFirstPage::AddOptionButton(const char* name, const ui::Rect& place,
                                                            ui::Action& action) {
  auto& button = Add<components::TZndrSpeedButton>(name);
  button.SetBounds(place);
  button.SetBorderStyle(components::zsbbNone);
  button.SetFont(skin::OptionButton());
  button.SetFontColor(ui::clNavy);
  button.SetHotFontColor(skin::kOptionHotFontColor);
  button.SetHotColor(skin::kAccent);
  button.SetCursor(ui::Cursor::Hand);
  button.SetAction(&action);
  return button;
}

void TfmFirstPage::ActionList2Execute(ui::Action& action, bool& handled) {
  TfmContentSheet::ActionList2Execute(action, handled);
  PlaySound("");
  handled = true;
  switch (action.Tag()) {
    case kTagNewCompany:
      NewCompany();
      break;
    case kTagExistingCompany:
      OpenExistingCompany();
      break;
    case kTagTutorial:
      // No separate tutorial ships: the guided steps are the tutorial, walked from where the
      // company stands, as Next does.
      Owner().acNext->Execute();
      break;
    case kTagContComp:
      Owner().GoToStep(Owner().LastPage);
      break;
    default:
      handled = false;
  }
}

void TfmFirstPage::ActionList2Update(ui::Action& action, bool& handled) {
  handled = true;
  switch (action.Tag()) {
    case kTagNewCompany:
    case kTagExistingCompany:
    case kTagTutorial:
      action.SetEnabled(true);
      break;
    case kTagContComp:
      action.SetEnabled(Owner().LastPage >= 2 &&
                        (HoldsRecord(MainData().Company) || Owner().HoldsRestoredEntries()));
      break;
    default:
      TfmContentSheet::ActionList2Update(action, handled);
      handled = false;
  }
}

bool TfmFirstPage::MayDiscardPreviousSession() {
  const data::Table& company = MainData().Company;
  if (!Editing(company) && !HoldsRecord(company)) return true;
  // Only No keeps the data; a dialog closed otherwise counts as consent.
  return ShowMsgForm(SDeletePreviousSession, kMsgYesNo) != ui::mrNo;
}

void TfmFirstPage::NewCompany() {
  if (!MayDiscardPreviousSession()) return;
  MainData().ResetAllTables();
  Owner().GoToStep(2);
}

void TfmFirstPage::OpenExistingCompany() {
  os::OpenFileRequest request;
  request.defaultExt = "gdb";
  request.filter = SDatabaseFilter;
  request.initialDir = os::FileSystem::FolderOf(Owner().HostExecutable());
  request.mustExist = true;
  request.owner = Owner().Native() ? Owner().Native()->Handle() : nullptr;
  std::optional<std::string> path;
  {
    struct BackToFront {
      TfmMain& window;
      ~BackToFront() { window.BringToFront(); }
    } front{Owner()};
    path = os::Dialogs().OpenFile(request);
  }
  if (!path || !MayDiscardPreviousSession()) return;
  {
    ui::BusyCursor busy;
    host::MainForm(Owner().GetMainForm()).OpenCompany(*path);
  }
  // The host has it open: it is the company being set up from now on.
  TdmMainData& data = MainData();
  data.ResetAllTables();
  data::Table& company = data.Company;
  data::EnsureEditMode(company);
  company.FieldByName("Path").SetAsString(*path);
  company.FieldByName("Created").SetAsBoolean(true);
  company.Post();
  SetTaskAccomplished(data, 1, true);
  Owner().GoToStep(kFirstSetUpStep);
}

}  // namespace tutorial
