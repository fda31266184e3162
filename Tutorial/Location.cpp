#include "Tutorial/Location.h"

namespace tutorial {

TfmLocation::TfmLocation(TfmMain& owner) : TfmContentSheet(owner) {
  AddTitle("Inventory locations");
}

}  // namespace tutorial
