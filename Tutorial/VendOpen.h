#pragma once
// Step 19: vendor opening balances, on the "Opening" page of the host's vendor window.
#include "Tutorial/OpeningPage.h"

namespace tutorial {

class TfmVendOpen : public TOpeningPage {
 public:
  explicit TfmVendOpen(TfmMain& owner);

 protected:
  void BeforeShowing() override;
};

}  // namespace tutorial
