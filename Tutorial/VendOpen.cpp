#include "Tutorial/VendOpen.h"

namespace tutorial {

TfmVendOpen::TfmVendOpen(TfmMain& owner) : TfmContentSheet(owner) {
  AddTitle("Vendor opening balances");
}

}  // namespace tutorial
