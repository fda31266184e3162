#pragma once
// A host that creates and opens companies, answers with its current database connection and
// has a currency window over a table of records. Calls go into the main form's `calls`; a
// call is made to fail through `log.failOn` (a prefix: "Post 1" fails posting type 1).
#include <map>
#include <string>
#include <vector>

#include "tests/unit/fake_host_windows.h"

namespace fake {

class Connection final : public FakeObject<host::IZndrConnection> {
 public:
  using FakeObject::FakeObject;
  std::string databaseName;
  bool connected = true;
  HRESULT STDMETHODCALLTYPE GetDatabaseName(BSTR* fileName) override {
    *fileName = SysAllocString(reinterpret_cast<const OLECHAR*>(com::Utf8ToUtf16(databaseName).c_str()));
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetConnected(VARIANT_BOOL* value) override {
    *value = connected ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
  }
};

// A host currency record by field name ("Type", "Code", "Description"), values as text.
using Record = std::map<std::string, std::string>;

class CurrencyTable;

class Field final : public FakeObject<host::IFieldObj> {
 public:
  Field(CurrencyTable& table, std::string name);
  HRESULT STDMETHODCALLTYPE GetValue(VARIANT* value) override;
  HRESULT STDMETHODCALLTYPE SetValue(VARIANT value) override;

 private:
  CurrencyTable& table_;
  std::string name_;
};

class CurrencyTable final : public FakeObject<host::ITableObj> {
 public:
  using FakeObject::FakeObject;
  std::vector<Record> records;  // posted
  Record buffer;                // being edited or appended
  int current = -1;             // the edited record; -1 while appending
  std::vector<std::unique_ptr<Field>> fields;

  HRESULT STDMETHODCALLTYPE Locate(BSTR field, VARIANT value, LONG, LONG, VARIANT_BOOL* found) override {
    const std::string key = com::ToUtf8(field), wanted = std::to_string(value.lVal);
    *found = VARIANT_FALSE;
    for (size_t i = 0; i < records.size() && value.vt == VT_I4; ++i)
      if (records[i][key] == wanted) *found = VARIANT_TRUE, current = int(i);
    return log.Record("Locate " + key + "=" + wanted);
  }
  HRESULT STDMETHODCALLTYPE FieldByName(BSTR name, host::IFieldObj** field) override {
    fields.push_back(std::make_unique<Field>(*this, com::ToUtf8(name)));
    *field = fields.back().get();
    (*field)->AddRef();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetActive(VARIANT_BOOL) override { return log.Record("SetActive"); }
  HRESULT STDMETHODCALLTYPE Append(BSTR*) override {
    current = -1;
    buffer.clear();
    return log.Record("Append");
  }
  HRESULT STDMETHODCALLTYPE Post(BSTR*) override {
    const HRESULT status = log.Record("Post " + buffer["Type"]);
    if (SUCCEEDED(status)) (current < 0 ? records.emplace_back() : records[size_t(current)]) = buffer;
    return status;
  }
  HRESULT STDMETHODCALLTYPE Edit() override {
    buffer = records[size_t(current)];
    return log.Record("Edit");
  }
};

inline Field::Field(CurrencyTable& table, std::string name)
    : FakeObject(table.log), table_(table), name_(std::move(name)) {}

inline HRESULT Field::GetValue(VARIANT* value) {
  auto found = table_.buffer.find(name_);  // a new record's fields are empty
  VariantCopy(value, &(found == table_.buffer.end() ? com::Variant() : com::Variant(found->second)).Get());
  return S_OK;
}

inline HRESULT Field::SetValue(VARIANT value) {
  const std::string text = value.vt == VT_I4 ? std::to_string(value.lVal) : com::ToUtf8(value.bstrVal);
  const HRESULT status = log.Record("SetValue " + name_ + "=" + text);
  if (SUCCEEDED(status)) table_.buffer[name_] = text;
  return status;
}

class CurrencyWindow final : public FakeObject<host::ICurrencyForm> {
 public:
  using FakeObject::FakeObject;
  CurrencyTable table{log};
  HRESULT STDMETHODCALLTYPE ShowModal(LONG* result) override {
    *result = 0;
    return log.Record("ShowModal");
  }
  HRESULT STDMETHODCALLTYPE GetTable(host::ITableObj** result) override {
    table.AddRef();
    *result = &table;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE CommitChanges() override { return log.Record("CommitChanges"); }
  HRESULT STDMETHODCALLTYPE RollbackChanges() override { return log.Record("RollbackChanges"); }
};

class CompanyHost final : public FakeMainForm {
 public:
  FakeHostLog log{calls};
  bool created = true;  // what CreateCompany reports
  bool hasCurrencyWindow = true;
  CurrencyWindow currency{log};

  HRESULT STDMETHODCALLTYPE OpenCompany(BSTR path) override {
    return log.Record("OpenCompany " + com::ToUtf8(path));
  }
  HRESULT STDMETHODCALLTYPE CreateCompany(BSTR settings, BSTR*, BSTR*, VARIANT_BOOL* result) override {
    *result = created ? VARIANT_TRUE : VARIANT_FALSE;
    return log.Record("CreateCompany " + com::ToUtf8(settings));
  }
  HRESULT STDMETHODCALLTYPE GetCurrencyForm(LONG, host::ICurrencyForm** form) override {
    *form = hasCurrencyWindow ? &currency : nullptr;
    if (*form) currency.AddRef();
    return log.Record("GetCurrencyForm");
  }
};

}  // namespace fake
