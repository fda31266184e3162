#include "Tutorial/CreateComp.h"

#include "Tutorial/Main.h"
#include "Tutorial/Skin.h"
#include "Tutorial/dmMain.h"
#include "components/ZndrSpeedButton.h"
#include "platform/ui/application.h"
#include "platform/ui/errors.h"
#include "platform/ui/image.h"
#include "platform/ui/label.h"

namespace tutorial {
namespace {

constexpr int kCreationTask = 6;

ui::Font Explanation() {
  ui::Font font = skin::Paragraph();
  font.height = 17;
  return font;
}

ui::Font FinishButton() { return {"Arial Black", 16, false, false, false, skin::kAccent}; }

}  // namespace

TfmCreateComp::TfmCreateComp(TfmMain& owner) : TfmContentSheet(owner) {
  SetColor(skin::kPageColor);
  AddLabel("Label2", Place(36, 24, 214, 23), "Create your company.", skin::PageTitle());
  AddLabel("Label11", Place(10, 76, 15, 16), "(6)", skin::StepLabel());
  Mark6 = &AddMark("Mark6", Place(31, 76, 17, 16));
  AddLabel("Label10", Place(52, 76, 367, 76),
           "Now it's time to create the new company. This may take a little while. After pressing "
           "\"Finish\", the program will move to the next step of setting up your company.",
           Explanation(), true);
  AddVoiceButton("ZndrSpeedButton4", Place(166, 129, 33, 32), kCreationTask);

  ZndrSpeedButton1 = &Add<components::TZndrSpeedButton>("ZndrSpeedButton1");
  ZndrSpeedButton1->SetBounds(140, 178, 137, 43);
  ZndrSpeedButton1->SetCaption("Finish");
  ZndrSpeedButton1->SetFont(FinishButton());
  ZndrSpeedButton1->SetColor(ui::clWhite);
  ZndrSpeedButton1->SetHotColor(ui::clWhite);
  ZndrSpeedButton1->SetFontColor(skin::kAccent);
  ZndrSpeedButton1->SetHotFontColor(ui::clNavy);
  ZndrSpeedButton1->SetBorderStyle(components::sbbDoubleRect);
  ZndrSpeedButton1->SetBorderColor(skin::kAccent);
  ZndrSpeedButton1->SetHotBorderColor(skin::kAccent);
  ZndrSpeedButton1->SetButtonLayout(components::blGlyphTop);
  ZndrSpeedButton1->SetCursor(ui::Cursor::Hand);
  ZndrSpeedButton1->OnClick = [this](ui::Control&) { ZndrSpeedButton1Click(); };
}

void TfmCreateComp::RefreshMarks() { ShowMark(*Mark6, kCreationTask); }

void TfmCreateComp::UpdateTasks() {
  SetTaskAccomplished(MainData(), kCreationTask,
                      MainData().Company.FieldByName("Created").AsBoolean());
}

void TfmCreateComp::Timer1Timer() {
  TfmContentSheet::Timer1Timer();
  Timer1.SetEnabled(false);
  PlaySound("11.wav");
}

void TfmCreateComp::ZndrSpeedButton1Click() {
  // The page is only ever placed by the wizard window; this guards a misplaced instance.
  ui::Assert(dynamic_cast<TfmMain*>(Parent()) != nullptr, "Tutorial\\CreateComp", 91);
  ui::BusyCursor hourGlass;  // restored also when the creation fails
  Owner().CreateNewCompany();
}

}  // namespace tutorial
