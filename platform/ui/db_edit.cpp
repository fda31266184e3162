#include "platform/ui/db_edit.h"

#include <charconv>

#include "platform/data/field.h"
#include "platform/data/table.h"
#include "platform/ui/errors.h"

namespace ui {
namespace {

bool ParsesAsInteger(const std::string& text) {
  if (text.empty()) return true;  // an empty edit clears the field
  const char* begin = text.data();
  const char* end = begin + text.size();
  if (*begin == '+') ++begin;
  int32_t value = 0;
  const auto [ptr, error] = std::from_chars(begin, end, value);
  return error == std::errc() && ptr == end;
}

}  // namespace

void DBEdit::SetDataSource(data::Table* table) {
  SetTable(table);
  Load();
}

void DBEdit::SetDataField(const std::string& field) {
  SetFieldName(field);
  Load();
}

bool DBEdit::IsIntegerField() const {
  const data::Field* field = GetField();
  return field && field->Kind() == data::FieldKind::Integer;
}

bool DBEdit::AcceptsChar(char32_t ch) const {
  if (!IsIntegerField() || ch < 0x20) return true;
  return (ch >= '0' && ch <= '9') || ch == '-' || ch == '+';
}

void DBEdit::Load() {
  if (writing_) return;
  const data::Field* field = GetField();
  const data::Table* table = GetTable();
  const bool active = table && table->Active();
  SetText(field && active ? field->DisplayText() : std::string(), Notify::No);
  if (field && field->Kind() == data::FieldKind::String) SetMaxLength(field->Size());
}

void DBEdit::FieldChanged(const data::Field& field) {
  if (&field == GetField()) Load();
}

void DBEdit::Change() {
  // Integer text is written once it is a whole number; the check on exit reports the rest.
  // The native window shows the user's text already: while it goes into the record, the
  // table's notices must not write it back (that would move the caret).
  if (GetField() && (!IsIntegerField() || ParsesAsInteger(Text()))) {
    writing_ = true;
    try {
      WriteText(std::string(Text()));
    } catch (...) {
      writing_ = false;
      throw;
    }
    writing_ = false;
  }
  Edit::Change();
}

void DBEdit::DoExit() {
  if (GetField() && IsIntegerField() && !ParsesAsInteger(Text())) {
    const std::string refused = Text();
    Load();  // the field keeps its old value
    throw Error("'" + refused + "' is not a valid integer value for field '" + GetField()->Name() + "'");
  }
  Edit::DoExit();
}

}  // namespace ui
