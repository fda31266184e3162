#pragma once
// Step 5: Create the company.
#include "Tutorial/ContSheet.h"

namespace tutorial {

class TfmCreateComp : public TfmContentSheet {
 public:
  explicit TfmCreateComp(TfmMain& owner);
};

}  // namespace tutorial
