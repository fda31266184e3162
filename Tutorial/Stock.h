#pragma once
// Step 14: the inventory, in the host's stock window; its longer text has a voice button for each part.
#include "Tutorial/HostWindowPage.h"

namespace tutorial {

class TfmStock : public THostWindowPage {
 public:
  explicit TfmStock(TfmMain& owner);

  components::TZndrSpeedButton* ZndrSpeedButton1 = nullptr;
  components::TZndrSpeedButton* ZndrSpeedButton2 = nullptr;
  components::TZndrSpeedButton* ZndrSpeedButton3 = nullptr;

 private:
  void ZndrSpeedButton1Click(ui::Control& sender);
  void ZndrSpeedButton2Click(ui::Control& sender);
  void ZndrSpeedButton3Click(ui::Control& sender);
};

}  // namespace tutorial
