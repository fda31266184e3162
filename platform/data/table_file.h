#pragma once
// The table file: self-describing UTF-8 JSON that holds the field list and the records.
//   {"format":"tutor-table","version":1,
//    "fields":[{"name":"Step","type":"integer","size":0},...],
//    "rows":[[1,false,true],...]}
// Types are "string", "integer", "boolean" and "memo"; null stands for an empty value.
#include <string>
#include <string_view>
#include <vector>

#include "platform/data/data_error.h"
#include "platform/data/field_def.h"
#include "platform/data/value.h"

namespace data {

// Raised for bytes that hold no table this engine can read. OtherLayout() tells a file of
// another format, version or field list from one that is damaged.
class TableFileError : public DataError {
 public:
  TableFileError(const std::string& message, bool otherLayout)
      : DataError(message), otherLayout_(otherLayout) {}
  bool OtherLayout() const { return otherLayout_; }

 private:
  bool otherLayout_;
};

std::string WriteTableFile(const FieldDefs& defs, const std::vector<Row>& rows);

// The records of a table file for the fields `defs`. A file written by WriteTableFile with
// the same fields reads back exactly. Beyond that the reader mends what is wrong value by
// value, so that one bad value does not cost the table, and says what it mended in `repairs`
// (one sentence each; none for an exact file):
//  - a UTF-8 byte-order mark is skipped, UTF-16 text (with its mark) is converted, bytes that
//    are not UTF-8 become U+FFFD, bytes after the closing brace are ignored;
//  - fields are matched by name (ignoring case); unknown ones are ignored, missing ones left
//    empty; text longer than its field is cut to the field's size;
//  - a value of another type is converted when its meaning is plain (a number to text, "12"
//    or 12.0 to 12, 0/1 and "True"/"False" to a Boolean) and left empty otherwise, as is an
//    integer out of its field's range; a record of the wrong length is dropped, and so is a
//    record without a value in `keyField` (the index of the ordering field, -1 for none).
// Throws TableFileError when no table can be read: not JSON, another format or version,
// no record list, or none of the fields.
std::vector<Row> ReadTableFile(std::string_view bytes, const FieldDefs& defs,
                               std::vector<std::string>* repairs = nullptr, int keyField = -1);

}  // namespace data
