#include "platform/data/ensure_edit_mode.h"

#include "platform/data/data_error.h"
#include "platform/data/table.h"

namespace data {

void EnsureEditMode(Table& table) {
  switch (table.State()) {
    case TableState::Inactive:
      throw DataError("Cannot edit record. The file is not open.");
    case TableState::Browse:
      table.Edit();
      return;
    case TableState::SetKey:
      throw DataError("Cannot edit record. The record is in setkey state.");
    case TableState::CalcFields:
      throw DataError("Cannot edit record. The record is in calculate state.");
    case TableState::Edit:
    case TableState::Insert:
      return;
  }
}

}  // namespace data
