#include "platform/ui/field_binding.h"

#include <optional>

#include "platform/data/data_error.h"
#include "platform/data/field.h"
#include "platform/data/table.h"
#include "platform/data/value.h"
#include "platform/ui/errors.h"

namespace ui {
namespace {

// The field's own conversion decides; blank text clears the field.
std::optional<std::string> IntegerError(const data::Field& field, const std::string& text) {
  if (text.find_first_not_of(' ') == std::string::npos) return std::nullopt;
  try {
    data::ParseInteger(text, field.Name());
  } catch (const data::DataError& e) {
    return e.what();
  }
  return std::nullopt;
}

}  // namespace

FieldBinding::FieldBinding(std::function<void(const std::string&)> show,
                           std::function<void(int)> limit)
    : show_(std::move(show)), limit_(std::move(limit)) {}

void FieldBinding::SetDataSource(data::Table* table) {
  SetTable(table);
  Load();
}

void FieldBinding::SetDataField(const std::string& field) {
  SetFieldName(field);
  Load();
}

bool FieldBinding::IsIntegerField() const {
  const data::Field* field = GetField();
  return field && field->Kind() == data::FieldKind::Integer;
}

bool FieldBinding::AcceptsChar(char32_t ch) const {
  if (!IsIntegerField() || ch < 0x20) return true;
  return (ch >= '0' && ch <= '9') || ch == '-' || ch == '+';
}

void FieldBinding::Load() {
  if (storing_) return;
  const data::Field* field = GetField();
  const data::Table* table = GetTable();
  const bool active = table && table->Active();
  show_(field && active ? field->DisplayText() : std::string());
  if (field && field->Kind() == data::FieldKind::String) limit_(field->Size());
}

void FieldBinding::FieldChanged(const data::Field& field) {
  if (&field == GetField()) Load();
}

void FieldBinding::Store(std::string text) {
  const data::Field* field = GetField();
  if (!field || (IsIntegerField() && IntegerError(*field, text))) return;
  // The control shows the user's text already: while it goes into the record, the table's
  // notices must not write it back (that would move the caret).
  storing_ = true;
  try {
    WriteText(text);
  } catch (...) {
    storing_ = false;
    throw;
  }
  storing_ = false;
}

void FieldBinding::CheckOnExit(const std::string& text) {
  if (!IsIntegerField()) return;
  const std::optional<std::string> error = IntegerError(*GetField(), text);
  if (!error) return;
  Load();  // the field keeps its old value
  throw Error(*error);
}

}  // namespace ui
