#pragma once
// Step 20: customer opening balances, on the "Opening" page of the host's customer window.
#include "Tutorial/OpeningPage.h"

namespace tutorial {

class TfmCustOpen : public TOpeningPage {
 public:
  explicit TfmCustOpen(TfmMain& owner);

 protected:
  void BeforeShowing() override;
};

}  // namespace tutorial
