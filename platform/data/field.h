#pragma once
// One field of a table. It reads and writes the table's current record: the edit buffer while
// the table is editing or inserting, the current stored row otherwise.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/data/field_def.h"
#include "platform/data/value.h"

namespace data {

class Table;

class Field {
 public:
  Field(Table& table, size_t index, FieldDef def);

  const std::string& Name() const { return def_.name; }
  FieldKind Kind() const { return def_.kind; }
  int Size() const { return def_.size; }
  size_t Index() const { return index_; }
  // The allowed range of an integer field; absent when unbounded on that side.
  std::optional<int32_t> MinValue() const { return def_.min; }
  std::optional<int32_t> MaxValue() const { return def_.max; }

  const Value& GetValue() const;
  bool IsNull() const;
  std::string AsString() const;  // "" when null
  int32_t AsInteger() const;     // 0 when null
  bool AsBoolean() const;        // false when null

  // Setters need the table in Edit or Insert; they throw DataError when the value does not fit.
  void SetValue(const Value& value);
  void SetAsString(std::string_view text) { SetValue(std::string(text)); }
  void SetAsInteger(int32_t number) { SetValue(number); }
  void SetAsBoolean(bool flag) { SetValue(flag); }
  void Clear() { SetValue(std::monostate{}); }

  // What a control shows and what a control writes; OnGetText / OnSetText replace the default.
  // By default a memo shows only a placeholder, since its text may be longer than any control.
  std::string DisplayText() const;
  void SetEditText(std::string_view text);

  std::function<std::string(const Field&)> OnGetText;
  std::function<void(Field&, const std::string&)> OnSetText;

 private:
  Table* table_;
  size_t index_;
  FieldDef def_;
};

}  // namespace data
