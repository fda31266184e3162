#pragma once
// Step 4: Fiscal year and accounting periods.
#include "Tutorial/ContSheet.h"
#include "platform/ui/db_edit.h"

namespace tutorial {

class TfmFiscaleYear : public TfmContentSheet {
 public:
  explicit TfmFiscaleYear(TfmMain& owner);

  ui::DBEdit* EditFiscYear = nullptr;
  ui::DBEdit* EditPeriods = nullptr;
};

}  // namespace tutorial
