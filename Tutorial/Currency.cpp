#include "Tutorial/Currency.h"

#include "Tutorial/dmMain.h"

namespace tutorial {

TfmMainCurrency::TfmMainCurrency(TfmMain& owner) : TfmContentSheet(owner) {
  AddTitle("Main and secondary currency");
  EditCode1 = &AddDataEdit("EditCode1", "Main currency code", MainData().Currency, "FirstBaseCode", 24, 84, 70);
  EditCode2 = &AddDataEdit("EditCode2", "Secondary currency code", MainData().Currency, "SecondBaseCode", 24, 144, 70);
}

}  // namespace tutorial
