#pragma once
// Step 1: the greeting and the ways in: start a new company, continue the one an earlier run
// left, open an existing company, or walk the guided steps.
#include "Tutorial/ContSheet.h"

namespace components {
class TZndrSpeedButton;
}

namespace tutorial {

class TfmFirstPage : public TfmContentSheet {
 public:
  explicit TfmFirstPage(TfmMain& owner);

  ui::Label* Label3 = nullptr;
  ui::Label* Label1 = nullptr;
  components::TZndrSpeedButton* ZndrSpeedButton4 = nullptr;
  components::TZndrSpeedButton* ZndrSpeedButton6 = nullptr;
  components::TZndrSpeedButton* ZndrSpeedButton3 = nullptr;
  components::TZndrSpeedButton* ZndrSpeedButton1 = nullptr;
  ui::Action* acNewCompany = nullptr;
  ui::Action* acExistingCompany = nullptr;
  ui::Action* acTutorial = nullptr;
  ui::Action* acContComp = nullptr;

 protected:
  void ActionList2Execute(ui::Action& action, bool& handled) override;
  void ActionList2Update(ui::Action& action, bool& handled) override;

 private:
  components::TZndrSpeedButton& AddOptionButton(const char* name, const ui::Rect& place,
                                                ui::Action& action);
  // Asks before an earlier run's company data is thrown away; false when the user said No.
  bool MayDiscardPreviousSession();
  void NewCompany();
  void OpenExistingCompany();
};

}  // namespace tutorial
