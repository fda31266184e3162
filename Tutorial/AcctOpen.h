#pragma once
// Step 18: Account opening balances.
#include "Tutorial/ContSheet.h"

namespace tutorial {

class TfmAcctOpen : public TfmContentSheet {
 public:
  explicit TfmAcctOpen(TfmMain& owner);
};

}  // namespace tutorial
