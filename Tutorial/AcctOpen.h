#pragma once
// Step 18: account opening balances, entered as a journal voucher dated the first day of the fiscal year.
#include "Tutorial/OpeningPage.h"

namespace tutorial {

class TfmAcctOpen : public TOpeningPage {
 public:
  explicit TfmAcctOpen(TfmMain& owner);

 protected:
  void BeforeShowing() override;
};

}  // namespace tutorial
