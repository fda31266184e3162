#pragma once
// Step 13: Customers.
#include "Tutorial/ContSheet.h"

namespace tutorial {

class TfmCustomers : public TfmContentSheet {
 public:
  explicit TfmCustomers(TfmMain& owner);
};

}  // namespace tutorial
