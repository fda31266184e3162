#pragma once
// A host main form for the native tests: counts references and records calls by slot.
#include <string>
#include <vector>

#include "Tutorial/host/Zendri_TLB.h"
#include "platform/com/error_info.h"

class FakeMainForm : public host::IXMainForm {
 public:
  int references = 0;
  std::vector<std::string> calls;
  HRESULT failWith = S_OK;       // returned by the calls below when set
  std::string errorText;         // left for the caller with a failure

#define FAKE_SLOT(n) \
  HRESULT STDMETHODCALLTYPE Reserved##n() override { return E_NOTIMPL; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
  ULONG STDMETHODCALLTYPE AddRef() override { return ULONG(++references); }
  ULONG STDMETHODCALLTYPE Release() override { return ULONG(--references); }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(unsigned*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(unsigned, uint32_t, void**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, OLECHAR**, unsigned, uint32_t, int32_t*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(int32_t, REFIID, uint32_t, uint16_t, void*, VARIANT*, void*,
                                   unsigned*) override {
    return E_NOTIMPL;
  }

  HRESULT STDMETHODCALLTYPE OpenCompany(BSTR path) override { return Record("OpenCompany " + com::ToUtf8(path)); }
  FAKE_SLOT(8) FAKE_SLOT(9) FAKE_SLOT(10) FAKE_SLOT(11) FAKE_SLOT(12) FAKE_SLOT(13) FAKE_SLOT(14)
  FAKE_SLOT(15) FAKE_SLOT(16) FAKE_SLOT(17) FAKE_SLOT(18) FAKE_SLOT(19) FAKE_SLOT(20) FAKE_SLOT(21)
  HRESULT STDMETHODCALLTYPE GetStockForm(LONG, host::IStockForm** f) override { return NoWindow("GetStockForm", f); }
  HRESULT STDMETHODCALLTYPE GetJobsForm(LONG, host::IJobsForm** f) override { return NoWindow("GetJobsForm", f); }
  HRESULT STDMETHODCALLTYPE GetEmployeesForm(LONG, host::IEmployeesForm** f) override { return NoWindow("GetEmployeesForm", f); }
  HRESULT STDMETHODCALLTYPE GetAccountsForm(LONG, host::IAccountsForm** f) override { return NoWindow("GetAccountsForm", f); }
  FAKE_SLOT(26) FAKE_SLOT(27) FAKE_SLOT(28) FAKE_SLOT(29) FAKE_SLOT(30) FAKE_SLOT(31) FAKE_SLOT(32)
  FAKE_SLOT(33) FAKE_SLOT(34) FAKE_SLOT(35) FAKE_SLOT(36) FAKE_SLOT(37) FAKE_SLOT(38) FAKE_SLOT(39)
  HRESULT STDMETHODCALLTYPE GetCustomerForm(LONG, host::ICustomerForm** f) override { return NoWindow("GetCustomerForm", f); }
  FAKE_SLOT(41) FAKE_SLOT(42) FAKE_SLOT(43)
  HRESULT STDMETHODCALLTYPE GetJVForm(LONG, host::IJVForm** f) override { return NoWindow("GetJVForm", f); }
  FAKE_SLOT(45) FAKE_SLOT(46) FAKE_SLOT(47) FAKE_SLOT(48)
  HRESULT STDMETHODCALLTYPE ShowDefaultAccounts(LONG section, BSTR code, LONG* r) override {
    *r = 0;
    return Record("ShowDefaultAccounts " + std::to_string(section) + " " + com::ToUtf8(code));
  }
  HRESULT STDMETHODCALLTYPE CreateCompany(BSTR settings, BSTR*, BSTR*, VARIANT_BOOL* created) override {
    *created = VARIANT_TRUE;
    return Record("CreateCompany " + com::ToUtf8(settings));
  }
  HRESULT STDMETHODCALLTYPE GetCurrencyForm(LONG, host::ICurrencyForm** f) override { return NoWindow("GetCurrencyForm", f); }
  HRESULT STDMETHODCALLTYPE GetVendorForm(LONG, host::IVendorForm** f) override { return NoWindow("GetVendorForm", f); }
  HRESULT STDMETHODCALLTYPE GetBankForm(LONG, host::IBankForm** f) override { return NoWindow("GetBankForm", f); }
  HRESULT STDMETHODCALLTYPE GetLocationForm(LONG, host::ILocationForm** f) override { return NoWindow("GetLocationForm", f); }
#undef FAKE_SLOT

 private:
  HRESULT Record(std::string call) {
    calls.push_back(std::move(call));
    if (FAILED(failWith)) com::SetErrorDescription(errorText);
    return failWith;
  }
  template <class T>
  HRESULT NoWindow(const char* name, T** window) {
    *window = nullptr;
    return Record(name);
  }
};
