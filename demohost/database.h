#pragma once
// One open SQLite database: statements, transactions and errors as HostError.
#include <cstdint>
#include <memory>
#include <string>

#include "demohost/value.h"

struct sqlite3;
struct sqlite3_stmt;

namespace demohost {

class Database {
 public:
  enum class Mode { ReadOnly, OpenExisting, CreateNew };
  // Throws HostError naming the file when it cannot be opened.
  Database(const std::string& path, Mode mode);
  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  const std::string& Path() const { return path_; }
  void Exec(const std::string& sql);
  int64_t LastInsertRowId() const;
  bool InTransaction() const;
  void Begin();
  void Commit();
  void Rollback();
  bool HasTable(const std::string& name);

  sqlite3* Handle() const { return db_; }

 private:
  std::string path_;
  sqlite3* db_ = nullptr;
};

// A prepared statement; Step() returns true while there is a row.
class Statement {
 public:
  Statement(Database& db, const std::string& sql);
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  Statement& Bind(int index, const Value& value);  // 1-based, as SQLite counts
  bool Step();
  void Run();  // steps to the end
  void Reset();  // for another run with new bindings
  int Columns() const;
  Value Column(int index) const;  // 0-based
  std::string Text(int index) const;
  int64_t Integer(int index) const;

 private:
  Database& db_;
  sqlite3_stmt* stmt_ = nullptr;
};

// Rolls back on scope exit unless committed: a half-done write never stays.
class Transaction {
 public:
  explicit Transaction(Database& db) : db_(db) { db_.Begin(); }
  ~Transaction();
  void Commit() {
    db_.Commit();
    done_ = true;
  }

 private:
  Database& db_;
  bool done_ = false;
};

}  // namespace demohost
