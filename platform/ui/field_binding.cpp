#include "platform/ui/field_binding.h"

#include <charconv>
#include <cstdint>

#include "platform/data/field.h"
#include "platform/data/table.h"
#include "platform/ui/errors.h"

namespace ui {
namespace {

bool ParsesAsInteger(const std::string& text) {
  if (text.empty()) return true;  // an empty control clears the field
  const char* begin = text.data();
  const char* end = begin + text.size();
  if (*begin == '+') ++begin;
  int32_t value = 0;
  const auto [ptr, error] = std::from_chars(begin, end, value);
  return error == std::errc() && ptr == end;
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
  if (!GetField() || (IsIntegerField() && !ParsesAsInteger(text))) return;
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
  if (!IsIntegerField() || ParsesAsInteger(text)) return;
  const std::string refused = text;  // `text` may be the control's, which Load replaces
  Load();                            // the field keeps its old value
  throw Error("'" + refused + "' is not a valid integer value for field '" + GetField()->Name() + "'");
}

}  // namespace ui
