#include "platform/data/data_link.h"

#include "platform/data/data_error.h"
#include "platform/data/ensure_edit_mode.h"
#include "platform/data/table.h"

namespace data {

DataLink::~DataLink() { SetTable(nullptr); }

void DataLink::SetTable(Table* table) {
  if (table == table_) return;
  if (table_) table_->RemoveLink(this);
  table_ = table;
  if (table_) table_->AddLink(this);
}

Field* DataLink::GetField() const {
  if (!table_ || fieldName_.empty()) return nullptr;
  return table_->FindField(fieldName_);
}

void DataLink::Edit() {
  if (!table_) throw DataError("The control is not linked to a table");
  EnsureEditMode(*table_);
}

void DataLink::WriteText(const std::string& text) {
  Edit();
  Field* field = GetField();
  if (!field) throw DataError("Field '" + fieldName_ + "' not found");
  field->SetEditText(text);
}

}  // namespace data
