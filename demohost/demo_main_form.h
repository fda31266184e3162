#pragma once
// The demo host's automation interface. For now every operation fails with a clear error,
// so the assistant's failure paths can be seen end to end.
#include <atomic>

#include "Tutorial/host/Zendri_TLB.h"

namespace demohost {

class DemoMainForm : public host::IXMainForm {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override { return --references_; }  // lives on the stack
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
  HRESULT STDMETHODCALLTYPE OpenCompany(BSTR) override { return Unavailable("opening a company"); }
  DEMO_SLOT(8) DEMO_SLOT(9) DEMO_SLOT(10) DEMO_SLOT(11) DEMO_SLOT(12) DEMO_SLOT(13) DEMO_SLOT(14)
  DEMO_SLOT(15) DEMO_SLOT(16) DEMO_SLOT(17) DEMO_SLOT(18) DEMO_SLOT(19) DEMO_SLOT(20) DEMO_SLOT(21)
  HRESULT STDMETHODCALLTYPE GetStockForm(LONG, host::IStockForm** f) override { return NoWindow(f, "the inventory window"); }
  HRESULT STDMETHODCALLTYPE GetJobsForm(LONG, host::IJobsForm** f) override { return NoWindow(f, "the jobs window"); }
  HRESULT STDMETHODCALLTYPE GetEmployeesForm(LONG, host::IEmployeesForm** f) override { return NoWindow(f, "the employees window"); }
  HRESULT STDMETHODCALLTYPE GetAccountsForm(LONG, host::IAccountsForm** f) override { return NoWindow(f, "the accounts window"); }
  DEMO_SLOT(26) DEMO_SLOT(27) DEMO_SLOT(28) DEMO_SLOT(29) DEMO_SLOT(30) DEMO_SLOT(31) DEMO_SLOT(32)
  DEMO_SLOT(33) DEMO_SLOT(34) DEMO_SLOT(35) DEMO_SLOT(36) DEMO_SLOT(37) DEMO_SLOT(38) DEMO_SLOT(39)
  HRESULT STDMETHODCALLTYPE GetCustomerForm(LONG, host::ICustomerForm** f) override { return NoWindow(f, "the customers window"); }
  DEMO_SLOT(41) DEMO_SLOT(42) DEMO_SLOT(43)
  HRESULT STDMETHODCALLTYPE GetJVForm(LONG, host::IJVForm** f) override { return NoWindow(f, "the journal window"); }
  DEMO_SLOT(45) DEMO_SLOT(46) DEMO_SLOT(47) DEMO_SLOT(48)
  HRESULT STDMETHODCALLTYPE ShowDefaultAccounts(LONG, BSTR, LONG*) override { return Unavailable("default accounts"); }
  HRESULT STDMETHODCALLTYPE CreateCompany(BSTR, BSTR*, BSTR*, VARIANT_BOOL*) override {
    return Unavailable("creating a company");
  }
  HRESULT STDMETHODCALLTYPE GetCurrencyForm(LONG, host::ICurrencyForm** f) override { return NoWindow(f, "the currency window"); }
  HRESULT STDMETHODCALLTYPE GetVendorForm(LONG, host::IVendorForm** f) override { return NoWindow(f, "the vendors window"); }
  HRESULT STDMETHODCALLTYPE GetBankForm(LONG, host::IBankForm** f) override { return NoWindow(f, "the banks window"); }
  HRESULT STDMETHODCALLTYPE GetLocationForm(LONG, host::ILocationForm** f) override { return NoWindow(f, "the locations window"); }
#undef DEMO_SLOT

  long References() const { return references_; }

 private:
  static HRESULT Unavailable(const char* what);
  template <class T>
  static HRESULT NoWindow(T** window, const char* what) {
    if (window) *window = nullptr;
    return Unavailable(what);
  }

  std::atomic<long> references_{0};
};

}  // namespace demohost
