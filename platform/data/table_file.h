#pragma once
// The table file: self-describing UTF-8 JSON that holds the field list and the records.
//   {"format":"tutor-table","version":1,
//    "fields":[{"name":"Step","type":"integer","size":0},...],
//    "rows":[[1,false,true],...]}
// Types are "string", "integer", "boolean" and "memo"; null stands for an empty value.
#include <string>
#include <string_view>
#include <vector>

#include "platform/data/field_def.h"
#include "platform/data/value.h"

namespace data {

std::string WriteTableFile(const FieldDefs& defs, const std::vector<Row>& rows);

// The records of a table file whose field list is exactly `defs` (names, types and sizes,
// in order). Throws DataError when the bytes are not such a file or a value does not fit its
// field; a file is read back exactly as it was written.
std::vector<Row> ReadTableFile(std::string_view bytes, const FieldDefs& defs);

}  // namespace data
