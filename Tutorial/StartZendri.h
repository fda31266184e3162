#pragma once
// Step 6: Your company has been created.
#include "Tutorial/ContSheet.h"

namespace tutorial {

class TfmStartZendri : public TfmContentSheet {
 public:
  explicit TfmStartZendri(TfmMain& owner);
};

}  // namespace tutorial
