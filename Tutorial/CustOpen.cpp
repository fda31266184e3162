#include "Tutorial/CustOpen.h"

namespace tutorial {

TfmCustOpen::TfmCustOpen(TfmMain& owner) : TfmContentSheet(owner) {
  AddTitle("Customer opening balances");
}

}  // namespace tutorial
