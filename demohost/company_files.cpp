#include "demohost/company_files.h"

#include <windows.h>

#include "demohost/database.h"
#include "demohost/files.h"
#include "demohost/host_error.h"
#include "demohost/schema.h"

namespace demohost {

namespace {

void CheckSource(const std::string& source) {
  if (!FileExists(source))
    throw HostError("The source company \"" + source + "\" does not exist.");
  bool company = false;
  try {
    Database db(source, Database::Mode::ReadOnly);
    company = IsCompanyDatabase(db);
  } catch (const HostError&) {
  }
  if (!company) throw HostError("\"" + source + "\" is not a company database.");
}

void StoreDetails(const std::string& path, const CompanyRequest& r) {
  Database db(path, Database::Mode::OpenExisting);
  Transaction t(db);
  Statement s(db,
              "UPDATE Company SET Name = ?, Name2 = ?, City = ?, State = ?, Phone = ?, "
              "Phone2 = ?, FiscalYear = ?, NumPeriods = ? WHERE Id = 1");
  s.Bind(1, Value::Text(r.name)).Bind(2, Value::Text(r.name2)).Bind(3, Value::Text(r.city));
  s.Bind(4, Value::Text(r.state)).Bind(5, Value::Text(r.phone)).Bind(6, Value::Text(r.phone2));
  s.Bind(7, Value::Int(r.fiscalYear)).Bind(8, Value::Int(r.numPeriods));
  s.Run();
  t.Commit();
}

}  // namespace

void CreateCompanyFile(const CompanyRequest& r) {
  CheckSource(r.source);
  if (FileExists(r.target) || FolderExists(r.target))
    throw HostError("The company \"" + r.target + "\" already exists. Choose another file name.");
  const std::string folder = FolderOf(r.target);
  if (folder.empty() || !FolderExists(folder))
    throw HostError("The folder of the new company \"" + r.target + "\" does not exist.");

  // Built under a temporary name beside the target and renamed when complete.
  const std::string temp = r.target + ".creating";
  DeleteFileIfAny(temp);
  if (!CopyFileW(Wide(r.source).c_str(), Wide(temp).c_str(), TRUE))
    throw HostError("Cannot write the new company in \"" + folder + "\": " + LastErrorText() + ".");
  try {
    SetFileAttributesW(Wide(temp).c_str(), FILE_ATTRIBUTE_NORMAL);
    StoreDetails(temp, r);
    if (!MoveFileExW(Wide(temp).c_str(), Wide(r.target).c_str(), MOVEFILE_WRITE_THROUGH))
      throw HostError("Cannot create the company \"" + r.target + "\": " + LastErrorText() + ".");
  } catch (...) {
    DeleteFileIfAny(temp);
    DeleteFileIfAny(temp + "-journal");
    throw;
  }
}

bool HoldsCompany(const std::string& path, const CompanyRequest& r) {
  if (!FileExists(path)) return false;
  try {
    Database db(path, Database::Mode::ReadOnly);
    if (!IsCompanyDatabase(db)) return false;
    Statement s(db, "SELECT Name, FiscalYear FROM Company WHERE Id = 1");
    return s.Step() && s.Text(0) == r.name && s.Integer(1) == r.fiscalYear;
  } catch (const HostError&) {
    return false;
  }
}

}  // namespace demohost
