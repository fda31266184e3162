#include "Tutorial/FirstPage.h"

namespace tutorial {

TfmFirstPage::TfmFirstPage(TfmMain& owner) : TfmContentSheet(owner) {
  AddTitle("Welcome to the company set-up assistant");
}

}  // namespace tutorial
