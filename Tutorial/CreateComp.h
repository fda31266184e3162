#pragma once
// Step 5: the company is created from the page's own "Finish" button (Next stays disabled).
#include "Tutorial/ContSheet.h"

namespace tutorial {

class TfmCreateComp : public TfmContentSheet {
 public:
  explicit TfmCreateComp(TfmMain& owner);

  void RefreshMarks() override;
  void UpdateTasks() override;

  ui::Image* Mark6 = nullptr;
  components::TZndrSpeedButton* ZndrSpeedButton1 = nullptr;

 protected:
  void Timer1Timer() override;

 private:
  void ZndrSpeedButton1Click();
};

}  // namespace tutorial
