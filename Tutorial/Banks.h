#pragma once
// Step 16: banks, in the host's bank window.
#include "Tutorial/HostWindowPage.h"

namespace tutorial {

class TfmBanks : public THostWindowPage {
 public:
  explicit TfmBanks(TfmMain& owner);
};

}  // namespace tutorial
