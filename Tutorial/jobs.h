#pragma once
// Step 15: jobs (cost centres), in the host's jobs window.
#include "Tutorial/HostWindowPage.h"

namespace tutorial {

class TfmJobs : public THostWindowPage {
 public:
  explicit TfmJobs(TfmMain& owner);
};

}  // namespace tutorial
