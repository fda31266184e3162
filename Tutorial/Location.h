#pragma once
// Step 17: Inventory locations.
#include "Tutorial/ContSheet.h"

namespace tutorial {

class TfmLocation : public TfmContentSheet {
 public:
  explicit TfmLocation(TfmMain& owner);
};

}  // namespace tutorial
