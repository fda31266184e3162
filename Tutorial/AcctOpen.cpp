#include "Tutorial/AcctOpen.h"

namespace tutorial {

TfmAcctOpen::TfmAcctOpen(TfmMain& owner) : TfmContentSheet(owner) {
  AddTitle("Account opening balances");
}

}  // namespace tutorial
