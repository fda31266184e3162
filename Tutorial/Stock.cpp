#include "Tutorial/Stock.h"

namespace tutorial {

TfmStock::TfmStock(TfmMain& owner) : TfmContentSheet(owner) {
  AddTitle("Inventory");
}

}  // namespace tutorial
