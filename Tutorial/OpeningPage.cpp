#include "Tutorial/OpeningPage.h"

#include "components/ZndrSpeedButton.h"

namespace tutorial {

TOpeningPage::TOpeningPage(TfmMain& owner, const HostWindowValues& values)
    : THostWindowPage(owner, values) {
  zsbFiscYear->SetFontColor(ui::clWindowText);
  zsbFiscYear->SetHotFontColor(ui::clRed);
  // The voice button's narration index names another page's file; a click replays this
  // page's own narration instead.
  ZndrSpeedButton4->OnClick = [this](ui::Control&) { PlaySound("16.wav"); };
}

void TOpeningPage::PageEnter() {
  if (JustCreated()) PlaySound("16.wav");
  THostWindowPage::PageEnter();
}

// The window stays with the page until the page goes.
void TOpeningPage::PageLeave() { TfmContentSheet::PageLeave(); }

void TOpeningPage::AfterShowing() { PlaySound("17.wav"); }

void TOpeningPage::SoundFinished(const std::string& fileName) {
  THostWindowPage::SoundFinished(fileName);
  if (fileName == "17.wav") PlaySound("18.wav");
}

}  // namespace tutorial
