#pragma once
// Step 1: Welcome to the company set-up assistant.
#include "Tutorial/ContSheet.h"

namespace components {
class TZndrSpeedButton;
}

namespace tutorial {

class TfmFirstPage : public TfmContentSheet {
 public:
  explicit TfmFirstPage(TfmMain& owner);

  // --- narration: "open.wav" after the first-visit timer, then "1.wav" and "2.wav" ---
  components::TZndrSpeedButton* ZndrSpeedButton2 = nullptr;  // plays "2.wav"
  components::TZndrSpeedButton* ZndrSpeedButton5 = nullptr;  // plays "1.wav"

 protected:
  void Timer1Timer() override;
  void SoundFinished(const std::string& fileName) override;
};

}  // namespace tutorial
