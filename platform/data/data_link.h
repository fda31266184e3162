#pragma once
// The observer through which data-aware controls bind to a table and one of its fields.
// A control derives from DataLink (or owns a derived one), attaches it to a table and reacts
// to the notices; it writes the user's text back with WriteText().
#include <string>

namespace data {

class Field;
class Table;

class DataLink {
 public:
  DataLink() = default;
  virtual ~DataLink();  // leaves its table
  DataLink(const DataLink&) = delete;
  DataLink& operator=(const DataLink&) = delete;

  // Starts observing `table` (nullptr: none); a link observes one table at a time.
  // A table that is destroyed first detaches its links.
  void SetTable(Table* table);
  Table* GetTable() const { return table_; }

  // The field that the control shows; empty for a link to the whole record.
  const std::string& FieldName() const { return fieldName_; }
  void SetFieldName(std::string name) { fieldName_ = std::move(name); }
  // nullptr without a table, without a field name or when the table has no such field.
  Field* GetField() const;

  // Makes the current record editable, as a control does on the user's first change: starts
  // editing (inserting, on an empty table); throws the errors of EnsureEditMode.
  void Edit();
  // Stores the user's text in the linked field through its edit-text handler, editing first.
  void WriteText(const std::string& text);

 protected:
  // The current record moved or its stored content changed (open, post, cancel, empty).
  virtual void RecordChanged() {}
  // A field of the edit buffer was written (by any link or by code).
  virtual void FieldChanged(const Field&) {}
  // The table went into another state (Table::State()).
  virtual void StateChanged() {}
  // The table was closed; its fields are empty until it is opened again.
  virtual void TableClosed() {}

 private:
  friend class Table;
  Table* table_ = nullptr;
  std::string fieldName_;
};

}  // namespace data
