#include "Tutorial/CompPath.h"

#include "Tutorial/dmMain.h"

namespace tutorial {

TfmCompPath::TfmCompPath(TfmMain& owner) : TfmContentSheet(owner) {
  AddTitle("Where the new company's data will be kept");
  EditCompPath = &AddDataEdit("EditCompPath", "Database file", MainData().Company, "Path", 24, 84, 560);
}

}  // namespace tutorial
