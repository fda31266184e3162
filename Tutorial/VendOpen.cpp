#include "Tutorial/VendOpen.h"

#include "Tutorial/AssMesages.h"
#include "components/ZndrSpeedButton.h"

namespace tutorial {
namespace {

const HostWindowValues kVendOpen = {
    .task = 19,
    .stepLabel = "(20)",
    .stepPlace = At(12, 58, 22, 16),
    .window = WindowKind<host::IVendorForm, &host::IXMainForm::GetVendorForm>(),
    .unit = "Tutorial\\VendOpen",
    .line = 71,
    .narration = nullptr,
    .voiceTag = 20,
    .voicePlace = At(162, 64, 22, 32),
    .mark = "Mark19",
    .markPlace = At(35, 60, 17, 16),
    .actionName = "acVendOpen",
    .actionCaption = "Vendors Opening",
    .buttonCaption = nullptr,
    .imageIndex = 58,
    .buttonPlace = At(72, 187, 330, 34),
    .title = {"Label2", At(36, 24, 300, 23), "Vendors Opening"},
    .paragraphs = {{"Label4", At(53, 60, 329, 91), "Vendors Opening"}},
};

}  // namespace

TfmVendOpen::TfmVendOpen(TfmMain& owner) : TOpeningPage(owner, kVendOpen) {
  // The plain look: the page's own font, and the button's red hot colours.
  zsbFiscYear->SetParentFont(true);
  zsbFiscYear->SetHotColor(ui::clRed);
  zsbFiscYear->SetHotBorderColor(ui::clRed);
}

// The window opens on its page of opening balances.
void TfmVendOpen::BeforeShowing() {
  host::ShowPage(static_cast<host::IPagedCardForm&>(GetHostForm()), SOpeningPage);
}

}  // namespace tutorial
