#include "demohost/company_session.h"

#include "demohost/files.h"
#include "demohost/host_error.h"
#include "demohost/schema.h"

namespace demohost {

void CompanySession::Open(const std::string& path) {
  if (!FileExists(path)) throw HostError("The company \"" + path + "\" does not exist.");
  auto db = std::make_shared<Database>(path, Database::Mode::OpenExisting);
  if (!IsCompanyDatabase(*db)) throw HostError("\"" + path + "\" is not a company database.");
  db_ = std::move(db);
  path_ = path;
  if (listener_) listener_();
}

void CompanySession::Close() {
  db_.reset();
  path_.clear();
  if (listener_) listener_();
}

std::string CompanySession::CompanyName() const {
  if (!db_) return {};
  Statement s(*db_, "SELECT Name FROM Company WHERE Id = 1");
  return s.Step() ? s.Text(0) : std::string();
}

std::shared_ptr<Database> CompanySession::Require() const {
  if (!db_) throw HostError("No company is open. Create or open a company first.");
  return db_;
}

}  // namespace demohost
