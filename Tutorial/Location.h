#pragma once
// Step 17: inventory locations, in the host's location window.
#include "Tutorial/HostWindowPage.h"

namespace tutorial {

class TfmLocation : public THostWindowPage {
 public:
  explicit TfmLocation(TfmMain& owner);
};

}  // namespace tutorial
