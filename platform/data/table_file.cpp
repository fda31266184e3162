#include "platform/data/table_file.h"

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>

#include "platform/data/utf8.h"

namespace data {
namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kFormat = "tutor-table";
constexpr int kVersion = 1;
// Enough to say what happened; a file with thousands of bad values needs no list of them.
constexpr size_t kMaxRepairs = 5;

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

[[noreturn]] void Damaged(const std::string& reason) {
  throw TableFileError("Not a valid table file: " + reason, false);
}

[[noreturn]] void OtherLayout(const std::string& reason) {
  throw TableFileError("Not a table file of this table: " + reason, true);
}

class Repairs {
 public:
  explicit Repairs(std::vector<std::string>* out) : out_(out) {}
  void Add(const std::string& sentence) {
    if (!out_) return;
    for (const std::string& known : *out_)
      if (known == sentence) return;
    if (out_->size() < kMaxRepairs) {
      out_->push_back(sentence);
    } else if (!more_) {
      more_ = true;
      out_->push_back("More values were mended the same way.");
    }
  }

 private:
  std::vector<std::string>* out_;
  bool more_ = false;
};

void AppendUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out += char(cp);
  } else if (cp < 0x800) {
    out += char(0xC0 | (cp >> 6));
    out += char(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += char(0xE0 | (cp >> 12));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  } else {
    out += char(0xF0 | (cp >> 18));
    out += char(0x80 | ((cp >> 12) & 0x3F));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  }
}

constexpr uint32_t kReplacement = 0xFFFD;

std::string FromUtf16(std::string_view bytes, bool bigEndian) {
  std::string out;
  auto unit = [&](size_t i) {
    const auto a = uint8_t(bytes[i]), b = uint8_t(bytes[i + 1]);
    return bigEndian ? uint32_t(a << 8 | b) : uint32_t(b << 8 | a);
  };
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    uint32_t cp = unit(i);
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 3 < bytes.size()) {
      const uint32_t low = unit(i + 2);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
        i += 2;
      }
    }
    AppendUtf8(out, cp >= 0xD800 && cp <= 0xDFFF ? kReplacement : cp);
  }
  return out;
}

// Well-formed UTF-8: each byte that starts no valid sequence becomes U+FFFD.
std::string MendUtf8(std::string_view text, Repairs& repairs) {
  if (Utf8Length(text)) return std::string(text);
  std::string out;
  for (size_t i = 0; i < text.size();) {
    bool valid = false;
    for (size_t length = 1; length <= 4 && i + length <= text.size() && !valid; ++length) {
      if (Utf8Length(text.substr(i, length))) {
        out.append(text.substr(i, length));
        i += length;
        valid = true;
      }
    }
    if (!valid) {
      AppendUtf8(out, kReplacement);
      ++i;
    }
  }
  repairs.Add("Some bytes were not UTF-8 text; they were replaced.");
  return out;
}

// The file's text as UTF-8, whatever mark it starts with.
std::string Decode(std::string_view bytes, Repairs& repairs) {
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  if (bytes.starts_with("\xFF\xFE")) return FromUtf16(bytes.substr(2), false);
  if (bytes.starts_with("\xFE\xFF")) return FromUtf16(bytes.substr(2), true);
  return MendUtf8(bytes, repairs);
}

// Where the first JSON value of the text ends: past its closing bracket or quote (strings and
// their escapes skipped), or at the first space or sign after a number or literal; npos when
// what it opens never closes. It only finds the end: the parser judges what lies before it.
size_t EndOfFirstValue(std::string_view text) {
  size_t i = text.find_first_not_of(" \t\n\r");
  if (i == std::string_view::npos) return i;
  if (text[i] != '{' && text[i] != '[' && text[i] != '"') {
    const size_t end = text.find_first_of(" \t\n\r{}[]\",:", i);
    return end == std::string_view::npos ? text.size() : end;
  }
  int depth = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '"') {
      for (++i; i < text.size() && text[i] != '"'; ++i)
        if (text[i] == '\\') ++i;
      if (i >= text.size()) return std::string_view::npos;
      if (depth == 0) return i + 1;
    } else if (c == '{' || c == '[') {
      ++depth;
    } else if ((c == '}' || c == ']') && --depth == 0) {
      return i + 1;
    }
  }
  return std::string_view::npos;
}

