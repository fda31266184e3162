#pragma once
// The declaration of one table field: name, kind, size and the allowed range of integers.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace data {

enum class FieldKind { String, Integer, Boolean, Memo };

// A memo holds text of any length; like the table files of the host, it declares this size.
inline constexpr int kMemoDeclaredSize = 2048;

struct FieldDef {
  std::string name;
  FieldKind kind = FieldKind::String;
  int size = 0;  // characters for String, kMemoDeclaredSize for Memo, 0 otherwise
  std::optional<int32_t> min;
  std::optional<int32_t> max;

  static FieldDef String(std::string name, int size) {
    return {std::move(name), FieldKind::String, size, {}, {}};
  }
  static FieldDef Integer(std::string name, std::optional<int32_t> min = {},
                          std::optional<int32_t> max = {}) {
    return {std::move(name), FieldKind::Integer, 0, min, max};
  }
  static FieldDef Boolean(std::string name) {
    return {std::move(name), FieldKind::Boolean, 0, {}, {}};
  }
  static FieldDef Memo(std::string name) {
    return {std::move(name), FieldKind::Memo, kMemoDeclaredSize, {}, {}};
  }
};

using FieldDefs = std::vector<FieldDef>;

}  // namespace data
