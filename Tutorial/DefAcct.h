#pragma once
// Step 10: the business sections the company uses. Each ticked section's "..." button opens
// the host's default-accounts window for it; the ticks are kept in DefAcct, and the status
// box records the default-accounts task (task 11).
#include <array>

#include "Tutorial/ContSheet.h"

namespace ui {
class CheckBox;
}

namespace tutorial {

class TfmDefAcct : public TfmContentSheet {
 public:
  static constexpr int kSections = 7;

  explicit TfmDefAcct(TfmMain& owner);

  void PageEnter() override;
  void PageLeave() override;

  // --- components ---
  std::array<components::TZndrSpeedButton*, kSections> SectionButtons{};  // ZndrSpeedButton1-7
  std::array<ui::CheckBox*, kSections> CheckBoxes{};                      // CheckBox1-7
  ui::CheckBox* StatusChk = nullptr;

 protected:
  void ActionList2Execute(ui::Action& action, bool& handled) override;
  void ActionList2Update(ui::Action& action, bool& handled) override;

 private:
  void StatusChkClick(ui::Control& sender);
  void LoadSections();
  void SaveSections();

  bool FLoading = false;
};

}  // namespace tutorial