// One JSON value from the start of the text; what follows it is reported and ignored. (Parsed
// from the text itself, not a string stream: a stream would link the C++ locale machinery, a
// third of the library's code, for this one call.)
Json Parse(const std::string& text, Repairs& repairs) {
  const size_t end = std::min(EndOfFirstValue(text), text.size());
  Json file;
  try {
    file = Json::parse(text.begin(), text.begin() + std::ptrdiff_t(end));
  } catch (const Json::exception&) {
    Damaged("the text is not well-formed JSON");
  }
  if (text.find_first_not_of(" \t\n\v\f\r", end) != std::string::npos)
    repairs.Add("Bytes after the end of the table were ignored.");
  return file;
}

// A member of an object, or null when absent (read in place: the record list can be large).
const Json& Member(const Json& object, const char* key) {
  static const Json kNull;
  const auto it = object.find(key);
  return it == object.end() ? kNull : *it;
}

// For each of `defs`, the column of the file that holds it (-1 when the file has none).
std::vector<int> MatchFields(const Json& fields, const FieldDefs& defs, Repairs& repairs) {
  if (!fields.is_array()) OtherLayout("no field list");
  std::vector<int> columns(defs.size(), -1);
  bool exact = fields.size() == defs.size();
  for (size_t column = 0; column < fields.size(); ++column) {
    const Json& field = fields[column];
    const Json& name = field.is_object() ? Member(field, "name") : field;
    size_t i = 0;
    while (i < defs.size() &&
           !(name.is_string() && EqualsIgnoringCase(name.get<std::string>(), defs[i].name)))
      ++i;
    if (i == defs.size() || columns[i] >= 0) {
      exact = false;
      repairs.Add("The unknown field " + (name.is_string() ? "'" + name.get<std::string>() + "'"
                                                           : std::to_string(column + 1)) +
                  " was ignored.");
      continue;
    }
    columns[i] = int(column);
    if (i != column || name != defs[i].name || Member(field, "type") != TypeName(defs[i].kind) ||
        Member(field, "size") != defs[i].size)
      exact = false;
  }
  bool any = false;
  for (size_t i = 0; i < defs.size(); ++i) {
    if (columns[i] >= 0)
      any = true;
    else
      repairs.Add("The field '" + defs[i].name + "' was missing; it was left empty.");
  }
  if (!any) OtherLayout("none of the fields of this table");
  if (!exact) repairs.Add("The field list was not this table's; the values were read by name.");
  return columns;
}

std::string Quoted(const Json& json) { return json.dump(-1, ' ', false, Json::error_handler_t::replace); }

// Text cut to at most `size` characters (the text is well-formed UTF-8).
std::string CutToCharacters(const std::string& text, size_t size) {
  size_t i = 0;
  for (size_t count = 0; i < text.size() && count < size; ++count) {
    const auto lead = uint8_t(text[i]);
    i += lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : 4;
  }
  return text.substr(0, i);
}

