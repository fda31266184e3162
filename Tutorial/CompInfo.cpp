#include "Tutorial/CompInfo.h"

#include "Tutorial/dmMain.h"

namespace tutorial {

TfmCompInfo::TfmCompInfo(TfmMain& owner) : TfmContentSheet(owner) {
  AddTitle("Your company's name and address");
  EditName1 = &AddDataEdit("EditName1", "Company name", MainData().Company, "Name1", 24, 84, 360);
}

}  // namespace tutorial
