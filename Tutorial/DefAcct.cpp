#include "Tutorial/DefAcct.h"

namespace tutorial {

TfmDefAcct::TfmDefAcct(TfmMain& owner) : TfmContentSheet(owner) {
  AddTitle("Default accounts by business section");
}

}  // namespace tutorial
