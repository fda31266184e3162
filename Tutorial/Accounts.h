#pragma once
// Step 8: Chart of accounts.
#include "Tutorial/ContSheet.h"

namespace tutorial {

class TfmAccounts : public TfmContentSheet {
 public:
  explicit TfmAccounts(TfmMain& owner);
};

}  // namespace tutorial
