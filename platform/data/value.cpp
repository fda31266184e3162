#include "platform/data/value.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "platform/data/data_error.h"
#include "platform/data/utf8.h"

namespace data {
namespace {

std::string_view Trim(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// Empty text means an empty (null) field for the non-text kinds.
Value TextToKind(const FieldDef& def, const std::string& text) {
  if (def.kind == FieldKind::String || def.kind == FieldKind::Memo) return text;
  if (Trim(text).empty()) return std::monostate{};
  if (def.kind == FieldKind::Integer) return ParseInteger(text, def.name);
  return ParseBoolean(text, def.name);
}

Value Convert(const FieldDef& def, const Value& value) {
  if (std::holds_alternative<std::monostate>(value)) return value;
  if (const auto* text = std::get_if<std::string>(&value)) return TextToKind(def, *text);
  switch (def.kind) {
    case FieldKind::String:
    case FieldKind::Memo:
      return ValueToText(value);
    case FieldKind::Integer:
      if (const auto* b = std::get_if<bool>(&value)) return int32_t{*b ? 1 : 0};
      return value;
    case FieldKind::Boolean:
      if (const auto* i = std::get_if<int32_t>(&value)) return *i != 0;
      return value;
  }
  return value;
}

void CheckLimits(const FieldDef& def, const Value& value) {
  if (const auto* text = std::get_if<std::string>(&value)) {
    const auto length = Utf8Length(*text);
    if (!length) throw DataError("The text for field '" + def.name + "' is not valid UTF-8");
    if (def.kind == FieldKind::String && *length > static_cast<size_t>(def.size)) {
      throw DataError("Value '" + *text + "' is too long for field '" + def.name + "' (at most " +
                      std::to_string(def.size) + " characters)");
    }
  } else if (const auto* number = std::get_if<int32_t>(&value)) {
    if ((def.min && *number < *def.min) || (def.max && *number > *def.max)) {
      throw DataError(std::to_string(*number) + " is not a valid value for field '" + def.name +
                      "'. The allowed range is " + std::to_string(def.min.value_or(INT32_MIN)) +
                      " to " + std::to_string(def.max.value_or(INT32_MAX)));
    }
  }
}

}  // namespace

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

Value ToFieldValue(const FieldDef& def, const Value& value) {
  Value converted = Convert(def, value);
  CheckLimits(def, converted);
  return converted;
}

std::string ValueToText(const Value& value) {
  if (const auto* text = std::get_if<std::string>(&value)) return *text;
  if (const auto* number = std::get_if<int32_t>(&value)) return std::to_string(*number);
  if (const auto* flag = std::get_if<bool>(&value)) return *flag ? "True" : "False";
  return {};
}

int32_t ParseInteger(std::string_view text, const std::string& fieldName) {
  std::string_view digits = Trim(text);
  const bool plus = !digits.empty() && digits.front() == '+';
  if (plus) digits.remove_prefix(1);
  int32_t result = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), result);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
      (plus && digits.front() == '-')) {
    throw DataError("'" + std::string(text) + "' is not a valid integer value for field '" +
                    fieldName + "'");
  }
  return result;
}

bool ParseBoolean(std::string_view text, const std::string& fieldName) {
  const std::string_view word = Trim(text);
  if (EqualsIgnoringCase(word, "True") || EqualsIgnoringCase(word, "T")) return true;
  if (EqualsIgnoringCase(word, "False") || EqualsIgnoringCase(word, "F")) return false;
  throw DataError("'" + std::string(text) + "' is not a valid boolean value for field '" +
                  fieldName + "'");
}

}  // namespace data
