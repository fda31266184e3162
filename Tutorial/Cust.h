#pragma once
// Step 13: customers, in the host's customer window.
#include "Tutorial/HostWindowPage.h"

namespace tutorial {

class TfmCustomers : public THostWindowPage {
 public:
  explicit TfmCustomers(TfmMain& owner);
};

}  // namespace tutorial
