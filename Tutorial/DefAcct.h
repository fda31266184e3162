#pragma once
// Step 10: Default accounts by business section.
#include "Tutorial/ContSheet.h"

namespace tutorial {

class TfmDefAcct : public TfmContentSheet {
 public:
  explicit TfmDefAcct(TfmMain& owner);
};

}  // namespace tutorial
