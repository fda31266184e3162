#include "Tutorial/DefAcctDesc.h"

#include "Tutorial/HostWindowPage.h"
#include "Tutorial/Skin.h"

namespace tutorial {

TfmDefAcctDesc::TfmDefAcctDesc(TfmMain& owner) : TfmContentSheet(owner) {
  SetColor(skin::kPageColor);
  AddLabel("Label4", At(46, 65, 388, 70),
           "After setting up your chart of accounts, its time to enter your default accounts. "
           "Default accounts are used for your convenience. So when you make transactions, you "
           "don't have to enter the same accounts over and over.",
           skin::Paragraph(), true);
  AddLabel("Label1", At(44, 138, 389, 73),
           "Check any section for which you want to enter it's default accounts, then press on "
           "the button next to it. You do'nt have to check all sections, just the ones that you "
           "intend to work with in Zendri.",
           skin::Paragraph(), true);
  AddLabel("Label2", At(36, 24, 174, 23), "Default Accounts.", skin::PageTitle());
  AddLabel("Label11", At(12, 64, 15, 16), "(5)", skin::StepLabel());
  Mark11 = &AddMark("Mark11", At(29, 65, 17, 16));
  AddVoiceButton("ZndrSpeedButton4", At(96, 186, 33, 23), 11);
}

// Task 11 is shared with the default-accounts page's status box and the vendors page.
void TfmDefAcctDesc::RefreshMarks() {
  TfmContentSheet::RefreshMarks();
  ShowMark(*Mark11, 11);
}

void TfmDefAcctDesc::Timer1Timer() {
  TfmContentSheet::Timer1Timer();
  Timer1.SetEnabled(false);
  PlaySound("19.wav");
}

}  // namespace tutorial
