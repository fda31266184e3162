#include "Tutorial/dmMain.h"

#include <ctime>
#include <initializer_list>
#include <optional>

#include "platform/os/error.h"
#include "platform/os/file_system.h"
#include "platform/os/local_time.h"
#include "platform/os/registry.h"
#include "platform/os/resources.h"
#include "platform/ui/resource_picture.h"

namespace tutorial {
namespace {

using data::FieldDef;
using data::Table;

constexpr const char* kRegistryKey = "Software\\Tavrilenk\\Zendri Accounting 2000";

#ifdef _WIN32
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif

std::string WithSeparator(std::string folder) {
  if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') folder += kPathSeparator;
  return folder;
}

// The "Main" sub-key's default value when it holds a folder, else the host executable's folder.
// The main key is created when missing; "Main" is only read.
std::string FindDataFolder(const std::string& hostExecutable) {
  if (auto key = os::Reg().OpenCurrentUser(kRegistryKey, /*create=*/true)) {
    if (auto main = key->OpenSubKey("Main", /*create=*/false)) {
      std::optional<std::string> folder;
      try {
        folder = main->ReadString("");
      } catch (const std::exception& error) {
        // A value of another type names no folder; guessing one could write the tables
        // where the next run does not look.
        const std::string why = dynamic_cast<const os::RegistryTypeError*>(&error)
                                    ? std::string("it is not text.")
                                    : os::ReasonClause(error.what());
        throw os::OsError(std::string("The tutorial data folder cannot be read from the registry "
                                      "value \"") + kRegistryKey + "\\Main\": " + why +
                          " What this run enters cannot be saved.");
      }
      // An empty value names no folder; taken literally it would put the files at the root.
      if (folder && !folder->empty()) return *folder;
    }
  }
  return os::FileSystem::FolderOf(hostExecutable);
}

}  // namespace

std::string FileStamp() {
  const std::tm local = os::LocalNow();
  char text[32];
  std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
  return text;
}

data::FieldDefs TasksFields() {
  return {FieldDef::Integer("Step"), FieldDef::Boolean("Accomplished"),
          FieldDef::Boolean("Required")};
}

data::FieldDefs CompanyFields() {
  return {FieldDef::String("Name1", 45),  FieldDef::String("Name2", 45),
          FieldDef::String("City", 15),   FieldDef::String("State", 15),
          FieldDef::String("Phone1", 10), FieldDef::String("Phone2", 10),
          FieldDef::Integer("FiscYear"),  FieldDef::Integer("nbPeriods"),
          FieldDef::Memo("Path"),         FieldDef::Boolean("Created")};
}

data::FieldDefs CurrencyFields() {
  return {FieldDef::String("FirstBaseCode", 5), FieldDef::String("FirstBaseDesc", 20),
          FieldDef::String("SecondBaseCode", 5), FieldDef::String("SecondBaseDesc", 20)};
}

data::FieldDefs DefAcctFields() {
  return {FieldDef::Boolean("Sales"),     FieldDef::Boolean("Receipts"),
          FieldDef::Boolean("Purchases"), FieldDef::Boolean("Disburse"),
          FieldDef::Boolean("Payroll"),   FieldDef::Boolean("NotesP"),
          FieldDef::Boolean("NotesR")};
}

TdmMainData::TdmMainData(std::string hostExecutable, ErrorSink showError)
    : Tasks("Tasks", TasksFields(), "Step"),
      Company("Company", CompanyFields()),
      Currency("Currency", CurrencyFields()),
      DefAcct("DefAcct", DefAcctFields()),
      showError_(std::move(showError)) {
  Company.OnNewRecord = [this](Table& table) { CompanyNewRecord(table); };
  Company.BeforePost = [this](Table& table) { CompanyBeforePost(table); };
  data::Field& path = Company.FieldByName("Path");
  path.OnGetText = [this](const data::Field& field) { return CompanyPathGetText(field); };
  path.OnSetText = [this](data::Field& field, const std::string& text) {
    CompanyPathSetText(field, text);
  };
  try {
    DataModuleCreate(hostExecutable);
  } catch (...) {
    Report(std::current_exception());
  }
  try {
    LoadPictures();
  } catch (...) {
    // Buttons draw their captions without pictures; the assistant stays usable.
    Report(std::current_exception());
  }
}

void TdmMainData::LoadPictures() {
  auto strip = [](const char* name) { return ui::LoadResourcePicture(name); };
  TutorialImg.AddStrip(strip("tutorial_images.bmp"));
  NormImageList.AddStrip(strip("norm_images.bmp"));
  HotImageList.AddStrip(strip("hot_images.bmp"));
  CheckMark.AddStrip(strip("check_mark.bmp"));
}

TdmMainData::~TdmMainData() { DataModuleDestroy(); }

// Whatever fails here, the four tables end up open: a table that is not open would refuse
// every edit of the run, and the user could type nothing.
void TdmMainData::DataModuleCreate(const std::string& hostExecutable) {
  std::exception_ptr folderError;
  try {
    dataFolder_ = WithSeparator(FindDataFolder(hostExecutable));
  } catch (...) {
    folderError = std::current_exception();
    dataFolder_.clear();
  }
  const bool known = !dataFolder_.empty();
  Tasks.SetFileName(known ? dataFolder_ + "TutorTasks.cds" : "");
  Company.SetFileName(known ? dataFolder_ + "TutorComp.cds" : "");
  Currency.SetFileName(known ? dataFolder_ + "TutorCurrency.cds" : "");
  DefAcct.SetFileName(known ? dataFolder_ + "TutorDefAcct.cds" : "");
  // A missing or unreadable file never stops the assistant: the table starts empty.
  const std::string stamp = FileStamp();
  for (Table* table : {&Company, &Tasks, &Currency, &DefAcct}) {
    if (std::string notice = GuardOf(*table).Load(stamp); !notice.empty())
      notices_.push_back(std::move(notice));
  }
  InitTasks();
  for (Table* table : {&Company, &Tasks, &Currency, &DefAcct}) GuardOf(*table).MarkLoaded();
  if (folderError) std::rethrow_exception(folderError);
}

TableFileGuard& TdmMainData::GuardOf(const Table& table) {
  if (&table == &Company) return companyFile_;
  if (&table == &Tasks) return tasksFile_;
  if (&table == &Currency) return currencyFile_;
  return defAcctFile_;
}

bool TdmMainData::Unread(const Table& table) const {
  if (&table == &Company) return companyFile_.Unread();
  if (&table == &Tasks) return tasksFile_.Unread();
  if (&table == &Currency) return currencyFile_.Unread();
  return &table == &DefAcct && defAcctFile_.Unread();
}

// Every table is saved even when an earlier one cannot be written, so that one bad file does
// not lose the others' content; the first error is the one shown.
bool TdmMainData::DataModuleDestroy() {
  std::exception_ptr firstError;
  bool companySaved = true;
  for (Table* table : {&Company, &Tasks, &Currency, &DefAcct}) {
    try {
      table->Post();
      GuardOf(*table).Save();
    } catch (...) {
      if (!firstError) firstError = std::current_exception();
      if (table == &Company) companySaved = false;
    }
  }
  for (Table* table : {&Company, &Tasks, &Currency, &DefAcct}) table->Close();
  if (firstError) Report(firstError);
  return companySaved;
}

void TdmMainData::InitTasks() {
  data::Field& step = Tasks.FieldByName("Step");
  data::Field& accomplished = Tasks.FieldByName("Accomplished");
  data::Field& required = Tasks.FieldByName("Required");
  for (int task = 1; task <= kTaskCount; ++task) {
    if (Tasks.Locate("Step", task)) continue;
    Tasks.Append();
    step.SetAsInteger(task);
    required.SetAsBoolean(TaskRequired[task - 1]);
    accomplished.SetAsBoolean(false);
    Tasks.Post();
  }
}

void TdmMainData::ResetAllTables() {
  std::exception_ptr firstError;
  for (Table* table : {&Company, &Tasks, &Currency, &DefAcct, &Tasks}) {
    try {
      GuardOf(*table).Save();
    } catch (...) {
      if (!firstError) firstError = std::current_exception();
    }
    table->Close();
    table->CreateEmpty();
  }
  InitTasks();
  if (firstError) Report(firstError);
}

void TdmMainData::SaveChangedTables() {
  std::exception_ptr firstError;
  for (Table* table : {&Company, &Tasks, &Currency, &DefAcct}) {
    try {
      GuardOf(*table).SaveIfChanged();
    } catch (...) {
      if (!firstError) firstError = std::current_exception();
    }
  }
  if (firstError) std::rethrow_exception(firstError);
}

void TdmMainData::CompanyNewRecord(Table& table) {
  table.FieldByName("Created").SetAsBoolean(false);
}

std::string TdmMainData::CompanyPathGetText(const data::Field& field) const {
  return field.AsString();
}

void TdmMainData::CompanyPathSetText(data::Field& field, const std::string& text) {
  field.SetAsString(text);
}

void TdmMainData::CompanyBeforePost(Table&) {}

void TdmMainData::Report(std::exception_ptr error) const {
  if (!showError_) return;
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    try {
      showError_(e);
    } catch (...) {
      // The error display itself failed; there is nowhere left to report to.
    }
  } catch (...) {
  }
}

void SetTaskAccomplished(TdmMainData& data, int task, bool value) {
  if (!data.Tasks.Locate("Step", task)) return;
  data.Tasks.Edit();
  data.Tasks.FieldByName("Accomplished").SetAsBoolean(value);
  data.Tasks.Post();
}

bool TaskSatisfied(TdmMainData& data, int task) {
  if (!data.Tasks.Locate("Step", task)) return false;
  return !data.Tasks.FieldByName("Required").AsBoolean() ||
         data.Tasks.FieldByName("Accomplished").AsBoolean();
}

}  // namespace tutorial
