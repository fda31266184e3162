#pragma once
// Step 11: vendors, in the host's vendor window.
#include "Tutorial/HostWindowPage.h"

namespace tutorial {

class TfmVendors : public THostWindowPage {
 public:
  explicit TfmVendors(TfmMain& owner);
};

}  // namespace tutorial
