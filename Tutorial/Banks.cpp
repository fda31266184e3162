#include "Tutorial/Banks.h"

namespace tutorial {
namespace {

const HostWindowValues kBanks = {
    .task = 16,
    .stepLabel = "(11)",
    .stepPlace = At(12, 60, 22, 16),
    .window = WindowKind<host::IBankForm, &host::IXMainForm::GetBankForm>(),
    .unit = "Tutorial\\Banks",
    .line = 55,
    .narration = "32.wav",
    .voiceTag = 17,
    .voicePlace = At(141, 139, 36, 25),
    .mark = "Mark17",
    .markPlace = At(35, 60, 17, 16),
    .actionName = "acStart",
    .actionCaption = "&Banks ",
    .buttonCaption = "   &Banks ",
    .imageIndex = 8,
    .buttonPlace = At(182, 261, 179, 48),
    .title = {"Label2", At(36, 24, 400, 23), "Banks."},
    .paragraphs =
        {
            {"Label4", At(54, 60, 351, 51),
             "If you have bank accounts, then you can create every account as a bank. You can "
             "use this bank in every cash transaction. Although not necessary, it is "
             "recommended that "},
            {"Label1", At(54, 109, 325, 51),
             "you create banks, instead of accounts, since this will let you take advantage of "
             "special features, like \"Bank reconciliation\"."},
        },
};

}  // namespace

TfmBanks::TfmBanks(TfmMain& owner) : THostWindowPage(owner, kBanks) {}

}  // namespace tutorial
