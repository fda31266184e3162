#pragma once
// A host for the company and currency tests: creation and opening of companies, the current
// database connection, and a currency window over an in-memory table. Every call is logged
// in order in `calls`; `failOn` makes the named call (e.g. "Post#2", the second Post) fail
// with `errorText`.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tests/unit/fake_host.h"

namespace fake {

// Shared by the objects of one host: the call log and the fault to inject.
struct HostLog {
  std::vector<std::string> calls;
  std::string failOn;
  std::string errorText = "The host refused.";
  std::map<std::string, int> counts;

  HRESULT Record(const std::string& call) {
    calls.push_back(call);
    const std::string name = call.substr(0, call.find(' '));
    const std::string numbered = name + "#" + std::to_string(++counts[name]);
    if (failOn != name && failOn != numbered) return S_OK;
    com::SetErrorDescription(errorText);
    return E_FAIL;
  }
};

template <class Interface>
class Counted : public Interface {
 public:
  int references = 0;
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
};

#define FAKE_SLOT(n) \
  HRESULT STDMETHODCALLTYPE Reserved##n() override { return E_NOTIMPL; }

class Connection final : public Counted<host::IZndrConnection> {
 public:
  std::string databaseName;
  bool connected = true;
  HRESULT STDMETHODCALLTYPE GetDatabaseName(BSTR* fileName) override {
    const std::u16string text = com::Utf8ToUtf16(databaseName);
    *fileName = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), unsigned(text.size()));
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetConnected(VARIANT_BOOL* value) override {
    *value = connected ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
  }
};

// One host currency record: "Type", "Code", "Description".
using Record = std::map<std::string, std::string>;

class CurrencyTable;

class Field final : public Counted<host::IFieldObj> {
 public:
  Field(CurrencyTable& table, std::string name) : table_(table), name_(std::move(name)) {}
  HRESULT STDMETHODCALLTYPE GetValue(VARIANT* value) override;
  HRESULT STDMETHODCALLTYPE SetValue(VARIANT value) override;

 private:
  CurrencyTable& table_;
  std::string name_;
};

class CurrencyTable final : public Counted<host::ITableObj> {
 public:
  explicit CurrencyTable(HostLog& log) : log(log) {}
  HostLog& log;
  std::vector<Record> records;  // posted records
  Record buffer;                // the record being edited or appended
  int current = -1;             // index of the edited record; -1 while appending
  std::vector<std::unique_ptr<Field>> fields;

  FAKE_SLOT(7) FAKE_SLOT(8) FAKE_SLOT(9) FAKE_SLOT(10)
  HRESULT STDMETHODCALLTYPE Locate(BSTR field, VARIANT value, LONG, LONG, VARIANT_BOOL* found) override {
    const std::string key = com::ToUtf8(field);
    const std::string wanted = value.vt == VT_I4 ? std::to_string(value.lVal) : "?";
    *found = VARIANT_FALSE;
    const HRESULT status = log.Record("Locate " + key + "=" + wanted);
    if (FAILED(status)) return status;
    for (size_t i = 0; i < records.size(); ++i)
      if (records[i][key] == wanted) {
        current = int(i);
        *found = VARIANT_TRUE;
      }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE FieldByName(BSTR name, host::IFieldObj** field) override {
    fields.push_back(std::make_unique<Field>(*this, com::ToUtf8(name)));
    fields.back()->AddRef();
    *field = fields.back().get();
    return S_OK;
  }
  FAKE_SLOT(13) FAKE_SLOT(14) FAKE_SLOT(15)
  HRESULT STDMETHODCALLTYPE SetActive(VARIANT_BOOL) override { return log.Record("SetActive"); }
  FAKE_SLOT(17) FAKE_SLOT(18) FAKE_SLOT(19) FAKE_SLOT(20) FAKE_SLOT(21) FAKE_SLOT(22)
  HRESULT STDMETHODCALLTYPE Append(BSTR* result) override {
    *result = nullptr;
    current = -1;
    buffer.clear();
    return log.Record("Append");
  }
  FAKE_SLOT(24)
  HRESULT STDMETHODCALLTYPE Post(BSTR* result) override {
    *result = nullptr;
    const HRESULT status = log.Record("Post");
    if (FAILED(status)) return status;
    if (current < 0) records.push_back(buffer);
    else records[size_t(current)] = buffer;
    return S_OK;
  }
  FAKE_SLOT(26) FAKE_SLOT(27) FAKE_SLOT(28)
  HRESULT STDMETHODCALLTYPE Edit() override {
    buffer = records[size_t(current)];
    return log.Record("Edit");
  }
};

inline HRESULT Field::GetValue(VARIANT* value) {
  VariantInit(value);
  auto found = table_.buffer.find(name_);
  if (found == table_.buffer.end()) return S_OK;  // a new record's field is empty
  const std::u16string text = com::Utf8ToUtf16(found->second);
  value->vt = VT_BSTR;
  value->bstrVal = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), unsigned(text.size()));
  return S_OK;
}

inline HRESULT Field::SetValue(VARIANT value) {
  const std::string text = value.vt == VT_I4 ? std::to_string(value.lVal) : com::ToUtf8(value.bstrVal);
  const HRESULT status = table_.log.Record("SetValue " + name_ + "=" + text);
  if (SUCCEEDED(status)) table_.buffer[name_] = text;
  return status;
}

class CurrencyForm final : public Counted<host::ICurrencyForm> {
 public:
  explicit CurrencyForm(HostLog& log) : log(log), table(log) {}
  HostLog& log;
  CurrencyTable table;
  FAKE_SLOT(7) FAKE_SLOT(8) FAKE_SLOT(9) FAKE_SLOT(10) FAKE_SLOT(11) FAKE_SLOT(12) FAKE_SLOT(13)
  HRESULT STDMETHODCALLTYPE ShowModal(LONG* result) override {
    *result = 0;
    return log.Record("ShowModal");
  }
  FAKE_SLOT(15) FAKE_SLOT(16) FAKE_SLOT(17) FAKE_SLOT(18) FAKE_SLOT(19) FAKE_SLOT(20)
  HRESULT STDMETHODCALLTYPE GetTable(host::ITableObj** result) override {
    table.AddRef();
    *result = &table;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE CommitChanges() override { return log.Record("CommitChanges"); }
  HRESULT STDMETHODCALLTYPE RollbackChanges() override { return log.Record("RollbackChanges"); }
};

#undef FAKE_SLOT

// The main form: company creation and opening, the currency window.
class CompanyHost : public FakeMainForm {
 public:
  HostLog log;
  bool created = true;          // what CreateCompany reports
  bool hasCurrencyWindow = true;
  CurrencyForm currencyForm{log};

  HRESULT STDMETHODCALLTYPE OpenCompany(BSTR path) override {
    return log.Record("OpenCompany " + com::ToUtf8(path));
  }
  HRESULT STDMETHODCALLTYPE CreateCompany(BSTR settings, BSTR*, BSTR*, VARIANT_BOOL* result) override {
    *result = created ? VARIANT_TRUE : VARIANT_FALSE;
    return log.Record("CreateCompany " + com::ToUtf8(settings));
  }
  HRESULT STDMETHODCALLTYPE GetCurrencyForm(LONG, host::ICurrencyForm** form) override {
    *form = nullptr;
    const HRESULT status = log.Record("GetCurrencyForm");
    if (SUCCEEDED(status) && hasCurrencyWindow) {
      currencyForm.AddRef();
      *form = &currencyForm;
    }
    return status;
  }
};

}  // namespace fake
