#pragma once
// Checked calls on the host's tables and fields, for pages that write into the host's data
// (currencies, vouchers): a failing status becomes a HostError with the host's text.
//   host::Table vouchers = host::GetTable(*window);
//   vouchers.SetActive(true);
//   vouchers.Append();
//   vouchers.FieldByName("TRNSDATE").SetValue(com::Variant::Date(day));
#include <string>

#include "Tutorial/host/Zendri_TLB.h"
#include "platform/com/ptr.h"
#include "platform/com/variant.h"

namespace host {

class Field {
 public:
  explicit Field(com::Ptr<IFieldObj> field) : field_(std::move(field)) {}

  com::Variant GetValue() const;
  void SetValue(const com::Variant& value);

 private:
  com::Ptr<IFieldObj> field_;
};

// A host table. It may hold no table (a window that has none); using an empty one is an
// error, not a crash.
class Table {
 public:
  Table() = default;
  explicit Table(com::Ptr<ITableObj> table) : table_(std::move(table)) {}

  explicit operator bool() const { return bool(table_); }
  ITableObj* Get() const { return table_.Get(); }

  void SetActive(bool active);
  // Moves to the first record whose `fieldName` equals `value`; false when there is none.
  bool Locate(const std::string& fieldName, const com::Variant& value);
  void Append();
  void Edit();
  void Post();
  // A field of the current record; a name the table does not have is an error.
  Field FieldByName(const std::string& name);

 private:
  ITableObj& Require() const;
  com::Ptr<ITableObj> table_;
};

// The main table of a host window; empty when the host hands back none.
Table GetTable(INormalCardForm& window);
Table GetTable(IStandardCardForm& window);
Table GetTable(IStandardOperationForm& window);

// Ends or undoes the changes made through a card window's table.
void CommitChanges(IStandardCardForm& window);
void RollbackChanges(IStandardCardForm& window);

}  // namespace host
