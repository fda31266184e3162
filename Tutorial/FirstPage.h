#pragma once
// Step 1: Welcome to the company set-up assistant.
#include "Tutorial/ContSheet.h"

namespace tutorial {

class TfmFirstPage : public TfmContentSheet {
 public:
  explicit TfmFirstPage(TfmMain& owner);
};

}  // namespace tutorial
