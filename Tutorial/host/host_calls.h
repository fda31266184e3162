#pragma once
// Checked calls into the host: a failing status becomes a HostError carrying the host's own
// error text, so page code reads straight: host::MainForm(f).GetAccountsForm()->...
#include <string>

#include "Tutorial/host/Zendri_TLB.h"
#include "platform/com/ptr.h"
#include "platform/ui/errors.h"

namespace host {

class HostError : public ui::Error {
 public:
  HostError(HRESULT status, const std::string& text) : ui::Error(text), status_(status) {}
  HRESULT Status() const { return status_; }

 private:
  HRESULT status_;
};

// Throws HostError when `status` reports failure.
void Check(HRESULT status);

// The host's main automation interface with checked calls. Window getters never return
// null: a host that hands back no window is an error too.
class MainForm {
 public:
  explicit MainForm(IXMainForm* form);

  void OpenCompany(const std::string& path);
  // True when the host reports the company created.
  bool CreateCompany(const std::string& settings);
  void ShowDefaultAccounts(int section, const std::string& currencyCode);

  com::Ptr<IStockForm> GetStockForm(int id = -1);
  com::Ptr<IJobsForm> GetJobsForm(int id = -1);
  com::Ptr<IEmployeesForm> GetEmployeesForm(int id = -1);
  com::Ptr<IAccountsForm> GetAccountsForm(int id = -1);
  com::Ptr<ICustomerForm> GetCustomerForm(int id = -1);
  com::Ptr<IJVForm> GetJVForm(int id = -1);
  com::Ptr<ICurrencyForm> GetCurrencyForm(int id = -1);
  com::Ptr<IVendorForm> GetVendorForm(int id = -1);
  com::Ptr<IBankForm> GetBankForm(int id = -1);
  com::Ptr<ILocationForm> GetLocationForm(int id = -1);

  // A window getter's answer with only its status checked: empty when the host handed back
  // no window, for callers that report that themselves.
  template <class T>
  com::Ptr<T> WindowOf(HRESULT (STDMETHODCALLTYPE IXMainForm::*getter)(LONG, T**), int id = -1) {
    T* window = nullptr;
    const HRESULT status = (form_->*getter)(id, &window);
    com::Ptr<T> owned = com::Ptr<T>::Adopt(window);
    Check(status);
    return owned;
  }

 private:
  IXMainForm* form_;
};

// Shows a host window modally; returns when the user closed it.
void ShowModal(IBasicFormObj& window);
// Brings one page of a vendor or customer window to the front ("Opening", ...).
void ShowPage(IPagedCardForm& window, const std::string& page);

}  // namespace host
