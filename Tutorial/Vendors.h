#pragma once
// Step 11: Vendors.
#include "Tutorial/ContSheet.h"

namespace tutorial {

class TfmVendors : public TfmContentSheet {
 public:
  explicit TfmVendors(TfmMain& owner);
};

}  // namespace tutorial
