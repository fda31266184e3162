#include "Tutorial/CustOpen.h"

#include "Tutorial/AssMesages.h"
#include "components/ZndrSpeedButton.h"

namespace tutorial {
namespace {

const HostWindowValues kCustOpen = {
    .task = 20,
    .stepLabel = "(20)",
    .stepPlace = At(12, 58, 22, 16),
    .window = WindowKind<host::ICustomerForm, &host::IXMainForm::GetCustomerForm>(),
    .unit = "Tutorial\\CustOpen",
    .line = 137,
    .narration = nullptr,
    .voiceTag = 21,
    .voicePlace = At(176, 64, 22, 32),
    .mark = "Mark19",
    .markPlace = At(35, 60, 17, 16),
    .actionName = "acCustOpen",
    .actionCaption = "&Customers Opening",
    .buttonCaption = nullptr,
    .imageIndex = -1,
    .buttonPlace = At(72, 187, 330, 34),
    .title = {"Label2", At(36, 24, 300, 23), "Customers Opening"},
    .paragraphs = {{"Label4", At(53, 60, 329, 91), "Customers Opening"}},
};

}  // namespace

TfmCustOpen::TfmCustOpen(TfmMain& owner) : TOpeningPage(owner, kCustOpen) {
  // No picture: without a list the caption takes the whole button.
  zsbFiscYear->SetImageList(nullptr);
  zsbFiscYear->SetButtonLayout(components::blGlyphBottom);
}

// The window opens on its page of opening balances.
void TfmCustOpen::BeforeShowing() {
  host::ShowPage(static_cast<host::IPagedCardForm&>(GetHostForm()), SOpeningPage);
}

}  // namespace tutorial
