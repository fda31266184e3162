#pragma once
// Step 7: Main and secondary currency.
#include "Tutorial/ContSheet.h"
#include "platform/ui/db_edit.h"

namespace tutorial {

class TfmMainCurrency : public TfmContentSheet {
 public:
  explicit TfmMainCurrency(TfmMain& owner);

  ui::DBEdit* EditCode1 = nullptr;
  ui::DBEdit* EditCode2 = nullptr;
};

}  // namespace tutorial
