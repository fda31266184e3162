#pragma once
// Step 2: Where the new company's data will be kept.
#include "Tutorial/ContSheet.h"
#include "platform/ui/db_edit.h"

namespace tutorial {

class TfmCompPath : public TfmContentSheet {
 public:
  explicit TfmCompPath(TfmMain& owner);

  ui::DBEdit* EditCompPath = nullptr;
};

}  // namespace tutorial
