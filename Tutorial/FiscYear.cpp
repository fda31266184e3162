#include "Tutorial/FiscYear.h"

#include "Tutorial/dmMain.h"

namespace tutorial {

TfmFiscaleYear::TfmFiscaleYear(TfmMain& owner) : TfmContentSheet(owner) {
  AddTitle("Fiscal year and accounting periods");
  EditFiscYear = &AddDataEdit("EditFiscYear", "Fiscal year", MainData().Company, "FiscYear", 24, 84, 90);
  EditPeriods = &AddDataEdit("EditPeriods", "Number of periods", MainData().Company, "nbPeriods", 24, 144, 90);
}

}  // namespace tutorial
