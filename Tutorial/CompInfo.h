#pragma once
// Step 3: Your company's name and address.
#include "Tutorial/ContSheet.h"
#include "platform/ui/db_edit.h"

namespace tutorial {

class TfmCompInfo : public TfmContentSheet {
 public:
  explicit TfmCompInfo(TfmMain& owner);

  ui::DBEdit* EditName1 = nullptr;
};

}  // namespace tutorial
