#pragma once
// Step 20: Customer opening balances.
#include "Tutorial/ContSheet.h"

namespace tutorial {

class TfmCustOpen : public TfmContentSheet {
 public:
  explicit TfmCustOpen(TfmMain& owner);
};

}  // namespace tutorial
