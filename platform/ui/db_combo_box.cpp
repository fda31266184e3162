#include "platform/ui/db_combo_box.h"

namespace ui {

void DBComboBox::Change() {
  binding_.Store(Text());
  ComboBox::Change();
}

void DBComboBox::DoExit() {
  binding_.CheckOnExit(Text());
  ComboBox::DoExit();
}

}  // namespace ui
