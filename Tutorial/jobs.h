#pragma once
// Step 15: Jobs.
#include "Tutorial/ContSheet.h"

namespace tutorial {

class TfmJobs : public TfmContentSheet {
 public:
  explicit TfmJobs(TfmMain& owner);
};

}  // namespace tutorial
