#pragma once
// Step 9: what default accounts are, with the check mark of the default-accounts task.
#include "Tutorial/ContSheet.h"

namespace tutorial {

class TfmDefAcctDesc : public TfmContentSheet {
 public:
  explicit TfmDefAcctDesc(TfmMain& owner);

  void RefreshMarks() override;

  ui::Image* Mark11 = nullptr;

 protected:
  void Timer1Timer() override;
};

}  // namespace tutorial
