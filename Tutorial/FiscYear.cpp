#include "Tutorial/FiscYear.h"

#include <ctime>
#include <string>
#include <vector>

#include "Tutorial/AssPblcVars.h"
#include "Tutorial/Skin.h"
#include "Tutorial/dmMain.h"
#include "components/Dbspin.h"
#include "components/ZndrSpeedButton.h"
#include "platform/data/ensure_edit_mode.h"
#include "platform/os/local_time.h"
#include "platform/ui/image.h"
#include "platform/ui/label.h"

namespace tutorial {
namespace {

constexpr int kYearTask = 4, kPeriodsTask = 5;
constexpr int kTagCurrYear = 1, kTagPeriods = 2;

int CurrentYear() {
  const std::tm local = os::LocalNow();
  return local.tm_year + 1900;
}

}  // namespace

TfmFiscaleYear::TfmFiscaleYear(TfmMain& owner) : TfmContentSheet(owner) {
  using skin::Paragraph;
  using skin::StepLabel;
  acCurrYear = &ActionList2.Add("acCurrYear", kTagCurrYear, "Current Year");
  acnbPeriods = &ActionList2.Add("acnbPeriods", kTagPeriods, "Default");

  Label2 = &AddLabel("Label2", Place(36, 20, 450, 46),
                     "Now, it's time to enter some basic accounting information. ", skin::PageTitle(),
                     true);
  Label11 = &AddLabel("Label11", Place(12, 78, 15, 16), "(4)", StepLabel());
  Mark4 = &AddMark("Mark4", Place(32, 78, 17, 16));
  Label10 = &AddLabel("Label10", Place(54, 78, 328, 67),
                      "Fourth, you'll have to specify the fiscale year. Fiscal year is the working "
                      "year of your company. This is usually the current year, unless you intend to "
                      "enter old data. ",
                      Paragraph(), true);
  ZndrSpeedButton4 = &AddVoiceButton("ZndrSpeedButton4", Place(336, 109, 33, 22), 4);
  Label8 = &AddFieldLabel("Label8", Place(50, 146, 91, 19), "&Fiscale year", nullptr);
  EditFiscYear = &AddCompanyEdit("EditFiscYear", Place(142, 142, 61, 24), "FiscYear", 4);
  DBSpinButton1 = &Add<components::TDBSpinButton>("DBSpinButton1");
  zsbFiscYear = &AddValueButton("zsbFiscYear", Place(231, 140, 112, 32), *acCurrYear);
  Label3 = &AddLabel("Label3", Place(12, 205, 15, 16), "(5)", StepLabel());
  Mark5 = &AddMark("Mark5", Place(32, 207, 17, 16));
  Label1 = &AddLabel("Label1", Place(54, 205, 328, 67),
                     "Finally, you'll have to enter the number of periods. Every fiscal year is "
                     "divided into periods, usually twelve. This means that your financial data will "
                     "be summarized by month. ",
                     Paragraph(), true);
  ZndrSpeedButton1 = &AddVoiceButton("ZndrSpeedButton1", Place(96, 251, 33, 24), 5);
  Label9 = &AddFieldLabel("Label9", Place(35, 285, 99, 19), " # &of Periods ", nullptr);
  EditPeriods = &Add<ui::DBComboBox>("EditPeriods");
  ZndrSpeedButton2 = &AddValueButton("ZndrSpeedButton2", Place(233, 279, 112, 32), *acnbPeriods);

  Label8->SetFocusControl(EditFiscYear);
  DBSpinButton1->SetBounds(Place(204, 143, 20, 25));
  DBSpinButton1->SetFocusControl(EditFiscYear);

  // Bound to its field when the page is entered.
  EditPeriods->SetBounds(Place(142, 281, 89, 24));
  EditPeriods->SetTag(5);
  EditPeriods->SetColor(skin::kEditColor);
  EditPeriods->SetFont(skin::DataEdit());
  EditPeriods->OnDropDown = [this](ui::ComboBox&) { EditPeriodsDropDown(); };
  EditPeriods->OnEnter = [this](ui::Control& sender) { EnterEdit(sender); };
  EditPeriods->OnExit = [this](ui::Control& sender) { ExitEdit(sender); };
}

components::TZndrSpeedButton& TfmFiscaleYear::AddValueButton(const char* name, const ui::Rect& place,
                                                              ui::Action& action) {
  auto& button = Add<components::TZndrSpeedButton>(name);
  button.SetBounds(place);
  button.SetBorderStyle(components::zsbbRoundRect);
  button.SetTransparent(true);
  button.SetFont(skin::ValueButton());
  button.SetFontColor(ui::clNavy);
  button.SetBorderColor(ui::clNavy);
  button.SetHotFontColor(skin::kAccent);
  button.SetHotBorderColor(skin::kAccent);
  button.SetCursor(ui::Cursor::Hand);
  button.SetAction(&action);
  return button;
}

// --- hooks ---

void TfmFiscaleYear::PageEnter() {
  TfmContentSheet::PageEnter();
  EditPeriods->SetDataSource(MainData().companyDS);
  EditPeriods->SetDataField("NBPeriods");
  if (!TaskAccomplished(kYearTask)) {
    PlaySound("8.wav");
    acCurrYear->Execute();
  }
  if (MainData().Company.FieldByName("nbPeriods").IsNull()) acnbPeriods->Execute();
}

void TfmFiscaleYear::RefreshMarks() {
  ShowMark(*Mark4, kYearTask);
  ShowMark(*Mark5, kPeriodsTask);
}

void TfmFiscaleYear::UpdateTasks() {
  data::Table& company = MainData().Company;
  SetTaskAccomplished(MainData(), kYearTask, company.FieldByName("FiscYear").AsInteger() > 0);
  SetTaskAccomplished(MainData(), kPeriodsTask, company.FieldByName("nbPeriods").AsInteger() > 0);
}

void TfmFiscaleYear::Timer1Timer() {
  TfmContentSheet::Timer1Timer();
  Timer1.SetEnabled(false);
  PlaySound("8.wav");
}

// --- handlers ---

void TfmFiscaleYear::ActionList2Execute(ui::Action& action, bool& handled) {
  TfmContentSheet::ActionList2Execute(action, handled);
  handled = true;
  data::Table& company = MainData().Company;
  switch (action.Tag()) {
    case kTagCurrYear:
      data::EnsureEditMode(company);
      company.FieldByName("FiscYear").SetAsInteger(CurrentYear());
      ExitEdit(*EditFiscYear);
      break;
    case kTagPeriods:
      EditPeriodsDropDown();
      data::EnsureEditMode(company);
      company.FieldByName("nbPeriods").SetAsInteger(PeriodChoices.back());
      ExitEdit(*EditPeriods);
      break;
    default:
      handled = false;
  }
}

void TfmFiscaleYear::ActionList2Update(ui::Action& action, bool& handled) {
  TfmContentSheet::ActionList2Update(action, handled);
  if (action.Tag() != kTagCurrYear && action.Tag() != kTagPeriods) handled = false;
}

void TfmFiscaleYear::EditPeriodsDropDown() {
  if (!EditPeriods->Items().empty()) return;
  std::vector<std::string> items;
  for (int periods : PeriodChoices) items.push_back(std::to_string(periods));
  EditPeriods->SetItems(std::move(items));
}

}  // namespace tutorial
