#pragma once
// Step 19: Vendor opening balances.
#include "Tutorial/ContSheet.h"

namespace tutorial {

class TfmVendOpen : public TfmContentSheet {
 public:
  explicit TfmVendOpen(TfmMain& owner);
};

}  // namespace tutorial
