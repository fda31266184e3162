#include "Tutorial/Emp.h"

namespace tutorial {

TfmEmployee::TfmEmployee(TfmMain& owner) : TfmContentSheet(owner) {
  AddTitle("Employees");
}

}  // namespace tutorial
