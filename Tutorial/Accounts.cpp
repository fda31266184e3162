#include "Tutorial/Accounts.h"

namespace tutorial {
namespace {

const HostWindowValues kAccounts = {
    .task = 8,
    .stepLabel = "(4)",
    .stepPlace = At(12, 58, 15, 16),
    .window = WindowKind<host::IAccountsForm, &host::IXMainForm::GetAccountsForm>(),
    .unit = "Tutorial\\Accounts",
    .line = 59,
    .narration = "16.wav",
    .voiceTag = 10,
    .voicePlace = At(78, 224, 31, 21),
    .mark = "Mark10",
    .markPlace = At(28, 61, 17, 16),
    .actionName = "acStartAcct",
    .actionCaption = "&Accounts",
    .buttonCaption = nullptr,
    .imageIndex = 1,
    .buttonPlace = At(196, 278, 136, 53),
    .title = {"Label2", At(36, 24, 363, 23), "Now it's time to do some accounting."},
    .paragraphs =
        {
            {"Label4", At(46, 60, 388, 70),
             "The main part of any accounting system is the \"Chart of accounts\". If you're "
             "not familiar with this, you can ask your accountant for some help, or read the "
             "\"Intorduction to accounting\" topic in our help. You may find it useful. "},
            {"Label1", At(44, 133, 389, 57),
             "Remember that this is an important section of the program. Anything you do "
             "afterwards depends on what you do here. So take care. A sample chart of accounts "
             "is entered for your convenience. "},
            {"Label3", At(42, 193, 383, 65),
             "Yo will find sample accounts named  like \"Sample bank #1\", \"Sample bank #2\". "
             "Just rename these and delete the unnecessary ones."},
        },
};

}  // namespace

TfmAccounts::TfmAccounts(TfmMain& owner) : THostWindowPage(owner, kAccounts) {}

// After the accounts window the user hears "17.wav", then "18.wav" once it has played out.
void TfmAccounts::AfterShowing() { PlaySound("17.wav"); }

void TfmAccounts::SoundFinished(const std::string& fileName) {
  THostWindowPage::SoundFinished(fileName);
  if (fileName == "17.wav") PlaySound("18.wav");
}

}  // namespace tutorial
