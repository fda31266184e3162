#include "platform/ui/db_edit.h"

namespace ui {

void DBEdit::Change() {
  binding_.Store(Text());
  Edit::Change();
}

void DBEdit::DoExit() {
  binding_.CheckOnExit(Text());
  Edit::DoExit();
}

}  // namespace ui
