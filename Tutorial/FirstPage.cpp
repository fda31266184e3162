#include "Tutorial/FirstPage.h"

#include "components/ZndrSpeedButton.h"
#include "platform/ui/geometry.h"

namespace tutorial {

TfmFirstPage::TfmFirstPage(TfmMain& owner) : TfmContentSheet(owner) {
  AddTitle("Welcome to the company set-up assistant");

  // Narration: the welcome chain and the two voice buttons that replay its parts.
  Timer1.SetInterval(2000);
  ZndrSpeedButton2 = &AddVoiceButton("ZndrSpeedButton2", ui::Rect::FromBounds(229, 41, 33, 30), 0);
  ZndrSpeedButton2->OnClick = [this](ui::Control&) { PlaySound("2.wav"); };
  ZndrSpeedButton5 = &AddVoiceButton("ZndrSpeedButton5", ui::Rect::FromBounds(542, 8, 35, 32), 0);
  ZndrSpeedButton5->OnClick = [this](ui::Control&) { PlaySound("1.wav"); };
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

}  // namespace tutorial
