#include "platform/data/table.h"

#include <algorithm>

#include "platform/data/data_error.h"
#include "platform/data/data_link.h"
#include "platform/data/table_file.h"
#include "platform/os/file_system.h"

namespace data {
namespace {

bool Editing(TableState state) { return state == TableState::Edit || state == TableState::Insert; }

}  // namespace

Table::Table(std::string name, FieldDefs defs, std::string indexField)
    : name_(std::move(name)), defs_(std::move(defs)) {
  fields_.reserve(defs_.size());
  for (size_t i = 0; i < defs_.size(); ++i) fields_.emplace_back(*this, i, defs_[i]);
  if (!indexField.empty()) {
    indexField_ = static_cast<int>(FieldByName(indexField).Index());
  }
}

Table::~Table() {
  Close();
  for (DataLink* link : links_) link->table_ = nullptr;
}

void Table::Open() {
  if (fileName_.empty()) throw DataError("Table '" + name_ + "' has no file name");
  Close();
  repairs_.clear();
  const std::vector<uint8_t> bytes =
      os::ReadFileRetrying(os::Files(), fileName_, kMaxTableFileBytes);
  try {
    OpenFromData(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  } catch (const TableFileError& error) {
    throw TableFileError("Cannot open table '" + name_ + "' from '" + fileName_ + "'. " +
                             error.what(),
                         error.OtherLayout());
  }
}

void Table::OpenFromData(std::string_view bytes) {
  Close();
  std::vector<std::string> repairs;
  Activate(ReadTableFile(bytes, defs_, &repairs, indexField_));
  repairs_ = std::move(repairs);
}

void Table::CreateEmpty() {
  Close();
  repairs_.clear();
  Activate({});
}

void Table::Activate(std::vector<Row> rows) {
  rows_ = std::move(rows);
  if (indexField_ >= 0) {
    std::stable_sort(rows_.begin(), rows_.end(), [this](const Row& a, const Row& b) {
      return a[indexField_] < b[indexField_];
    });
  }
  current_ = rows_.empty() ? -1 : 0;
  bof_ = true;
  eof_ = rows_.empty();
  modified_ = false;
  SetState(TableState::Browse);
  NotifyLinks([](DataLink& link) { link.RecordChanged(); });
}

void Table::Close() {
  if (!Active()) return;
  state_ = TableState::Inactive;
  rows_.clear();
  buffer_.clear();
  current_ = -1;
  bof_ = eof_ = true;
  modified_ = false;
  NotifyLinks([](DataLink& link) { link.TableClosed(); });
}

std::string Table::SaveToData() const {
  CheckActive();
  return WriteTableFile(defs_, rows_);
}

void Table::SaveToFile() const {
  if (fileName_.empty()) throw DataError("Table '" + name_ + "' has no file name");
  os::Files().WriteFileAtomic(fileName_, SaveToData());
}

void Table::First() {
  CheckActive();
  CheckBrowseMode();
  current_ = rows_.empty() ? -1 : 0;
  bof_ = true;
  eof_ = rows_.empty();
  NotifyLinks([](DataLink& link) { link.RecordChanged(); });
}

void Table::Last() {
  CheckActive();
  CheckBrowseMode();
  current_ = RecordCount() - 1;
  bof_ = rows_.empty();
  eof_ = true;
  NotifyLinks([](DataLink& link) { link.RecordChanged(); });
}

void Table::Next() {
  CheckActive();
  CheckBrowseMode();
  if (current_ + 1 >= RecordCount()) {
    eof_ = true;
    return;
  }
  ++current_;
  bof_ = eof_ = false;
  NotifyLinks([](DataLink& link) { link.RecordChanged(); });
}

void Table::Prior() {
  CheckActive();
  CheckBrowseMode();
  if (current_ <= 0) {
    bof_ = true;
    return;
  }
  --current_;
  bof_ = eof_ = false;
  NotifyLinks([](DataLink& link) { link.RecordChanged(); });
}

bool Table::Locate(const std::string& fieldName, const Value& value) {
  CheckActive();
  CheckBrowseMode();
  const size_t index = FieldByName(fieldName).Index();
  Value wanted;
  try {
    wanted = ToFieldValue(defs_[index], value);
  } catch (const DataError&) {
    return false;  // a value the field cannot hold is in no record
  }
  const auto found = std::find_if(rows_.begin(), rows_.end(),
                                  [&](const Row& row) { return row[index] == wanted; });
  if (found == rows_.end()) return false;
  current_ = static_cast<int>(found - rows_.begin());
  bof_ = eof_ = false;
  NotifyLinks([](DataLink& link) { link.RecordChanged(); });
  return true;
}

void Table::Append() {
  CheckActive();
  CheckBrowseMode();
  buffer_.assign(defs_.size(), Value{});
  SetState(TableState::Insert);
  try {
    if (OnNewRecord) OnNewRecord(*this);
  } catch (...) {
    Cancel();
    throw;
  }
  modified_ = false;  // defaults set by OnNewRecord are not the user's changes
  NotifyLinks([](DataLink& link) { link.RecordChanged(); });
}

void Table::Edit() {
  CheckActive();
  switch (state_) {
    case TableState::Edit:
    case TableState::Insert:
      return;
    case TableState::Browse:
      if (rows_.empty()) {
        Append();
        return;
      }
      buffer_ = rows_[current_];
      modified_ = false;
      SetState(TableState::Edit);
      return;
    default:
      throw DataError("Table '" + name_ + "' cannot be edited in its current state");
  }
}

void Table::Post() {
  if (!Editing(state_)) return;
  if (BeforePost) BeforePost(*this);
  Row record = std::move(buffer_);
  if (state_ == TableState::Insert) {
    current_ = InsertRow(std::move(record));
  } else if (indexField_ >= 0 && rows_[current_][indexField_] != record[indexField_]) {
    rows_.erase(rows_.begin() + current_);  // its key changed: it moves to its new place
    current_ = InsertRow(std::move(record));
  } else {
    rows_[current_] = std::move(record);
  }
  buffer_.clear();
  modified_ = false;
  bof_ = eof_ = false;
  SetState(TableState::Browse);
  NotifyLinks([](DataLink& link) { link.RecordChanged(); });
}

void Table::Cancel() {
  if (Editing(state_)) {
    buffer_.clear();
    modified_ = false;
    SetState(TableState::Browse);
    NotifyLinks([](DataLink& link) { link.RecordChanged(); });
  } else if (state_ == TableState::SetKey || state_ == TableState::CalcFields) {
    SetState(TableState::Browse);
  }
}

void Table::EmptyTable() {
  CheckActive();
  Cancel();
  rows_.clear();
  current_ = -1;
  bof_ = eof_ = true;
  NotifyLinks([](DataLink& link) { link.RecordChanged(); });
}

void Table::EnterSpecialState(TableState state) {
  if (state != TableState::SetKey && state != TableState::CalcFields) {
    throw DataError("Only the setkey and calculate states can be entered directly");
  }
  CheckActive();
  CheckBrowseMode();
  SetState(state);
}

Field& Table::FieldByName(const std::string& name) {
  if (Field* field = FindField(name)) return *field;
  throw DataError("Field '" + name + "' not found in table '" + name_ + "'");
}

Field* Table::FindField(const std::string& name) {
  for (Field& field : fields_) {
    if (EqualsIgnoringCase(field.Name(), name)) return &field;
  }
  return nullptr;
}

const Value& Table::ActiveValue(size_t index) const {
  static const Value kEmpty;
  if (Editing(state_)) return buffer_[index];
  if (current_ >= 0) return rows_[current_][index];
  return kEmpty;
}

void Table::SetActiveValue(size_t index, Value value) {
  if (!Editing(state_)) throw DataError("Table '" + name_ + "' is not in edit or insert mode");
  buffer_[index] = std::move(value);
  modified_ = true;
  Field& field = fields_[index];
  NotifyLinks([&field](DataLink& link) { link.FieldChanged(field); });
}

void Table::CheckActive() const {
  if (!Active()) throw DataError("Table '" + name_ + "' is not open");
}

// Leaving the record: a changed edit buffer is posted, an untouched one is dropped.
void Table::CheckBrowseMode() {
  if (Editing(state_)) {
    if (modified_) {
      Post();
    } else {
      Cancel();
    }
  } else if (state_ == TableState::SetKey || state_ == TableState::CalcFields) {
    SetState(TableState::Browse);
  }
}

// Without an index a new record goes last; with one, after the records of equal key.
int Table::InsertRow(Row row) {
  auto position = rows_.end();
  if (indexField_ >= 0) {
    position = std::upper_bound(
        rows_.begin(), rows_.end(), row,
        [this](const Row& a, const Row& b) { return a[indexField_] < b[indexField_]; });
  }
  // Insert first: it may reallocate, so begin() is read only afterwards.
  const auto inserted = rows_.insert(position, std::move(row));
  return static_cast<int>(inserted - rows_.begin());
}

void Table::SetState(TableState state) {
  if (state == state_) return;
  state_ = state;
  NotifyLinks([](DataLink& link) { link.StateChanged(); });
}

void Table::AddLink(DataLink* link) { links_.push_back(link); }

void Table::RemoveLink(DataLink* link) { std::erase(links_, link); }

// A link may attach or detach links (itself included) from inside a notice.
template <typename Notice>
void Table::NotifyLinks(Notice notice) {
  const std::vector<DataLink*> snapshot = links_;
  for (DataLink* link : snapshot) {
    if (std::find(links_.begin(), links_.end(), link) != links_.end()) notice(*link);
  }
}

}  // namespace data
