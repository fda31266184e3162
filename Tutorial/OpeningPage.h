#pragma once
// The opening-balance steps: host-window pages that narrate on entry instead of from the
// page timer, hear "17.wav" then "18.wav" after the host window, and keep the window for the
// page's whole life.
#include "Tutorial/HostWindowPage.h"

namespace tutorial {

class TOpeningPage : public THostWindowPage {
 public:
  TOpeningPage(TfmMain& owner, const HostWindowValues& values);

  void PageEnter() override;
  void PageLeave() override;
  void SoundFinished(const std::string& fileName) override;

 protected:
  void AfterShowing() override;
};

}  // namespace tutorial
