#pragma once
// The small form for one record: a label and an edit per field, OK and Cancel. OK converts
// each text to its field's type and posts; a refused value is shown and the form stays.
#include <windows.h>

#include <string>
#include <vector>

#include "demohost/table_cursor.h"

namespace demohost {

// The cursor is in the insert or edit state; returns true when the record was posted,
// false when the user cancelled (the cursor's changes are cancelled then).
struct FormField {
  std::string field, caption;
};
bool EditRecord(HWND owner, const std::string& caption, TableCursor& cursor,
                const std::vector<FormField>& fields);

}  // namespace demohost
