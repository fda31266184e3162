#pragma once
// Step 3: the new company's two names (the first is needed to go on), its address and
// telephones (optional, recommended for the reports' subtitle).
#include "Tutorial/ContSheet.h"
#include "platform/ui/db_edit.h"

namespace tutorial {

class TfmCompInfo : public TfmContentSheet {
 public:
  explicit TfmCompInfo(TfmMain& owner);

  ui::Label* Label2 = nullptr;
  ui::Label* Label11 = nullptr;
  ui::Image* Mark2 = nullptr;
  ui::Label* Label10 = nullptr;
  components::TZndrSpeedButton* ZndrSpeedButton4 = nullptr;
  ui::Label* Label1 = nullptr;
  ui::Label* Label3 = nullptr;
  ui::DBEdit* EditName1 = nullptr;
  ui::DBEdit* EditName2 = nullptr;
  ui::Label* Label12 = nullptr;
  ui::Image* Mark3 = nullptr;
  ui::Label* Label13 = nullptr;
  components::TZndrSpeedButton* ZndrSpeedButton1 = nullptr;
  ui::Label* Label5 = nullptr;
  ui::Label* Label7 = nullptr;
  ui::Label* Label4 = nullptr;
  ui::Label* Label6 = nullptr;
  ui::DBEdit* EditCity = nullptr;
  ui::DBEdit* EditState = nullptr;
  ui::DBEdit* EditPhone1 = nullptr;
  ui::DBEdit* EditPhone2 = nullptr;

  void PageEnter() override;
  void RefreshMarks() override;
  void UpdateTasks() override;

 protected:
  void Timer1Timer() override;
};

}  // namespace tutorial
