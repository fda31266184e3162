#pragma once
// A table of the company database seen one record at a time, as the assistant uses it: open
// it, locate a record, append or edit one, set its fields and post. Nothing reaches the file
// before Post. A cursor may keep its writes in a transaction that its window commits or rolls
// back (the currency window does).
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "demohost/database.h"
#include "demohost/value.h"

namespace demohost {

struct Column {
  std::string name;
  ColumnType type;
  bool key;  // the row id: never written by the caller
};

class TableCursor {
 public:
  enum class State { Inactive, Browse, Edit, Insert };

  TableCursor(std::shared_ptr<Database> db, std::string table, bool transactional = false);

  const std::string& Table() const { return table_; }
  Database& Db() { return *db_; }
  State GetState() const { return state_; }
  bool HasRecord() const { return rowid_ != 0; }
  int64_t RowId() const { return rowid_; }

  void SetActive(bool active);
  // Moves to the first record (by row id) whose field equals the value; false leaves the
  // cursor where it was.
  bool Locate(const std::string& field, const Value& value);
  void MoveTo(int64_t rowid);

  // Throws HostError for an unknown field.
  int FieldIndex(const std::string& name) const;
  const Column& ColumnAt(int index) const { return columns_[size_t(index)]; }
  int ColumnCount() const { return int(columns_.size()); }

  void Append();
  void Edit();
  void Post();
  void Cancel();

  Value Get(int field) const;
  void Set(int field, const Value& value);  // in the edit or insert state only

  // The window's commit and rollback: end the transaction the cursor's posts opened.
  void Commit();
  void Rollback();

 private:
  void RequireActive(const char* what) const;
  void FinishPending();  // posts a pending append or edit before moving on
  void Load();

  std::shared_ptr<Database> db_;
  std::string table_;
  bool transactional_;
  std::vector<Column> columns_;
  State state_ = State::Inactive;
  int64_t rowid_ = 0;
  std::vector<Value> values_;
};

}  // namespace demohost
