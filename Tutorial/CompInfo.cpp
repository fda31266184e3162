#include "Tutorial/CompInfo.h"

#include "Tutorial/Skin.h"
#include "Tutorial/dmMain.h"
#include "components/ZndrSpeedButton.h"
#include "platform/ui/image.h"
#include "platform/ui/label.h"

namespace tutorial {
namespace {

constexpr int kNameTask = 2, kAddressTask = 3;

}  // namespace

TfmCompInfo::TfmCompInfo(TfmMain& owner) : TfmContentSheet(owner) {
  using skin::Paragraph;
  using skin::StepLabel;
  // Edits come in their tab order: names, city, state, telephones.
  Label2 = &AddLabel("Label2", Place(36, 24, 333, 23), "Enter your new company details...", skin::PageTitle());
  Label11 = &AddLabel("Label11", Place(10, 56, 15, 16), "(2)", StepLabel());
  Mark2 = &AddMark("Mark2", Place(31, 56, 17, 16));
  Label10 = &AddLabel("Label10", Place(52, 56, 379, 32),
                      "Second, you'll have to enter the new company's name. This name will be used "
                      "as a header for your reports",
                      Paragraph(), true);
  ZndrSpeedButton4 = &AddVoiceButton("ZndrSpeedButton4", Place(286, 70, 31, 24), 2);
  Label1 = &AddFieldLabel("Label1", Place(36, 102, 63, 19), "Name(&1)", nullptr);
  Label3 = &AddFieldLabel("Label3", Place(37, 129, 63, 19), "Name(&2)", nullptr);
  EditName1 = &AddCompanyEdit("EditName1", Place(108, 104, 355, 20), "Name1", 2);
  EditName2 = &AddCompanyEdit("EditName2", Place(108, 130, 355, 20), "Name2", 2);
  Label12 = &AddLabel("Label12", Place(10, 165, 15, 16), "(3)", StepLabel());
  Mark3 = &AddMark("Mark3", Place(31, 168, 17, 16));
  Label13 = &AddLabel("Label13", Place(56, 167, 381, 46),
                      "Third, you can enter your new company's address. This is not necessary, but "
                      "it is recommended since it will be used as subtitle for your reports.",
                      Paragraph(), true);
  ZndrSpeedButton1 = &AddVoiceButton("ZndrSpeedButton1", Place(148, 196, 31, 26), 3);
  Label5 = &AddFieldLabel("Label5", Place(32, 232, 30, 19), "&City", nullptr);
  Label7 = &AddFieldLabel("Label7", Place(280, 242, 39, 19), "&State", nullptr);
  Label4 = &AddFieldLabel("Label4", Place(30, 258, 69, 19), "P&hone(1)", nullptr);
  Label6 = &AddFieldLabel("Label6", Place(258, 266, 69, 19), "Ph&one(2)", nullptr);
  EditCity = &AddCompanyEdit("EditCity", Place(108, 236, 131, 20), "City", 3, true);
  EditState = &AddCompanyEdit("EditState", Place(332, 240, 131, 24), "State", 3);
  EditPhone1 = &AddCompanyEdit("EditPhone1", Place(108, 262, 131, 20), "Phone1", 3, true);
  EditPhone2 = &AddCompanyEdit("EditPhone2", Place(332, 266, 131, 24), "Phone2", 3);

  // Each field label's accelerator focuses its edit.
  Label1->SetFocusControl(EditName1);
  Label3->SetFocusControl(EditName2);
  Label5->SetFocusControl(EditCity);
  Label7->SetFocusControl(EditState);
  Label4->SetFocusControl(EditPhone1);
  Label6->SetFocusControl(EditPhone2);
}

// --- hooks ---

void TfmCompInfo::PageEnter() {
  if (!TaskAccomplished(kAddressTask)) PlaySound("5.wav");
  TfmContentSheet::PageEnter();
}

void TfmCompInfo::RefreshMarks() {
  ShowMark(*Mark2, kNameTask);
  ShowMark(*Mark3, kAddressTask);
}

void TfmCompInfo::UpdateTasks() {
  data::Table& company = MainData().Company;
  auto filled = [&](const char* field) { return !company.FieldByName(field).AsString().empty(); };
  SetTaskAccomplished(MainData(), kNameTask, filled("Name1"));
  SetTaskAccomplished(MainData(), kAddressTask,
                      filled("City") || filled("State") || filled("Phone1") || filled("Phone2"));
}

void TfmCompInfo::Timer1Timer() {
  TfmContentSheet::Timer1Timer();
  Timer1.SetEnabled(false);
  PlaySound("5.wav");
}

}  // namespace tutorial
