#include "platform/data/table_file.h"

#include <nlohmann/json.hpp>

#include "platform/data/data_error.h"

namespace data {
namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kFormat = "tutor-table";
constexpr int kVersion = 1;

const char* TypeName(FieldKind kind) {
  switch (kind) {
    case FieldKind::String:
      return "string";
    case FieldKind::Integer:
      return "integer";
    case FieldKind::Boolean:
      return "boolean";
    case FieldKind::Memo:
      return "memo";
  }
  return "";
}

[[noreturn]] void Fail(const std::string& reason) {
  throw DataError("Not a valid table file: " + reason);
}

Json ToJson(const Value& value) {
  if (const auto* text = std::get_if<std::string>(&value)) return *text;
  if (const auto* number = std::get_if<int32_t>(&value)) return *number;
  if (const auto* flag = std::get_if<bool>(&value)) return *flag;
  return nullptr;
}

// The JSON value must already have the field's type: nothing is converted on the way in.
Value FromJson(const Json& json, const FieldDef& def) {
  if (json.is_null()) return std::monostate{};
  switch (def.kind) {
    case FieldKind::String:
    case FieldKind::Memo:
      if (json.is_string()) return json.get<std::string>();
      break;
    case FieldKind::Boolean:
      if (json.is_boolean()) return json.get<bool>();
      break;
    case FieldKind::Integer:
      if (json.is_number_unsigned() && json.get<uint64_t>() <= uint64_t{INT32_MAX}) {
        return static_cast<int32_t>(json.get<uint64_t>());
      }
      if (json.is_number_integer() && !json.is_number_unsigned() &&
          json.get<int64_t>() >= INT32_MIN && json.get<int64_t>() <= INT32_MAX) {
        return static_cast<int32_t>(json.get<int64_t>());
      }
      break;
  }
  Fail("a value of field '" + def.name + "' is not of type " + TypeName(def.kind));
}

// A member of an object, or null when absent (read in place: the record list can be large).
const Json& Member(const Json& object, const char* key) {
  static const Json kNull;
  const auto it = object.find(key);
  return it == object.end() ? kNull : *it;
}

void CheckFieldList(const Json& fields, const FieldDefs& defs) {
  if (!fields.is_array()) Fail("no field list");
  if (fields.size() != defs.size()) Fail("another field list");
  for (size_t i = 0; i < defs.size(); ++i) {
    const Json& field = fields[i];
    if (!field.is_object() || Member(field, "name") != defs[i].name ||
        Member(field, "type") != TypeName(defs[i].kind) || Member(field, "size") != defs[i].size) {
      Fail("field " + std::to_string(i + 1) + " is not '" + defs[i].name + "' of type " +
           TypeName(defs[i].kind) + " and size " + std::to_string(defs[i].size));
    }
  }
}

}  // namespace

std::string WriteTableFile(const FieldDefs& defs, const std::vector<Row>& rows) {
  Json fields = Json::array();
  for (const FieldDef& def : defs) {
    fields.push_back({{"name", def.name}, {"type", TypeName(def.kind)}, {"size", def.size}});
  }
  Json records = Json::array();
  for (const Row& row : rows) {
    Json record = Json::array();
    for (const Value& value : row) record.push_back(ToJson(value));
    records.push_back(std::move(record));
  }
  const Json file = {{"format", kFormat},
                     {"version", kVersion},
                     {"fields", std::move(fields)},
                     {"rows", std::move(records)}};
  return file.dump() + "\n";
}

std::vector<Row> ReadTableFile(std::string_view bytes, const FieldDefs& defs) {
  const Json file = Json::parse(bytes, nullptr, /*allow_exceptions=*/false);
  if (file.is_discarded()) Fail("the text is not well-formed UTF-8 JSON");
  if (!file.is_object() || Member(file, "format") != kFormat) Fail("unknown format");
  if (Member(file, "version") != kVersion) Fail("unsupported version");
  CheckFieldList(Member(file, "fields"), defs);

  const Json& records = Member(file, "rows");
  if (!records.is_array()) Fail("no record list");
  std::vector<Row> rows;
  rows.reserve(records.size());
  for (const Json& record : records) {
    if (!record.is_array() || record.size() != defs.size()) {
      Fail("record " + std::to_string(rows.size() + 1) + " does not have " +
           std::to_string(defs.size()) + " values");
    }
    Row row;
    row.reserve(defs.size());
    for (size_t i = 0; i < defs.size(); ++i) {
      // ToFieldValue checks the field's limits (length, range) and rethrows with its message.
      row.push_back(ToFieldValue(defs[i], FromJson(record[i], defs[i])));
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace data
