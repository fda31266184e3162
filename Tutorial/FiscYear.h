#pragma once
// Step 4: the fiscal year of the new company and the number of periods it is divided into,
// with their defaults: the current year and 12 periods.
#include "Tutorial/ContSheet.h"
#include "platform/ui/db_combo_box.h"
#include "platform/ui/db_edit.h"

namespace components {
class TDBSpinButton;
}

namespace tutorial {

class TfmFiscaleYear : public TfmContentSheet {
 public:
  explicit TfmFiscaleYear(TfmMain& owner);

  ui::Label* Label2 = nullptr;
  ui::Label* Label11 = nullptr;
  ui::Image* Mark4 = nullptr;
  ui::Label* Label10 = nullptr;
  components::TZndrSpeedButton* ZndrSpeedButton4 = nullptr;
  ui::Label* Label8 = nullptr;
  ui::DBEdit* EditFiscYear = nullptr;
  components::TDBSpinButton* DBSpinButton1 = nullptr;
  components::TZndrSpeedButton* zsbFiscYear = nullptr;
  ui::Label* Label3 = nullptr;
  ui::Image* Mark5 = nullptr;
  ui::Label* Label1 = nullptr;
  components::TZndrSpeedButton* ZndrSpeedButton1 = nullptr;
  ui::Label* Label9 = nullptr;
  ui::DBComboBox* EditPeriods = nullptr;
  components::TZndrSpeedButton* ZndrSpeedButton2 = nullptr;
  ui::Action* acCurrYear = nullptr;
  ui::Action* acnbPeriods = nullptr;

  void PageEnter() override;
  void RefreshMarks() override;
  void UpdateTasks() override;

 protected:
  void ActionList2Execute(ui::Action& action, bool& handled) override;
  void ActionList2Update(ui::Action& action, bool& handled) override;
  void Timer1Timer() override;

 private:
  components::TZndrSpeedButton& AddValueButton(const char* name, const ui::Rect& place,
                                               ui::Action& action);
  void EditPeriodsDropDown();
};

}  // namespace tutorial
