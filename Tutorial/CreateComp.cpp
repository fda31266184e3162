#include "Tutorial/CreateComp.h"

namespace tutorial {

TfmCreateComp::TfmCreateComp(TfmMain& owner) : TfmContentSheet(owner) {
  AddTitle("Create the company");
}

}  // namespace tutorial
