#pragma once
// An in-memory local table: a fixed list of fields, a record set, a current record and the
// states of the host's local tables. It is loaded from and saved to one file (table_file.h).
//
// Editing: Edit() copies the current record into an edit buffer (on an empty table it starts
// inserting the first record instead), Append() starts a new record; the fields then show and
// change the buffer. Post() stores it, Cancel() drops it. Moving to another record posts a
// modified buffer first and drops an unmodified one.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/data/field.h"
#include "platform/data/field_def.h"
#include "platform/data/table_state.h"
#include "platform/data/value.h"

namespace data {

class DataLink;

// The largest table file read. The assistant's files hold a few hundred bytes; anything
// beyond this is damaged, and reading it whole would only stall the start.
inline constexpr size_t kMaxTableFileBytes = size_t(1) << 20;

class Table {
 public:
  // `indexField` (optional) names the field that orders the records.
  Table(std::string name, FieldDefs defs, std::string indexField = {});
  ~Table();
  Table(const Table&) = delete;
  Table& operator=(const Table&) = delete;

  const std::string& Name() const { return name_; }
  TableState State() const { return state_; }
  bool Active() const { return state_ != TableState::Inactive; }
  const std::string& FileName() const { return fileName_; }
  void SetFileName(std::string fileName) { fileName_ = std::move(fileName); }

  // Loads FileName() through os::Files(), retrying briefly while another program holds it.
  // Throws os::FileError when it cannot be read (fault TooLarge above kMaxTableFileBytes) and
  // TableFileError when it holds no table of these fields; the table is then inactive.
  void Open();
  // Opens the table from the bytes of a table file; throws TableFileError as Open() does.
  void OpenFromData(std::string_view bytes);
  // What the last open mended in its file, one sentence each (see ReadTableFile).
  const std::vector<std::string>& Repairs() const { return repairs_; }
  // Opens the table with no records.
  void CreateEmpty();
  // Drops an unposted edit and all records; the table becomes inactive.
  void Close();
  // Writes the posted records to FileName() (an unposted edit is not written), replacing the
  // file in one step. Throws os::FileError when it cannot be written.
  void SaveToFile() const;
  std::string SaveToData() const;

  void First();
  void Last();
  void Next();
  void Prior();
  bool Bof() const { return bof_; }
  bool Eof() const { return eof_; }
  int RecordCount() const { return static_cast<int>(rows_.size()); }
  bool IsEmpty() const { return rows_.empty(); }
  // The position of the current record, 0-based; -1 when there is none.
  int RecNo() const { return current_; }
  // Moves to the first record whose field equals `value`; false (and no move) when none does.
  bool Locate(const std::string& fieldName, const Value& value);

  void Append();
  void Edit();
  void Post();
  void Cancel();
  // Deletes every record; an unposted edit is dropped.
  void EmptyTable();
  // True once a field of the edit buffer has been written.
  bool Modified() const { return modified_; }

  // Enters the key-entry or field-calculation state from Browse; Cancel() returns to Browse.
  // This engine has no key buffer and no calculated fields, so only the state changes.
  void EnterSpecialState(TableState state);

  Field& FieldByName(const std::string& name);  // throws DataError when there is none
  Field* FindField(const std::string& name);
  std::vector<Field>& Fields() { return fields_; }

  // Run in Insert state when a new record is begun, and before a record is posted.
  std::function<void(Table&)> OnNewRecord;
  std::function<void(Table&)> BeforePost;

 private:
  friend class Field;
  friend class DataLink;

  const Value& ActiveValue(size_t index) const;
  void SetActiveValue(size_t index, Value value);

  void CheckActive() const;
  void CheckBrowseMode();
  void Activate(std::vector<Row> rows);
  int InsertRow(Row row);
  void SetState(TableState state);

  void AddLink(DataLink* link);
  void RemoveLink(DataLink* link);
  template <typename Notice>
  void NotifyLinks(Notice notice);

  std::string name_;
  FieldDefs defs_;
  std::vector<Field> fields_;
  int indexField_ = -1;
  std::string fileName_;
  TableState state_ = TableState::Inactive;
  std::vector<Row> rows_;
  int current_ = -1;
  Row buffer_;
  bool modified_ = false;
  bool bof_ = true;
  bool eof_ = true;
  std::vector<DataLink*> links_;
  std::vector<std::string> repairs_;
};

}  // namespace data
