#pragma once
// A host whose window getters hand out fake windows, tables and fields. Every call on any of
// them goes into one log (the main form's `calls`), so a test reads the host exchange in
// order; any call can be made to fail, and a window can stand in for the user while it is
// shown modally.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/com/variant.h"
#include "tests/unit/fake_host.h"

struct FakeHostLog {
  explicit FakeHostLog(std::vector<std::string>& calls) : calls(calls) {}
  std::vector<std::string>& calls;
  std::string failOn;  // the first call that starts with this fails
  std::string failText = "The accounting program refused the request.";

  HRESULT Record(std::string call) {
    const bool fail = !failOn.empty() && call.rfind(failOn, 0) == 0;
    calls.push_back(std::move(call));
    if (!fail) return S_OK;
    failOn.clear();
    com::SetErrorDescription(failText);
    return E_FAIL;
  }
};

// Reference counting, the automation base and every unused slot of a host interface.
template <class Interface>
class FakeObject : public Interface {
 public:
  explicit FakeObject(FakeHostLog& log) : log(log) {}
  FakeHostLog& log;
  int references = 0;

  virtual HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void**) { return E_NOINTERFACE; }
  virtual ULONG STDMETHODCALLTYPE AddRef() { return ULONG(++references); }
  virtual ULONG STDMETHODCALLTYPE Release() { return ULONG(--references); }
  virtual HRESULT STDMETHODCALLTYPE GetTypeInfoCount(unsigned*) { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE GetTypeInfo(unsigned, uint32_t, void**) { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, OLECHAR**, unsigned, uint32_t,
                                                  int32_t*) {
    return E_NOTIMPL;
  }
  virtual HRESULT STDMETHODCALLTYPE Invoke(int32_t, REFIID, uint32_t, uint16_t, void*, VARIANT*,
                                           void*, unsigned*) {
    return E_NOTIMPL;
  }
#define FAKE_RESERVED(n) \
  virtual HRESULT STDMETHODCALLTYPE Reserved##n() { return E_NOTIMPL; }
  FAKE_RESERVED(7) FAKE_RESERVED(8) FAKE_RESERVED(9) FAKE_RESERVED(10) FAKE_RESERVED(11)
  FAKE_RESERVED(12) FAKE_RESERVED(13) FAKE_RESERVED(14) FAKE_RESERVED(15) FAKE_RESERVED(16)
  FAKE_RESERVED(17) FAKE_RESERVED(18) FAKE_RESERVED(19) FAKE_RESERVED(20) FAKE_RESERVED(21)
  FAKE_RESERVED(22) FAKE_RESERVED(23) FAKE_RESERVED(24) FAKE_RESERVED(25) FAKE_RESERVED(26)
  FAKE_RESERVED(27) FAKE_RESERVED(28)
#undef FAKE_RESERVED
};

class FakeField final : public FakeObject<host::IFieldObj> {
 public:
  FakeField(FakeHostLog& log, std::string name) : FakeObject(log), name(std::move(name)) {}
  std::string name;
  com::Variant value;

  HRESULT STDMETHODCALLTYPE GetValue(VARIANT* out) override {
    const HRESULT status = log.Record("GetValue " + name);
    if (SUCCEEDED(status)) VariantCopy(out, &value.Get());
    return status;
  }
  HRESULT STDMETHODCALLTYPE SetValue(VARIANT in) override {
    const HRESULT status = log.Record("SetValue " + name);
    if (SUCCEEDED(status)) VariantCopy(value.Out(), &in);
    return status;
  }
};

// A table whose fields are the ones added to it; Append adds a record of empty fields.
class FakeTable : public FakeObject<host::ITableObj> {
 public:
  FakeTable(FakeHostLog& log, std::string name) : FakeObject(log), name(std::move(name)) {}
  std::string name;
  int appended = 0;
  std::map<std::string, std::unique_ptr<FakeField>> fields;

  FakeField& AddField(const std::string& fieldName) {
    auto& slot = fields[fieldName];
    if (!slot) slot = std::make_unique<FakeField>(log, fieldName);
    return *slot;
  }

  HRESULT STDMETHODCALLTYPE Locate(BSTR field, VARIANT, LONG, LONG, VARIANT_BOOL* found) override {
    *found = VARIANT_FALSE;
    return log.Record("Locate " + name + " " + com::ToUtf8(field));
  }
  HRESULT STDMETHODCALLTYPE FieldByName(BSTR text, host::IFieldObj** field) override {
    const std::string fieldName = com::ToUtf8(text);
    *field = nullptr;
    const HRESULT status = log.Record("FieldByName " + fieldName);
    auto it = fields.find(fieldName);
    if (SUCCEEDED(status) && it != fields.end()) {
      *field = it->second.get();
      it->second->AddRef();
    }
    return status;
  }
  HRESULT STDMETHODCALLTYPE SetActive(VARIANT_BOOL active) override {
    return log.Record(std::string("SetActive ") + name + (active ? " true" : " false"));
  }
  HRESULT STDMETHODCALLTYPE Append(BSTR*) override {
    const HRESULT status = log.Record("Append " + name);
    if (SUCCEEDED(status)) {
      ++appended;
      for (auto& field : fields) field.second->value = com::Variant();
    }
    return status;
  }
  HRESULT STDMETHODCALLTYPE Post(BSTR*) override { return log.Record("Post " + name); }
  HRESULT STDMETHODCALLTYPE Edit() override { return log.Record("Edit " + name); }
};

