#pragma once
// Step 14: Inventory.
#include "Tutorial/ContSheet.h"

namespace tutorial {

class TfmStock : public TfmContentSheet {
 public:
  explicit TfmStock(TfmMain& owner);
};

}  // namespace tutorial
