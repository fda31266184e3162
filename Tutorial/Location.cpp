#include "Tutorial/Location.h"

#include "Tutorial/Skin.h"
#include "platform/ui/label.h"

namespace tutorial {
namespace {

const HostWindowValues kLocation = {
    .task = 17,
    .stepLabel = "(12)",
    .stepPlace = At(12, 60, 22, 16),
    .window = WindowKind<host::ILocationForm, &host::IXMainForm::GetLocationForm>(),
    .unit = "Tutorial\\Location",
    .line = 54,
    .narration = "33.wav",
    .voiceTag = 18,
    .voicePlace = At(359, 105, 31, 25),
    .mark = "Mark18",
    .markPlace = At(35, 60, 17, 16),
    .actionName = "acStart",
    .actionCaption = "&Locations",
    .buttonCaption = "  &Locations",
    .imageIndex = 41,
    .buttonPlace = At(182, 261, 153, 44),
    .title = {"Label2", At(36, 24, 400, 23), "Inventory Location. "},
    .paragraphs =
        {
            {"Label4", At(55, 60, 329, 73),
             "Inventory Location or warehouses, are used to keep your inventory in multiple "
             "places. Using locations will let you, not only know how many items you have, but "
             "where. If you have only one warehouse then skip this section."},
        },
};

}  // namespace

TfmLocation::TfmLocation(TfmMain& owner) : THostWindowPage(owner, kLocation) {
  ui::Font title = skin::PageTitle();
  title.name = "Comic Sans MS";
  Label2->SetFont(title);
}

}  // namespace tutorial
