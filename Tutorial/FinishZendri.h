#pragma once
// Step 21: the company is set up; the window's Finish ends the assistant.
#include "Tutorial/ContSheet.h"

namespace tutorial {

class TfmFinishZendri : public TfmContentSheet {
 public:
  explicit TfmFinishZendri(TfmMain& owner);

  components::TZndrSpeedButton* ZndrSpeedButton4 = nullptr;

 protected:
  void Timer1Timer() override;

 private:
  void ZndrSpeedButton4Click(ui::Control& sender);
};

}  // namespace tutorial
