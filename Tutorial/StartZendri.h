#pragma once
// Step 6: the congratulation after the company was created; it has no task.
#include "Tutorial/ContSheet.h"

namespace tutorial {

class TfmStartZendri : public TfmContentSheet {
 public:
  explicit TfmStartZendri(TfmMain& owner);

 protected:
  void Timer1Timer() override;
};

}  // namespace tutorial
