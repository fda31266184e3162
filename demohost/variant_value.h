#pragma once
// Automation values in and out of a field, converted as a database does: text, numbers and
// dates go into a field of their own kind or of a kind that can hold them; anything else is
// refused with the field's name.
#include <oaidl.h>

#include "demohost/table_cursor.h"

namespace demohost {

// Throws HostError when the value does not fit the column.
Value FromVariant(const VARIANT& value, const Column& column);
// Writes a fresh variant (the caller clears it): VT_NULL, VT_I4 (VT_I8 when it does not fit),
// VT_R8, VT_BSTR, or VT_DATE for a date field.
void ToVariant(const Value& value, const Column& column, VARIANT* out);

}  // namespace demohost
