#pragma once
// Step 12: employees, in the host's employees window.
#include "Tutorial/HostWindowPage.h"

namespace tutorial {

class TfmEmployee : public THostWindowPage {
 public:
  explicit TfmEmployee(TfmMain& owner);
};

}  // namespace tutorial
