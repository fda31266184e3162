#include "Tutorial/host/table_calls.h"

#include "Tutorial/host/host_calls.h"

namespace host {

com::Variant Field::GetValue() const {
  com::Variant value;
  Check(field_->GetValue(value.Out()));
  return value;
}

void Field::SetValue(const com::Variant& value) { Check(field_->SetValue(value.Get())); }

ITableObj& Table::Require() const {
  if (!table_) throw ui::Error("The accounting program returned no table for this window.");
  return *table_;
}

void Table::SetActive(bool active) {
  Check(Require().SetActive(active ? VARIANT_TRUE : VARIANT_FALSE));
}

bool Table::Locate(const std::string& fieldName, const com::Variant& value) {
  ITableObj& table = Require();
  com::Bstr name(fieldName);
  VARIANT_BOOL found = VARIANT_FALSE;
  Check(table.Locate(name.Get(), value.Get(), 0, 0, &found));
  return found != VARIANT_FALSE;
}

void Table::Append() {
  ITableObj& table = Require();
  com::Bstr ignored;
  Check(table.Append(ignored.Out()));
}

void Table::Edit() { Check(Require().Edit()); }

void Table::Post() {
  ITableObj& table = Require();
  com::Bstr ignored;
  Check(table.Post(ignored.Out()));
}

Field Table::FieldByName(const std::string& name) {
  ITableObj& table = Require();
  com::Bstr text(name);
  IFieldObj* field = nullptr;
  const HRESULT status = table.FieldByName(text.Get(), &field);
  com::Ptr<IFieldObj> owned = com::Ptr<IFieldObj>::Adopt(field);
  Check(status);
  if (!owned) throw ui::Error("The accounting program's table has no field \"" + name + "\".");
  return host::Field(std::move(owned));
}

namespace {
template <class Window>
Table TableOf(Window& window) {
  ITableObj* table = nullptr;
  const HRESULT status = window.GetTable(&table);
  com::Ptr<ITableObj> owned = com::Ptr<ITableObj>::Adopt(table);
  Check(status);
  return Table(std::move(owned));
}
}  // namespace

Table GetTable(INormalCardForm& window) { return TableOf(window); }
Table GetTable(IStandardCardForm& window) { return TableOf(window); }
Table GetTable(IStandardOperationForm& window) { return TableOf(window); }

void CommitChanges(IStandardCardForm& window) { Check(window.CommitChanges()); }
void RollbackChanges(IStandardCardForm& window) { Check(window.RollbackChanges()); }

}  // namespace host
