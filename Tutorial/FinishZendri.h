#pragma once
// Step 21: Your company is ready.
#include "Tutorial/ContSheet.h"

namespace tutorial {

class TfmFinishZendri : public TfmContentSheet {
 public:
  explicit TfmFinishZendri(TfmMain& owner);
};

}  // namespace tutorial
