#pragma once
// An owned automation VARIANT: the values the assistant hands to host fields and reads back.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/com/com.h"

namespace com {

// The automation date of midnight on a calendar day (days since 30 December 1899), or
// nothing when year, month and day form no date (years 1 to 9999).
std::optional<double> AutomationDate(int year, int month, int day);

class Variant {
 public:
  Variant();  // VT_EMPTY
  explicit Variant(std::string_view utf8);
  explicit Variant(const char* utf8) : Variant(std::string_view(utf8)) {}
  explicit Variant(int32_t value);
  explicit Variant(bool value);
  // A VT_DATE holding an automation date (see AutomationDate).
  static Variant Date(double automationDate);
  ~Variant();
  Variant(const Variant& other);
  Variant& operator=(const Variant& other);
  Variant(Variant&& other) noexcept;
  Variant& operator=(Variant&& other) noexcept;

  // For [in] parameters passed by value: the callee borrows, this object still owns.
  const VARIANT& Get() const { return value_; }
  // For [out] parameters: clears the old value first.
  VARIANT* Out();

  VARTYPE Type() const { return value_.vt; }
  // The value when it has that type; nothing otherwise.
  std::optional<std::string> Text() const;
  std::optional<int32_t> Integer() const;
  std::optional<double> DateValue() const;

 private:
  VARIANT value_;
};

}  // namespace com
