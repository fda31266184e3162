#include "Tutorial/FinishZendri.h"

#include "Tutorial/AssMesages.h"
#include "Tutorial/HostWindowPage.h"
#include "Tutorial/Skin.h"
#include "components/ZndrSpeedButton.h"

namespace tutorial {

TfmFinishZendri::TfmFinishZendri(TfmMain& owner) : TfmContentSheet(owner) {
  SetName("fmFinishZendri");
  SetColor(skin::kPageColor);
  const ui::Font wish = {"Comic Sans MS", 19, false, false, false, ui::clNavy};
  AddLabel("Label1", At(26, 6, 253, 33), "Congratulations ! ",
           {"Arial Black", 24, true, false, false, skin::kAccent});
  AddLabel("Label10", At(46, 58, 377, 47),
           "Your company is now setup and you are ready to start working.", wish, true);
  AddLabel("Label3", At(46, 108, 377, 47), "Click \"Finish\" to start working with your company.",
           wish, true);
  AddLabel("Label2", At(251, 190, 169, 34), "Good Luck .",
           {"Bell MT", 29, true, false, false, ui::Rgb(255, 128, 0)});
  ZndrSpeedButton4 = &AddVoiceButton("ZndrSpeedButton4", At(136, 127, 32, 35), 1);
  ZndrSpeedButton4->OnClick = [this](ui::Control& sender) { ZndrSpeedButton4Click(sender); };
  ZndrSpeedButton4->SetAccessibleName(std::string(SPlayNarration) + "Set-up finished");
}

void TfmFinishZendri::Timer1Timer() {
  TfmContentSheet::Timer1Timer();
  Timer1.SetEnabled(false);
  PlaySound("34.wav");
}

void TfmFinishZendri::ZndrSpeedButton4Click(ui::Control&) { PlaySound("34.wav"); }

}  // namespace tutorial
