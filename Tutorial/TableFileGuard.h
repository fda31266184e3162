#pragma once
// One table's file as the state store handles it: loading that never stops the assistant,
// and saving that never destroys a file the run could not read. An unreadable file (damaged,
// too large, of another layout, locked, denied) or one whose values had to be mended is kept
// beside itself under a name that says what happened and when, before a save replaces it.
#include <string>

#include "platform/data/table.h"

namespace tutorial {

class TableFileGuard {
 public:
  // `contents` names what the table holds, for messages ("the tasks").
  TableFileGuard(data::Table& table, std::string contents);

  // Opens the table from its file, or empty when that fails. Returns what the user must be
  // told about the file ("" when it was read as written or is simply absent). `stamp` goes
  // into the name a set-aside file gets ("20261209-071205").
  std::string Load(const std::string& stamp);
  // Marks the present content as the one loaded (after the task rows were completed), so
  // that a file held by another program is left alone when the run changed nothing.
  void MarkLoaded();
  // Writes the table's posted records to its file, first keeping an unread or mended file
  // aside. Throws os::FileError whose text names the file and the system's reason.
  void Save();
  // Save(), only when the posted records differ from what this guard last wrote or loaded:
  // the tables are written at every step, and most steps change none of them.
  void SaveIfChanged();
  // The file exists but its content was not read: nothing may be derived from the table.
  bool Unread() const { return state_ == State::Unread || state_ == State::Held; }

 private:
  enum class State { Read, Absent, Mended, Unread, Held, NoFolder };

  std::string Notice(const std::string& what) const;

  data::Table& table_;
  std::string contents_;
  State state_ = State::Absent;
  std::string aside_;
  std::string loaded_;
  std::string written_;  // the file's content as this run last loaded or wrote it
};

}  // namespace tutorial
