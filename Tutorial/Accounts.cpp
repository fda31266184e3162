#include "Tutorial/Accounts.h"

namespace tutorial {

TfmAccounts::TfmAccounts(TfmMain& owner) : TfmContentSheet(owner) {
  AddTitle("Chart of accounts");
}

}  // namespace tutorial
