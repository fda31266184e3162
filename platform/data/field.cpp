#include "platform/data/field.h"

#include "platform/data/table.h"

namespace data {

Field::Field(Table& table, size_t index, FieldDef def)
    : table_(&table), index_(index), def_(std::move(def)) {}

const Value& Field::GetValue() const { return table_->ActiveValue(index_); }

bool Field::IsNull() const { return std::holds_alternative<std::monostate>(GetValue()); }

std::string Field::AsString() const { return ValueToText(GetValue()); }

int32_t Field::AsInteger() const {
  const Value& value = GetValue();
  if (const auto* number = std::get_if<int32_t>(&value)) return *number;
  if (const auto* flag = std::get_if<bool>(&value)) return *flag ? 1 : 0;
  if (const auto* text = std::get_if<std::string>(&value)) return ParseInteger(*text, def_.name);
  return 0;
}

bool Field::AsBoolean() const {
  const Value& value = GetValue();
  if (const auto* flag = std::get_if<bool>(&value)) return *flag;
  if (const auto* number = std::get_if<int32_t>(&value)) return *number != 0;
  if (const auto* text = std::get_if<std::string>(&value)) return ParseBoolean(*text, def_.name);
  return false;
}

void Field::SetValue(const Value& value) {
  table_->SetActiveValue(index_, ToFieldValue(def_, value));
}

std::string Field::DisplayText() const {
  if (OnGetText) return OnGetText(*this);
  if (def_.kind == FieldKind::Memo) return IsNull() ? "(memo)" : "(MEMO)";
  return AsString();
}

void Field::SetEditText(std::string_view text) {
  if (OnSetText) {
    OnSetText(*this, std::string(text));
  } else {
    SetValue(std::string(text));
  }
}

}  // namespace data
