#pragma once
// Step 8: the chart of accounts, in the host's accounts window.
#include "Tutorial/HostWindowPage.h"

namespace tutorial {

class TfmAccounts : public THostWindowPage {
 public:
  explicit TfmAccounts(TfmMain& owner);

 protected:
  void AfterShowing() override;
  void SoundFinished(const std::string& fileName) override;
};

}  // namespace tutorial
