#pragma once
// The value of one field in one record, and the conversions between the field kinds.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/data/field_def.h"

namespace data {

// std::monostate is the empty (null) value; an empty string is a value of its own.
using Value = std::variant<std::monostate, std::string, int32_t, bool>;
using Row = std::vector<Value>;

// Converts `value` to the kind of `def` and checks it against the field's limits
// (size of strings, range of integers, well-formed UTF-8). Throws DataError with a
// message naming the field when the value does not fit.
Value ToFieldValue(const FieldDef& def, const Value& value);

// The text form of a value: "" for null, decimal integers, "True"/"False".
std::string ValueToText(const Value& value);

// Text read as an integer or a Boolean for the named field; surrounding spaces are ignored.
// Throw DataError when the text is not one.
int32_t ParseInteger(std::string_view text, const std::string& fieldName);
bool ParseBoolean(std::string_view text, const std::string& fieldName);

// ASCII case-insensitive comparison, as field names and Boolean words are compared.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace data
