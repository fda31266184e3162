#include "platform/com/variant.h"

#include <utility>

namespace com {

namespace {
// Days from 1 January 1970 to a proleptic Gregorian date (valid for every year here).
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = unsigned(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + int64_t(doe) - 719468;
}

bool IsLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

constexpr int64_t kDaysFrom1899To1970 = 25569;
}  // namespace

std::optional<double> AutomationDate(int year, int month, int day) {
  static constexpr int kDaysInMonth[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return std::nullopt;
  const int last = kDaysInMonth[month - 1] + (month == 2 && IsLeap(year) ? 1 : 0);
  if (day > last) return std::nullopt;
  return double(DaysFromCivil(year, unsigned(month), unsigned(day)) + kDaysFrom1899To1970);
}

Variant::Variant() { VariantInit(&value_); }

Variant::Variant(std::string_view utf8) : Variant() {
  const std::u16string wide = Utf8ToUtf16(utf8);
  value_.bstrVal =
      SysAllocStringLen(reinterpret_cast<const OLECHAR*>(wide.data()), unsigned(wide.size()));
  value_.vt = VT_BSTR;
}

Variant::Variant(int32_t value) : Variant() {
  value_.vt = VT_I4;
  value_.lVal = value;
}

Variant::Variant(bool value) : Variant() {
  value_.vt = VT_BOOL;
  value_.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}

Variant Variant::Date(double automationDate) {
  Variant v;
  v.value_.vt = VT_DATE;
  v.value_.date = automationDate;
  return v;
}

Variant::~Variant() { VariantClear(&value_); }

// The platform's VariantCopy takes its source as non-const; it does not change it.
Variant::Variant(const Variant& other) : Variant() {
  VariantCopy(&value_, const_cast<VARIANT*>(&other.value_));
}

Variant& Variant::operator=(const Variant& other) {
  if (this != &other) VariantCopy(&value_, const_cast<VARIANT*>(&other.value_));
  return *this;
}

Variant::Variant(Variant&& other) noexcept : value_(other.value_) { VariantInit(&other.value_); }

Variant& Variant::operator=(Variant&& other) noexcept {
  if (this != &other) {
    VariantClear(&value_);
    value_ = other.value_;
    VariantInit(&other.value_);
  }
  return *this;
}

VARIANT* Variant::Out() {
  VariantClear(&value_);
  return &value_;
}

std::optional<std::string> Variant::Text() const {
  if (value_.vt != VT_BSTR) return std::nullopt;
  return ToUtf8(value_.bstrVal);
}

std::optional<int32_t> Variant::Integer() const {
  if (value_.vt != VT_I4) return std::nullopt;
  return value_.lVal;
}

std::optional<double> Variant::DateValue() const {
  if (value_.vt != VT_DATE) return std::nullopt;
  return value_.date;
}

}  // namespace com