// A host window of any kind; ShowModal runs `whileShown` as the user would, then returns.
template <class Interface>
class FakeWindow : public FakeObject<Interface> {
 public:
  FakeWindow(FakeHostLog& log, std::string name)
      : FakeObject<Interface>(log), name(name), table(log, name) {}
  std::string name;
  FakeTable table;
  bool hasTable = true;
  std::function<void()> whileShown;

  HRESULT STDMETHODCALLTYPE ShowModal(LONG* result) override {
    *result = 1;
    const HRESULT status = this->log.Record("ShowModal " + name);
    if (SUCCEEDED(status) && whileShown) whileShown();
    return status;
  }
  HRESULT STDMETHODCALLTYPE GetTable(host::ITableObj** out) override {
    *out = nullptr;
    const HRESULT status = this->log.Record("GetTable " + name);
    if (SUCCEEDED(status) && hasTable) {
      *out = &table;
      table.AddRef();
    }
    return status;
  }
};

template <class Interface>
class FakePagedWindow : public FakeWindow<Interface> {
 public:
  using FakeWindow<Interface>::FakeWindow;
  HRESULT STDMETHODCALLTYPE ShowPage(BSTR page, LONG* result) override {
    *result = 0;
    return this->log.Record("ShowPage " + this->name + " " + com::ToUtf8(page));
  }
};

class FakeCurrencyWindow : public FakeWindow<host::ICurrencyForm> {
 public:
  using FakeWindow::FakeWindow;
  HRESULT STDMETHODCALLTYPE CommitChanges() override { return log.Record("CommitChanges"); }
  HRESULT STDMETHODCALLTYPE RollbackChanges() override { return log.Record("RollbackChanges"); }
};

class FakeHostWindows : public FakeMainForm {
 public:
  FakeHostLog log{calls};
  bool noWindows = false;  // every getter succeeds and hands back nothing

  FakeWindow<host::IStockForm> stock{log, "Stock"};
  FakeWindow<host::IJobsForm> jobs{log, "Jobs"};
  FakeWindow<host::IEmployeesForm> employees{log, "Employees"};
  FakeWindow<host::IAccountsForm> accounts{log, "Accounts"};
  FakePagedWindow<host::ICustomerForm> customers{log, "Customers"};
  FakeWindow<host::IJVForm> vouchers{log, "JV"};
  FakeCurrencyWindow currency{log, "Currency"};
  FakePagedWindow<host::IVendorForm> vendors{log, "Vendors"};
  FakeWindow<host::IBankForm> banks{log, "Banks"};
  FakeWindow<host::ILocationForm> locations{log, "Locations"};

  HRESULT STDMETHODCALLTYPE GetStockForm(LONG id, host::IStockForm** f) override { return Hand("GetStockForm", id, stock, f); }
  HRESULT STDMETHODCALLTYPE GetJobsForm(LONG id, host::IJobsForm** f) override { return Hand("GetJobsForm", id, jobs, f); }
  HRESULT STDMETHODCALLTYPE GetEmployeesForm(LONG id, host::IEmployeesForm** f) override { return Hand("GetEmployeesForm", id, employees, f); }
  HRESULT STDMETHODCALLTYPE GetAccountsForm(LONG id, host::IAccountsForm** f) override { return Hand("GetAccountsForm", id, accounts, f); }
  HRESULT STDMETHODCALLTYPE GetCustomerForm(LONG id, host::ICustomerForm** f) override { return Hand("GetCustomerForm", id, customers, f); }
  HRESULT STDMETHODCALLTYPE GetJVForm(LONG id, host::IJVForm** f) override { return Hand("GetJVForm", id, vouchers, f); }
  HRESULT STDMETHODCALLTYPE GetCurrencyForm(LONG id, host::ICurrencyForm** f) override { return Hand("GetCurrencyForm", id, currency, f); }
  HRESULT STDMETHODCALLTYPE GetVendorForm(LONG id, host::IVendorForm** f) override { return Hand("GetVendorForm", id, vendors, f); }
  HRESULT STDMETHODCALLTYPE GetBankForm(LONG id, host::IBankForm** f) override { return Hand("GetBankForm", id, banks, f); }
  HRESULT STDMETHODCALLTYPE GetLocationForm(LONG id, host::ILocationForm** f) override { return Hand("GetLocationForm", id, locations, f); }
  HRESULT STDMETHODCALLTYPE ShowDefaultAccounts(LONG section, BSTR code, LONG* r) override {
    *r = 0;
    return log.Record("ShowDefaultAccounts " + std::to_string(section) + " " + com::ToUtf8(code));
  }

 private:
  template <class Interface, class Window>
  HRESULT Hand(const char* getter, LONG id, Window& window, Interface** out) {
    *out = nullptr;
    const HRESULT status = log.Record(std::string(getter) + (id == -1 ? "" : " " + std::to_string(id)));
    if (SUCCEEDED(status) && !noWindows) {
      *out = &window;
      window.AddRef();
    }
    return status;
  }
};
