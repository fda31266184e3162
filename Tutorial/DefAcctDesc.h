#pragma once
// Step 9: Default accounts.
#include "Tutorial/ContSheet.h"

namespace tutorial {

class TfmDefAcctDesc : public TfmContentSheet {
 public:
  explicit TfmDefAcctDesc(TfmMain& owner);
};

}  // namespace tutorial
