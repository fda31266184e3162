#include "Tutorial/Banks.h"

namespace tutorial {

TfmBanks::TfmBanks(TfmMain& owner) : TfmContentSheet(owner) {
  AddTitle("Banks");
}

}  // namespace tutorial
