#pragma once
// The demo host's automation interface: creates and opens companies and hands out its
// windows on the current company. It lives as long as the program, so it only counts the
// references the assistant takes.
#include <windows.h>

#include "Tutorial/host/Zendri_TLB.h"
#include "demohost/company_session.h"

namespace demohost {

class DemoMainForm : public host::IXMainForm {
 public:
  explicit DemoMainForm(CompanySession& session) : session_(session) {}
  void SetMainWindow(HWND window) { mainWindow_ = window; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ULONG(++references_); }
  ULONG STDMETHODCALLTYPE Release() override { return ULONG(--references_); }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }

#define DEMO_SLOT(n) \
  HRESULT STDMETHODCALLTYPE Reserved##n() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE OpenCompany(BSTR path) override;
  DEMO_SLOT(8) DEMO_SLOT(9) DEMO_SLOT(10) DEMO_SLOT(11) DEMO_SLOT(12) DEMO_SLOT(13) DEMO_SLOT(14)
  DEMO_SLOT(15) DEMO_SLOT(16) DEMO_SLOT(17) DEMO_SLOT(18) DEMO_SLOT(19) DEMO_SLOT(20) DEMO_SLOT(21)
  HRESULT STDMETHODCALLTYPE GetStockForm(LONG, host::IStockForm** f) override;
  HRESULT STDMETHODCALLTYPE GetJobsForm(LONG, host::IJobsForm** f) override;
  HRESULT STDMETHODCALLTYPE GetEmployeesForm(LONG, host::IEmployeesForm** f) override;
  HRESULT STDMETHODCALLTYPE GetAccountsForm(LONG, host::IAccountsForm** f) override;
  DEMO_SLOT(26) DEMO_SLOT(27) DEMO_SLOT(28) DEMO_SLOT(29) DEMO_SLOT(30) DEMO_SLOT(31) DEMO_SLOT(32)
  DEMO_SLOT(33) DEMO_SLOT(34) DEMO_SLOT(35) DEMO_SLOT(36) DEMO_SLOT(37) DEMO_SLOT(38) DEMO_SLOT(39)
  HRESULT STDMETHODCALLTYPE GetCustomerForm(LONG, host::ICustomerForm** f) override;
  DEMO_SLOT(41) DEMO_SLOT(42) DEMO_SLOT(43)
  HRESULT STDMETHODCALLTYPE GetJVForm(LONG, host::IJVForm** f) override;
  DEMO_SLOT(45) DEMO_SLOT(46) DEMO_SLOT(47) DEMO_SLOT(48)
  HRESULT STDMETHODCALLTYPE ShowDefaultAccounts(LONG section, BSTR currency, LONG* result) override;
  HRESULT STDMETHODCALLTYPE CreateCompany(BSTR settings, BSTR* text1, BSTR* text2,
                                          VARIANT_BOOL* created) override;
  HRESULT STDMETHODCALLTYPE GetCurrencyForm(LONG, host::ICurrencyForm** f) override;
  HRESULT STDMETHODCALLTYPE GetVendorForm(LONG, host::IVendorForm** f) override;
  HRESULT STDMETHODCALLTYPE GetBankForm(LONG, host::IBankForm** f) override;
  HRESULT STDMETHODCALLTYPE GetLocationForm(LONG, host::ILocationForm** f) override;
#undef DEMO_SLOT

  long References() const { return references_; }

 private:
  template <class Form, class Interface, class... Args>
  HRESULT Window(const char* operation, Interface** out, Args... args);

  CompanySession& session_;
  HWND mainWindow_ = nullptr;
  long references_ = 0;
};

}  // namespace demohost
