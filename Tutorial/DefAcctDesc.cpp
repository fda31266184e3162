#include "Tutorial/DefAcctDesc.h"

namespace tutorial {

TfmDefAcctDesc::TfmDefAcctDesc(TfmMain& owner) : TfmContentSheet(owner) {
  AddTitle("Default accounts");
}

}  // namespace tutorial
