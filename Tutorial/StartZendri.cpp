#include "Tutorial/StartZendri.h"

#include "Tutorial/AssMesages.h"
#include "Tutorial/Skin.h"
#include "components/ZndrSpeedButton.h"

namespace tutorial {
namespace {


ui::Font Congratulation() { return {"Arial Black", 24, true, false, false, skin::kAccent}; }
ui::Font Subtitle() { return {"Arial Black", 19, false, true, false, skin::kAccent}; }
ui::Font Encouragement() { return {"Comic Sans MS", 19, false, false, false, ui::clNavy}; }

}  // namespace

TfmStartZendri::TfmStartZendri(TfmMain& owner) : TfmContentSheet(owner) {
  SetColor(skin::kPageColor);
  AddLabel("Label1", Place(26, 6, 253, 33), "Congratulations ! ", Congratulation());
  AddLabel("Label2", Place(31, 42, 340, 27), " A new company is now created.", Subtitle());
  AddLabel("Label10", Place(58, 104, 377, 114),
           "Before you start working with this company, you'll have to enter or modify some "
           "important information necessary for your accounting to be correct. Click next to "
           "move on...",
           Encouragement(), true);
  auto& voice = AddVoiceButton("ZndrSpeedButton4", Place(359, 170, 32, 32), 0);
  voice.OnClick = [this](ui::Control&) { PlaySound("12.wav"); };  // ZndrSpeedButton4Click
  voice.SetAccessibleName(std::string(SPlayNarration) + "Company created");
}

void TfmStartZendri::Timer1Timer() {
  TfmContentSheet::Timer1Timer();
  Timer1.SetEnabled(false);
  PlaySound("12.wav");
}

}  // namespace tutorial
