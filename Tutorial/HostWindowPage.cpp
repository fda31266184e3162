#include "Tutorial/HostWindowPage.h"

#include "Tutorial/AssMesages.h"
#include "Tutorial/Main.h"
#include "Tutorial/MsgForm.h"
#include "Tutorial/Skin.h"
#include "Tutorial/dmMain.h"
#include "components/ZndrSpeedButton.h"
#include "platform/ui/errors.h"
#include "platform/ui/image.h"
#include "platform/ui/label.h"

namespace tutorial {

THostWindowPage::THostWindowPage(TfmMain& owner, const HostWindowValues& values)
    : TfmContentSheet(owner), values_(values) {
  const HostWindowValues& v = values_;
  SetColor(skin::kPageColor);
  Label2 = &AddLabel("Label2", v.title.place, v.title.text, skin::PageTitle());
  Label11 = &AddLabel("Label11", v.stepPlace, v.stepLabel, skin::StepLabel());
  for (const PageText& p : v.paragraphs) AddLabel(p.name, p.place, p.text, skin::Paragraph(), true);
  acStart = &ActionList2.Add(v.actionName, 1, v.actionCaption);
  zsbFiscYear = &AddPageButton("zsbFiscYear", v.buttonPlace, *acStart, v.imageIndex);
  if (v.buttonCaption) zsbFiscYear->SetCaption(v.buttonCaption);
  Mark = &AddMark(v.mark, v.markPlace);
  ZndrSpeedButton4 = &AddVoiceButton("ZndrSpeedButton4", v.voicePlace, v.voiceTag);
}

THostWindowPage::~THostWindowPage() = default;

components::TZndrSpeedButton& THostWindowPage::AddPageButton(const std::string& name,
                                                             const ui::Rect& place,
                                                             ui::Action& action, int imageIndex) {
  auto& button = Add<components::TZndrSpeedButton>(name);
  button.SetBounds(place);
  button.SetImageList(&MainData().TutorialImg);
  button.SetImageIndex(imageIndex);
  button.SetCursor(ui::Cursor::Hand);
  button.SetTransparent(true);
  button.SetFont(skin::PageButton());
  button.SetFontColor(ui::clNavy);
  button.SetHotFontColor(ui::clBlue);
  button.SetBorderColor(ui::clNavy);
  button.SetHotColor(skin::kAccent);
  button.SetHotBorderColor(skin::kAccent);
  button.SetAction(&action);
  return button;
}

void THostWindowPage::RefreshMarks() {
  TfmContentSheet::RefreshMarks();
  ShowMark(*Mark, values_.task);
}

void THostWindowPage::PageLeave() {
  TfmContentSheet::PageLeave();
  ReleaseForm();
}

void THostWindowPage::ActionList2Execute(ui::Action& action, bool& handled) {
  TfmContentSheet::ActionList2Execute(action, handled);
  switch (action.Tag()) {
    case 1:
      OpenHostWindow();
      break;
    default:
      break;
  }
}

void THostWindowPage::Timer1Timer() {
  TfmContentSheet::Timer1Timer();
  Timer1.SetEnabled(false);
  if (values_.narration) PlaySound(values_.narration);
}

host::IBasicFormObj& THostWindowPage::GetHostForm() {
  if (!FForm) {
    host::MainForm mainForm(Owner().GetMainForm());
    FForm = values_.window.fetch(mainForm);
    ui::Assert(bool(FForm), values_.unit, values_.line);
    FTable = values_.window.tableOf(*FForm);
  }
  return *FForm;
}

host::Table& THostWindowPage::GetFormTable() {
  if (!FTable) {
    host::IBasicFormObj& window = GetHostForm();  // a first fetch brings the table along
    if (!FTable) FTable = values_.window.tableOf(window);
  }
  return FTable;
}

void THostWindowPage::OpenHostWindow() {
  host::IBasicFormObj& window = GetHostForm();
  BeforeShowing();
  host::ShowModal(window);
  AfterShowing();
  const bool done = ShowMsgForm(SMarkTaskComplete, kMsgYesNo) == 6;
  SetTaskAccomplished(MainData(), values_.task, done);
  RefreshMarks();
}

}  // namespace tutorial
