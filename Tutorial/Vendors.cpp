#include "Tutorial/Vendors.h"

namespace tutorial {
namespace {

const HostWindowValues kVendors = {
    .task = 11,
    .stepLabel = "(6)",
    .stepPlace = At(12, 60, 15, 16),
    .window = WindowKind<host::IVendorForm, &host::IXMainForm::GetVendorForm>(),
    .unit = "Tutorial\\Vendors",
    .line = 58,
    .narration = "21.wav",
    .voiceTag = 12,
    .voicePlace = At(372, 158, 32, 32),
    .mark = "Mark12",
    .markPlace = At(28, 61, 17, 16),
    .actionName = "acStart",
    .actionCaption = "&Vendors",
    .buttonCaption = "  &Vendors",
    .imageIndex = 2,
    .buttonPlace = At(182, 261, 131, 46),
    .title = {"Label2", At(36, 24, 400, 23), "Now it's time to enter your vendors."},
    .paragraphs =
        {
            {"Label4", At(50, 60, 339, 91),
             "Vendors, or \"suppliers\", are the people, or companies; you buy from, either "
             "goods or services. If you don't buy things, then you can skip this section."},
            {"Label1", At(50, 111, 329, 52),
             "Click on the \"Vendors\" button to open the vendor's window. A vendor must have "
             "at least a code, a name and an account number. "},
            {"Label3", At(50, 164, 329, 18),
             "For details about the vendor's window, click F1 for help."},
        },
};

}  // namespace

TfmVendors::TfmVendors(TfmMain& owner) : THostWindowPage(owner, kVendors) {}

}  // namespace tutorial
