#include "demohost/database.h"

#include <sqlite3.h>

#include "demohost/host_error.h"

namespace demohost {

namespace {
std::string Message(sqlite3* db) { return db ? sqlite3_errmsg(db) : "out of memory"; }
}  // namespace

Database::Database(const std::string& path, Mode mode) : path_(path) {
  const int flags = mode == Mode::CreateNew  ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE
                    : mode == Mode::ReadOnly ? SQLITE_OPEN_READONLY
                                             : SQLITE_OPEN_READWRITE;
  if (sqlite3_open_v2(path.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
    const std::string why = Message(db_);
    sqlite3_close(db_);
    db_ = nullptr;
    throw HostError("Cannot open the company database \"" + path + "\": " + why + ".");
  }
  sqlite3_extended_result_codes(db_, 1);
  sqlite3_busy_timeout(db_, 2000);
}

Database::~Database() { sqlite3_close_v2(db_); }

void Database::Exec(const std::string& sql) {
  char* error = nullptr;
  if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    const std::string why = error ? error : Message(db_);
    sqlite3_free(error);
    throw HostError("Database error in \"" + path_ + "\": " + why + ".");
  }
}

int64_t Database::LastInsertRowId() const { return sqlite3_last_insert_rowid(db_); }
bool Database::InTransaction() const { return sqlite3_get_autocommit(db_) == 0; }
void Database::Begin() { Exec("BEGIN IMMEDIATE"); }
void Database::Commit() { Exec("COMMIT"); }
void Database::Rollback() {
  if (InTransaction()) Exec("ROLLBACK");
}

bool Database::HasTable(const std::string& name) {
  Statement s(*this, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?");
  s.Bind(1, Value::Text(name));
  return s.Step();
}

Statement::Statement(Database& db, const std::string& sql) : db_(db) {
  if (sqlite3_prepare_v2(db.Handle(), sql.c_str(), int(sql.size()), &stmt_, nullptr) != SQLITE_OK)
    throw HostError("Database error in \"" + db.Path() + "\": " + Message(db.Handle()) + ".");
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

Statement& Statement::Bind(int index, const Value& value) {
  int rc = SQLITE_OK;
  switch (value.kind) {
    case Value::Kind::Null: rc = sqlite3_bind_null(stmt_, index); break;
    case Value::Kind::Integer: rc = sqlite3_bind_int64(stmt_, index, value.integer); break;
    case Value::Kind::Real: rc = sqlite3_bind_double(stmt_, index, value.real); break;
    case Value::Kind::Text:
      rc = sqlite3_bind_text(stmt_, index, value.text.c_str(), int(value.text.size()),
                             SQLITE_TRANSIENT);
      break;
  }
  if (rc != SQLITE_OK)
    throw HostError("Database error in \"" + db_.Path() + "\": " + Message(db_.Handle()) + ".");
  return *this;
}

bool Statement::Step() {
  const int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  throw HostError(Message(db_.Handle()));
}

void Statement::Run() {
  while (Step()) {
  }
}

void Statement::Reset() {
  sqlite3_reset(stmt_);
  sqlite3_clear_bindings(stmt_);
}

int Statement::Columns() const { return sqlite3_column_count(stmt_); }

Value Statement::Column(int index) const {
  switch (sqlite3_column_type(stmt_, index)) {
    case SQLITE_NULL: return Value::Null();
    case SQLITE_INTEGER: return Value::Int(sqlite3_column_int64(stmt_, index));
    case SQLITE_FLOAT: return Value::Real(sqlite3_column_double(stmt_, index));
    default: return Value::Text(Text(index));
  }
}

std::string Statement::Text(int index) const {
  const unsigned char* text = sqlite3_column_text(stmt_, index);
  return text ? std::string(reinterpret_cast<const char*>(text), size_t(sqlite3_column_bytes(stmt_, index)))
              : std::string();
}

int64_t Statement::Integer(int index) const { return sqlite3_column_int64(stmt_, index); }

Transaction::~Transaction() {
  if (done_) return;
  try {
    db_.Rollback();
  } catch (const HostError&) {
    // Nothing better to do while unwinding; SQLite rolls back itself when the file closes.
  }
}

}  // namespace demohost
