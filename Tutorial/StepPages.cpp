#include "Tutorial/StepPages.h"

#include "Tutorial/FirstPage.h"
#include "Tutorial/CompPath.h"
#include "Tutorial/CompInfo.h"
#include "Tutorial/FiscYear.h"
#include "Tutorial/CreateComp.h"
#include "Tutorial/StartZendri.h"
#include "Tutorial/Currency.h"
#include "Tutorial/Accounts.h"
#include "Tutorial/DefAcctDesc.h"
#include "Tutorial/DefAcct.h"
#include "Tutorial/Vendors.h"
#include "Tutorial/Emp.h"
#include "Tutorial/Cust.h"
#include "Tutorial/Stock.h"
#include "Tutorial/jobs.h"
#include "Tutorial/Banks.h"
#include "Tutorial/Location.h"
#include "Tutorial/AcctOpen.h"
#include "Tutorial/VendOpen.h"
#include "Tutorial/CustOpen.h"
#include "Tutorial/FinishZendri.h"

namespace tutorial {
namespace {
template <class Page>
std::unique_ptr<TfmContentSheet> Make(TfmMain& owner) {
  return std::make_unique<Page>(owner);
}
}  // namespace

const std::array<PageFactory, kStepCount>& StepPages() {
  static const std::array<PageFactory, kStepCount> pages = {
      &Make<TfmFirstPage>,
      &Make<TfmCompPath>,
      &Make<TfmCompInfo>,
      &Make<TfmFiscaleYear>,
      &Make<TfmCreateComp>,
      &Make<TfmStartZendri>,
      &Make<TfmMainCurrency>,
      &Make<TfmAccounts>,
      &Make<TfmDefAcctDesc>,
      &Make<TfmDefAcct>,
      &Make<TfmVendors>,
      &Make<TfmEmployee>,
      &Make<TfmCustomers>,
      &Make<TfmStock>,
      &Make<TfmJobs>,
      &Make<TfmBanks>,
      &Make<TfmLocation>,
      &Make<TfmAcctOpen>,
      &Make<TfmVendOpen>,
      &Make<TfmCustOpen>,
      &Make<TfmFinishZendri>,
  };
  return pages;
}

}  // namespace tutorial
