#pragma once
// A database value and the column types of the company database. Dates are stored as ISO
// text ("2027-01-01", with " HH:MM:SS" when there is a time of day), so the files read well
// with any SQLite tool.
#include <cstdint>
#include <string>

namespace demohost {

enum class ColumnType { Integer, Real, Text, Date };

struct Value {
  enum class Kind { Null, Integer, Real, Text };
  Kind kind = Kind::Null;
  int64_t integer = 0;
  double real = 0;
  std::string text;

  static Value Null() { return {}; }
  static Value Int(int64_t v) { return {Kind::Integer, v, 0, {}}; }
  static Value Real(double v) { return {Kind::Real, 0, v, {}}; }
  static Value Text(std::string v) { return {Kind::Text, 0, 0, std::move(v)}; }
  bool IsNull() const { return kind == Kind::Null; }
  bool operator==(const Value&) const = default;
};

// Declared SQL type -> column type: INTEGER, REAL, DATE, anything else text.
ColumnType ColumnTypeFromDeclared(const std::string& declared);

// What a person typed into a field of that type, checked and normalised; empty is null.
// Throws HostError naming the field when the text does not fit.
Value ParseTyped(const std::string& text, ColumnType type, const std::string& field);
// The value as a person reads it.
std::string Display(const Value& value);

// Dates as days since 1899-12-30 with the time of day as fraction (the automation date).
std::string DateText(double automationDate);
// Parses "YYYY-MM-DD" with an optional " HH:MM[:SS]"; false when it is no valid date.
bool ParseDateText(const std::string& text, double* automationDate);

}  // namespace demohost