// The file's value for one field: exact when it has the field's type, otherwise mended.
Value ToValue(const Json& json, const FieldDef& def, Repairs& repairs) {
  if (json.is_null()) return std::monostate{};
  const std::string field = "'" + def.name + "'";
  auto emptied = [&](const char* why) -> Value {
    repairs.Add("A value of " + field + " (" + Quoted(json).substr(0, 40) + ") " + why +
                "; it was left empty.");
    return std::monostate{};
  };
  Value value;
  switch (def.kind) {
    case FieldKind::String:
    case FieldKind::Memo:
      if (json.is_string()) {
        value = json.get<std::string>();
      } else if (json.is_number_integer() || json.is_boolean()) {
        value = json.is_boolean() ? (json.get<bool>() ? "True" : "False") : json.dump();
        repairs.Add("A value of " + field + " was not text; it was read as text.");
      } else {
        return emptied("is not text");
      }
      if (const auto* text = std::get_if<std::string>(&value);
          def.kind == FieldKind::String && Utf8Length(*text).value_or(0) > size_t(def.size)) {
        repairs.Add("A value of " + field + " was longer than " + std::to_string(def.size) +
                    " characters; it was cut to that size.");
        value = CutToCharacters(*text, size_t(def.size));
      }
      break;
    case FieldKind::Integer:
      if (json.is_number_integer()) {
        const bool fits = json.is_number_unsigned()
                              ? json.get<uint64_t>() <= uint64_t{INT32_MAX}
                              : json.get<int64_t>() >= INT32_MIN && json.get<int64_t>() <= INT32_MAX;
        if (!fits) return emptied("is beyond 32 bits");
        value = int32_t(json.get<int64_t>());
      } else if (json.is_number_float() && std::trunc(json.get<double>()) == json.get<double>() &&
                 std::fabs(json.get<double>()) <= INT32_MAX) {
        value = int32_t(json.get<double>());
        repairs.Add("A value of " + field + " was written as a decimal number; it was read as a whole number.");
      } else if (json.is_string()) {
        try {
          value = ParseInteger(json.get<std::string>(), def.name);
        } catch (const DataError&) {
          return emptied("is not a whole number");
        }
        repairs.Add("A value of " + field + " was written as text; it was read as a number.");
      } else {
        return emptied("is not a whole number");
      }
      break;
    case FieldKind::Boolean:
      if (json.is_boolean()) {
        value = json.get<bool>();
      } else if (json.is_number_integer() && (json == 0 || json == 1)) {
        value = json == 1;
        repairs.Add("A value of " + field + " was written as " + json.dump() + "; it was read as " +
                    (json == 1 ? "true." : "false."));
      } else if (json.is_string()) {
        try {
          value = ParseBoolean(json.get<std::string>(), def.name);
        } catch (const DataError&) {
          return emptied("is neither true nor false");
        }
        repairs.Add("A value of " + field + " was written as text; it was read as true or false.");
      } else {
        return emptied("is neither true nor false");
      }
      break;
  }
  try {
    return ToFieldValue(def, value);  // the field's own limits (integer ranges)
  } catch (const DataError&) {
    return emptied("is outside the field's range");
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
    for (const Value& value : row) {
      if (const auto* text = std::get_if<std::string>(&value))
        record.push_back(*text);
      else if (const auto* number = std::get_if<int32_t>(&value))
        record.push_back(*number);
      else if (const auto* flag = std::get_if<bool>(&value))
        record.push_back(*flag);
      else
        record.push_back(nullptr);
    }
    records.push_back(std::move(record));
  }
  const Json file = {{"format", kFormat},
                     {"version", kVersion},
                     {"fields", std::move(fields)},
                     {"rows", std::move(records)}};
  return file.dump() + "\n";
}

std::vector<Row> ReadTableFile(std::string_view bytes, const FieldDefs& defs,
                               std::vector<std::string>* repairsOut, int keyField) {
  std::vector<std::string> scratch;
  Repairs repairs(repairsOut ? repairsOut : &scratch);
  const Json file = Parse(Decode(bytes, repairs), repairs);
  if (!file.is_object() || Member(file, "format") != kFormat) OtherLayout("unknown format");
  if (Member(file, "version") != kVersion) OtherLayout("another format version");
  const Json& fields = Member(file, "fields");
  const std::vector<int> columns = MatchFields(fields, defs, repairs);

  const Json& records = Member(file, "rows");
  if (!records.is_array()) Damaged("no record list");
  std::vector<Row> rows;
  rows.reserve(records.size());
  size_t number = 0;
  for (const Json& record : records) {
    ++number;
    if (!record.is_array() || record.size() != fields.size()) {
      repairs.Add("Record " + std::to_string(number) + " did not have " +
                  std::to_string(fields.size()) + " values; it was dropped.");
      continue;
    }
    Row row;
    row.reserve(defs.size());
    for (size_t i = 0; i < defs.size(); ++i) {
      row.push_back(columns[i] < 0 ? Value{} : ToValue(record[size_t(columns[i])], defs[i], repairs));
    }
    if (keyField >= 0 && std::holds_alternative<std::monostate>(row[size_t(keyField)])) {
      repairs.Add("Record " + std::to_string(number) + " had no valid '" + defs[size_t(keyField)].name +
                  "'; it was dropped.");
      continue;
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace data
