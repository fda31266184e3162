#include "Tutorial/StartZendri.h"

namespace tutorial {

TfmStartZendri::TfmStartZendri(TfmMain& owner) : TfmContentSheet(owner) {
  AddTitle("Your company has been created");
}

}  // namespace tutorial
