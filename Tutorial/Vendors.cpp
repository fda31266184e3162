#include "Tutorial/Vendors.h"

namespace tutorial {

TfmVendors::TfmVendors(TfmMain& owner) : TfmContentSheet(owner) {
  AddTitle("Vendors");
}

}  // namespace tutorial
