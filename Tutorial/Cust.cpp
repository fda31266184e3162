#include "Tutorial/Cust.h"

namespace tutorial {

TfmCustomers::TfmCustomers(TfmMain& owner) : TfmContentSheet(owner) {
  AddTitle("Customers");
}

}  // namespace tutorial
