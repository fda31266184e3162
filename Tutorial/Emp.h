#pragma once
// Step 12: Employees.
#include "Tutorial/ContSheet.h"

namespace tutorial {

class TfmEmployee : public TfmContentSheet {
 public:
  explicit TfmEmployee(TfmMain& owner);
};

}  // namespace tutorial
