#pragma once
// Step 2: the full path of the database file the host will create for the new company, typed,
// picked with the file dialog, or suggested in the "Data" folder beside the host.
#include "Tutorial/ContSheet.h"
#include "platform/ui/db_edit.h"

namespace tutorial {

class TfmCompPath : public TfmContentSheet {
 public:
  explicit TfmCompPath(TfmMain& owner);

  // The first free "Z2KData<n>.gdb" in the "Data" folder beside `hostExecutable`; the folder
  // is created when missing (when it cannot be, the suggestion still comes).
  static std::string SuggestedPath(const std::string& hostExecutable);

  ui::Label* Label2 = nullptr;
  ui::Label* Label11 = nullptr;
  ui::Image* Mark1 = nullptr;
  ui::Label* Label10 = nullptr;
  components::TZndrSpeedButton* ZndrSpeedButton4 = nullptr;
  ui::Label* Label1 = nullptr;
  ui::DBEdit* EditCompPath = nullptr;
  components::TZndrSpeedButton* ZndrSpeedButton1 = nullptr;
  components::TZndrSpeedButton* ZndrSpeedButton2 = nullptr;

  void PageEnter() override;
  void RefreshMarks() override;
  void UpdateTasks() override;

 protected:
  void Timer1Timer() override;

 private:
  void ZndrSpeedButton1Click();  // browse
  void ZndrSpeedButton2Click();  // suggest
  void SetPath(const std::string& path);
};

}  // namespace tutorial
