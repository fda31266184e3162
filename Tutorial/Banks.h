#pragma once
// Step 16: Banks.
#include "Tutorial/ContSheet.h"

namespace tutorial {

class TfmBanks : public TfmContentSheet {
 public:
  explicit TfmBanks(TfmMain& owner);
};

}  // namespace tutorial
