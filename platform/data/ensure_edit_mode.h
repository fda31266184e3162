#pragma once
// Makes sure a table's current record can be changed, with the assistant's own error texts.
namespace data {

class Table;

// Browse: starts editing (on an empty table: inserting the first record). Edit, Insert:
// nothing. Inactive, SetKey, CalcFields: throws DataError saying why the record cannot be edited.
void EnsureEditMode(Table& table);

}  // namespace data
