#include "Tutorial/host/host_calls.h"

#include <cstdio>

#include "platform/com/error_info.h"

namespace host {

void Check(HRESULT status) {
  if (SUCCEEDED(status)) return;
  std::string text = com::TakeErrorDescription();
  if (text.empty()) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "The accounting program reported error %08X.",
                  static_cast<unsigned>(status));
    text = buffer;
  }
  throw HostError(status, text);
}

MainForm::MainForm(IXMainForm* form) : form_(form) {
  if (!form_) throw ui::Error("The accounting program's interface is not available.");
}

void MainForm::OpenCompany(const std::string& path) {
  com::Bstr p(path);
  Check(form_->OpenCompany(p.Get()));
}

bool MainForm::CreateCompany(const std::string& settings) {
  com::Bstr text(settings), result1, result2;
  VARIANT_BOOL created = VARIANT_FALSE;
  Check(form_->CreateCompany(text.Get(), result1.Out(), result2.Out(), &created));
  return created != VARIANT_FALSE;
}

void MainForm::ShowDefaultAccounts(int section, const std::string& currencyCode) {
  com::Bstr code(currencyCode);
  LONG ignored = 0;
  Check(form_->ShowDefaultAccounts(section, code.Get(), &ignored));
}

namespace {
template <class T>
com::Ptr<T> Window(HRESULT status, T* window) {
  com::Ptr<T> owned = com::Ptr<T>::Adopt(window);
  Check(status);
  if (!owned) throw ui::Error("The accounting program returned no window.");
  return owned;
}
}  // namespace

#define TUTOR_WINDOW_GETTER(Name, Type)        \
  com::Ptr<Type> MainForm::Name(int id) {      \
    Type* window = nullptr;                    \
    const HRESULT status = form_->Name(id, &window); \
    return Window(status, window);             \
  }

TUTOR_WINDOW_GETTER(GetStockForm, IStockForm)
TUTOR_WINDOW_GETTER(GetJobsForm, IJobsForm)
TUTOR_WINDOW_GETTER(GetEmployeesForm, IEmployeesForm)
TUTOR_WINDOW_GETTER(GetAccountsForm, IAccountsForm)
TUTOR_WINDOW_GETTER(GetCustomerForm, ICustomerForm)
TUTOR_WINDOW_GETTER(GetJVForm, IJVForm)
TUTOR_WINDOW_GETTER(GetCurrencyForm, ICurrencyForm)
TUTOR_WINDOW_GETTER(GetVendorForm, IVendorForm)
TUTOR_WINDOW_GETTER(GetBankForm, IBankForm)
TUTOR_WINDOW_GETTER(GetLocationForm, ILocationForm)

#undef TUTOR_WINDOW_GETTER

void ShowModal(IBasicFormObj& window) {
  LONG ignored = 0;
  Check(window.ShowModal(&ignored));
}

void ShowPage(IPagedCardForm& window, const std::string& page) {
  com::Bstr name(page);
  LONG ignored = 0;
  Check(window.ShowPage(name.Get(), &ignored));
}

}  // namespace host
