#include "demohost/demo_main_form.h"

#include "demohost/com_object.h"
#include "demohost/company_files.h"
#include "demohost/host_forms.h"
#include "demohost/modal_loop.h"
#include "platform/com/com.h"

namespace demohost {

namespace {
void Answer(BSTR* out, const std::string& text) {
  if (!out) return;
  const std::u16string w = com::Utf8ToUtf16(text);
  *out = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(w.data()), UINT(w.size()));
}
}  // namespace

HRESULT DemoMainForm::QueryInterface(REFIID riid, void** object) {
  if (!object) return E_POINTER;
  if (riid == IID_IUnknown || riid == IID_IDispatch) {
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

HRESULT DemoMainForm::GetTypeInfoCount(UINT* count) {
  if (count) *count = 0;
  return S_OK;
}

HRESULT DemoMainForm::OpenCompany(BSTR path) {
  return Call("OpenCompany", [&] {
    session_.Open(com::ToUtf8(path));
    return S_OK;
  });
}

HRESULT DemoMainForm::CreateCompany(BSTR settings, BSTR* text1, BSTR* text2, VARIANT_BOOL* created) {
  if (text1) *text1 = nullptr;
  if (text2) *text2 = nullptr;
  if (created) *created = VARIANT_FALSE;
  return Call("CreateCompany", [&] {
    if (!created) return E_POINTER;
    const CompanyRequest request = ReadCompanyRequest(SettingsText::Parse(com::ToUtf8(settings)));
    // After the text is read: a request the host refuses fails, as it would anyway.
    if (Injected(Fault::Kind::NotCreated)) return S_OK;
    CreateCompanyFile(request);
    const bool holds = HoldsCompany(request.target, request);
    *created = holds ? VARIANT_TRUE : VARIANT_FALSE;
    Answer(text1, request.target);
    Answer(text2, holds ? "created" : "not created");
    return S_OK;
  });
}

HRESULT DemoMainForm::ShowDefaultAccounts(LONG section, BSTR currency, LONG* result) {
  if (result) *result = 0;
  return Call("ShowDefaultAccounts", [&] {
    ShowDefaultAccountsWindow(ModalOwner(mainWindow_), session_.Require(), int(section),
                              com::ToUtf8(currency));
    if (result) *result = 1;
    return S_OK;
  });
}

template <class Form, class Interface, class... Args>
HRESULT DemoMainForm::Window(const char* operation, Interface** out, Args... args) {
  if (out) *out = nullptr;
  return Call(operation, [&] {
    if (!out) return E_POINTER;
    if (Injected(Fault::Kind::NoWindow)) return S_OK;
    auto db = session_.Require();
    *out = new Form(args..., std::move(db), mainWindow_);
    return S_OK;
  });
}

HRESULT DemoMainForm::GetStockForm(LONG, host::IStockForm** f) {
  return Window<StockForm>("GetStockForm", f, WindowKind::Stock);
}
HRESULT DemoMainForm::GetJobsForm(LONG, host::IJobsForm** f) {
  return Window<JobsForm>("GetJobsForm", f, WindowKind::Jobs);
}
HRESULT DemoMainForm::GetEmployeesForm(LONG, host::IEmployeesForm** f) {
  return Window<EmployeesForm>("GetEmployeesForm", f, WindowKind::Employees);
}
HRESULT DemoMainForm::GetAccountsForm(LONG, host::IAccountsForm** f) {
  return Window<AccountsForm>("GetAccountsForm", f, WindowKind::Accounts);
}
HRESULT DemoMainForm::GetCustomerForm(LONG, host::ICustomerForm** f) {
  return Window<CustomerForm>("GetCustomerForm", f, WindowKind::Customers);
}
HRESULT DemoMainForm::GetJVForm(LONG, host::IJVForm** f) { return Window<JVForm>("GetJVForm", f); }
HRESULT DemoMainForm::GetCurrencyForm(LONG, host::ICurrencyForm** f) {
  return Window<CurrencyForm>("GetCurrencyForm", f);
}
HRESULT DemoMainForm::GetVendorForm(LONG, host::IVendorForm** f) {
  return Window<VendorForm>("GetVendorForm", f, WindowKind::Vendors);
}
HRESULT DemoMainForm::GetBankForm(LONG, host::IBankForm** f) {
  return Window<BankForm>("GetBankForm", f, WindowKind::Banks);
}
HRESULT DemoMainForm::GetLocationForm(LONG, host::ILocationForm** f) {
  return Window<LocationForm>("GetLocationForm", f, WindowKind::Locations);
}

}  // namespace demohost
