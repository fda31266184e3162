#include "demohost/table_cursor.h"

#include <cctype>

#include "demohost/host_error.h"

namespace demohost {

namespace {

std::string Quoted(const std::string& name) { return "\"" + name + "\""; }

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

}  // namespace

TableCursor::TableCursor(std::shared_ptr<Database> db, std::string table, bool transactional)
    : db_(std::move(db)), table_(std::move(table)), transactional_(transactional) {
  Statement info(*db_, "PRAGMA table_info(" + Quoted(table_) + ")");
  while (info.Step())
    columns_.push_back({info.Text(1), ColumnTypeFromDeclared(info.Text(2)), info.Integer(5) != 0});
  if (columns_.empty()) throw HostError("The company database has no table \"" + table_ + "\".");
}

void TableCursor::RequireActive(const char* what) const {
  if (state_ == State::Inactive)
    throw HostError(std::string("Cannot ") + what + ": the table \"" + table_ + "\" is not open.");
}

void TableCursor::SetActive(bool active) {
  if (!active) {
    Cancel();
    state_ = State::Inactive;
    rowid_ = 0;
    values_.clear();
    return;
  }
  if (state_ != State::Inactive) return;
  state_ = State::Browse;
  Statement first(*db_, "SELECT rowid FROM " + Quoted(table_) + " ORDER BY rowid LIMIT 1");
  MoveTo(first.Step() ? first.Integer(0) : 0);
}

int TableCursor::FieldIndex(const std::string& name) const {
  for (size_t i = 0; i < columns_.size(); ++i)
    if (SameName(columns_[i].name, name)) return int(i);
  throw HostError("Field '" + name + "' not found in table \"" + table_ + "\".");
}

void TableCursor::Load() {
  values_.assign(columns_.size(), Value::Null());
  if (!rowid_) return;
  Statement s(*db_, "SELECT * FROM " + Quoted(table_) + " WHERE rowid = ?");
  s.Bind(1, Value::Int(rowid_));
  if (!s.Step()) {
    rowid_ = 0;
    return;
  }
  for (int i = 0; i < int(columns_.size()); ++i) values_[size_t(i)] = s.Column(i);
}

void TableCursor::MoveTo(int64_t rowid) {
  rowid_ = rowid;
  Load();
}

void TableCursor::FinishPending() {
  if (state_ == State::Edit || state_ == State::Insert) Post();
}

bool TableCursor::Locate(const std::string& field, const Value& value) {
  RequireActive("locate a record");
  const int index = FieldIndex(field);
  FinishPending();
  const std::string where = value.IsNull() ? " IS NULL" : " = ?";
  Statement s(*db_, "SELECT rowid FROM " + Quoted(table_) + " WHERE " +
                        Quoted(columns_[size_t(index)].name) + where + " ORDER BY rowid LIMIT 1");
  if (!value.IsNull()) s.Bind(1, value);
  if (!s.Step()) return false;
  MoveTo(s.Integer(0));
  return true;
}

void TableCursor::Append() {
  RequireActive("append a record");
  FinishPending();
  state_ = State::Insert;
  values_.assign(columns_.size(), Value::Null());
}

void TableCursor::Edit() {
  RequireActive("edit a record");
  if (state_ == State::Edit || state_ == State::Insert) return;
  if (!rowid_) throw HostError("Cannot edit a record: the table \"" + table_ + "\" is empty.");
  Load();
  state_ = State::Edit;
}

void TableCursor::Post() {
  RequireActive("post a record");
  if (state_ == State::Browse) return;
  std::vector<int> written;
  for (int i = 0; i < int(columns_.size()); ++i)
    if (!columns_[size_t(i)].key && (state_ == State::Edit || !values_[size_t(i)].IsNull()))
      written.push_back(i);
  std::string sql;
  if (state_ == State::Insert) {
    if (written.empty()) {
      sql = "INSERT INTO " + Quoted(table_) + " DEFAULT VALUES";
    } else {
      std::string names, marks;
      for (int i : written) {
        names += (names.empty() ? "" : ", ") + Quoted(columns_[size_t(i)].name);
        marks += marks.empty() ? "?" : ", ?";
      }
      sql = "INSERT INTO " + Quoted(table_) + " (" + names + ") VALUES (" + marks + ")";
    }
  } else {
    std::string sets;
    for (int i : written) sets += (sets.empty() ? "" : ", ") + Quoted(columns_[size_t(i)].name) + " = ?";
    sql = "UPDATE " + Quoted(table_) + " SET " + sets + " WHERE rowid = ?";
  }
  if (transactional_ && !db_->InTransaction()) db_->Begin();
  try {
    Statement s(*db_, sql);
    int n = 1;
    for (int i : written) s.Bind(n++, values_[size_t(i)]);
    if (state_ == State::Edit) s.Bind(n, Value::Int(rowid_));
    s.Run();
  } catch (const HostError& e) {
    // The record stays in its state, so the caller can correct it or cancel.
    throw HostError("Cannot post the record to \"" + table_ + "\": " + e.what() + ".");
  }
  if (state_ == State::Insert) rowid_ = db_->LastInsertRowId();
  state_ = State::Browse;
  Load();
}

void TableCursor::Cancel() {
  if (state_ != State::Edit && state_ != State::Insert) return;
  state_ = State::Browse;
  Load();
}

Value TableCursor::Get(int field) const {
  RequireActive("read a field");
  if (state_ == State::Browse && !rowid_)
    throw HostError("Cannot read a field: the table \"" + table_ + "\" is empty.");
  return values_[size_t(field)];
}

void TableCursor::Set(int field, const Value& value) {
  RequireActive("change a field");
  if (state_ != State::Edit && state_ != State::Insert)
    throw HostError("Cannot change field '" + columns_[size_t(field)].name + "': the table \"" +
                    table_ + "\" is not in edit or insert mode.");
  if (columns_[size_t(field)].key)
    throw HostError("Field '" + columns_[size_t(field)].name + "' is the record's number and cannot be changed.");
  values_[size_t(field)] = value;
}

void TableCursor::Commit() {
  FinishPending();
  if (db_->InTransaction()) db_->Commit();
}

void TableCursor::Rollback() {
  if (state_ == State::Edit || state_ == State::Insert) state_ = State::Browse;
  db_->Rollback();
  if (state_ != State::Inactive) Load();
}

}  // namespace demohost
