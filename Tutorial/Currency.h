#pragma once
// Step 7: the company's main and secondary currency (tasks 7 and 8), their defaults, and the
// host's currency window for further currencies (task 9).
#include "Tutorial/ContSheet.h"
#include "Tutorial/host/Zendri_TLB.h"
#include "Tutorial/host/table_calls.h"
#include "platform/com/ptr.h"
#include "platform/ui/db_edit.h"

namespace tutorial {

class TfmMainCurrency : public TfmContentSheet {
 public:
  explicit TfmMainCurrency(TfmMain& owner);

  void PageEnter() override;
  void RefreshMarks() override;
  void UpdateTasks() override;
  void PageLeave() override;

  ui::Image* Mark7 = nullptr;
  ui::Image* Mark8 = nullptr;
  ui::Image* Mark9 = nullptr;
  ui::DBEdit* EditCode1 = nullptr;
  ui::DBEdit* EditDesc1 = nullptr;
  ui::DBEdit* EditCode2 = nullptr;
  ui::DBEdit* EditDesc2 = nullptr;
  ui::Action* acFirstBase = nullptr;
  ui::Action* acSecondBase = nullptr;
  ui::Action* acOthersCur = nullptr;

 protected:
  void ActionList2Execute(ui::Action& action, bool& handled) override;
  void Timer1Timer() override;

 private:
  ui::DBEdit& AddCurrencyEdit(const std::string& name, const ui::Rect& place,
                              const std::string& field, int maxLength, int tag);
  components::TZndrSpeedButton& AddDefaultsButton(const std::string& name, const ui::Rect& place,
                                                  ui::Action& action);
  void ApplyDefault(const char* codeField, const char* descField, const std::string& code,
                    const std::string& desc);
  void AddOtherCurrencies();
  host::ICurrencyForm& Form();
  host::Table& Table();
  // Moves the host table to the currency of `type`, appending a record for it when none.
  void LocateOrAppend(int type);
  // Writes code (only when it differs) and description into the current host record, posts
  // it and commits.
  void WriteCurrency(const char* codeField, const char* descField);
  // Runs `body`; when it fails, the host window rolls back and the error goes on.
  template <class Body>
  void Guarded(Body body);

  com::Ptr<host::ICurrencyForm> FForm;
  host::Table FTable;
};

}  // namespace tutorial
