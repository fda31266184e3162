#include "Tutorial/FinishZendri.h"

namespace tutorial {

TfmFinishZendri::TfmFinishZendri(TfmMain& owner) : TfmContentSheet(owner) {
  AddTitle("Your company is ready");
}

}  // namespace tutorial
