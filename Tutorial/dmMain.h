#pragma once
// The assistant's state store: four local tables that remember, from one run to the next,
// what the user entered for the new company and which tasks are done. The main window creates
// it, owns it and destroys it; each table is loaded from its own file at creation and written
// back at destruction.
#include <array>
#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "Tutorial/TableFileGuard.h"
#include "platform/data/table.h"
#include "platform/ui/image_list.h"

namespace tutorial {

inline constexpr int kTaskCount = 21;

// The Required flag a Tasks row starts with, by task number 1 to 21.
inline constexpr std::array<bool, kTaskCount> TaskRequired = {
    true,  true,  false, true,  true,  true,  true,  true,  false, false, false,
    false, false, false, false, false, false, false, false, false, false};

// The field lists of the four tables, as their files store them.
data::FieldDefs TasksFields();
data::FieldDefs CompanyFields();
data::FieldDefs CurrencyFields();
data::FieldDefs DefAcctFields();

// The present moment as the names of files kept aside carry it ("20261209-071205").
std::string FileStamp();

class TdmMainData {
 public:
  // Shows an error to the user; the main window passes its application's error display.
  using ErrorSink = std::function<void(const std::exception&)>;

  // Finds the tutorial data folder and opens the four tables (DataModuleCreate). Nothing
  // escapes: an error beyond a missing or unreadable table file is shown through `showError`;
  // whatever fails, the four tables are open afterwards (empty when their file was not read).
  TdmMainData(std::string hostExecutable, ErrorSink showError);
  // Saves and closes the four tables (DataModuleDestroy); a write error is shown, not thrown.
  // A file the run could not read is kept aside before its table replaces it.
  ~TdmMainData();
  TdmMainData(const TdmMainData&) = delete;
  TdmMainData& operator=(const TdmMainData&) = delete;

  data::Table Tasks;     // TutorTasks.cds: one row per task 1 to 21, ordered by Step
  data::Table Company;   // TutorComp.cds: at most one record, the company being created
  data::Table Currency;  // TutorCurrency.cds: at most one record
  data::Table DefAcct;   // TutorDefAcct.cds: at most one record

  // What the pages attach their data-aware controls' links to.
  data::Table* const TasksDS = &Tasks;
  data::Table* const companyDS = &Company;
  data::Table* const CurrencyDS = &Currency;
  data::Table* const DefAcctDS = &DefAcct;

  // Pictures shared by the pages' buttons: large page icons, and the navigation and voice
  // glyphs in their normal and hot looks; the check mark shown beside accomplished tasks.
  ui::ImageList TutorialImg{32, 32};
  ui::ImageList NormImageList{28, 28};
  ui::ImageList HotImageList{28, 28};
  ui::ImageList CheckMark{17, 16};

  // The folder of the four files, with its trailing separator ("" when none could be found:
  // the tables then start empty and are not saved).
  const std::string& DataFolder() const { return dataFolder_; }
  // What the user must be told about the files read at start-up, one message per file;
  // handed out once.
  std::vector<std::string> TakeNotices() { return std::move(notices_); }
  // The table's file exists but could not be read: its empty table says nothing about what
  // the file holds, so nothing may be recomputed from it.
  bool Unread(const data::Table& table) const;

  // Adds a Tasks row for each task number that has none; existing rows keep their flags.
  void InitTasks();
  // Empties the four tables (each writes its posted content to its file first) and
  // re-creates the task rows. A file that cannot be written is reported, the reset goes on.
  void ResetAllTables();
  // Writes the posted content of each table that changed since it was last written, so that
  // a run that ends abruptly keeps what it had posted. Every table is tried; the first error
  // is thrown (os::FileError naming the file).
  void SaveChangedTables();
  // The end-of-run save and close (what destruction does, done early): true when the company
  // table reached its file, so that what else keeps its values may go.
  bool SaveAndClose() { return DataModuleDestroy(); }

  // Handlers of Company.
  void CompanyNewRecord(data::Table& table);
  std::string CompanyPathGetText(const data::Field& field) const;
  void CompanyPathSetText(data::Field& field, const std::string& text);
  void CompanyBeforePost(data::Table& table);

 private:
  void DataModuleCreate(const std::string& hostExecutable);
  void LoadPictures();
  bool DataModuleDestroy();
  void Report(std::exception_ptr error) const;
  TableFileGuard& GuardOf(const data::Table& table);

  ErrorSink showError_;
  std::string dataFolder_;
  TableFileGuard companyFile_{Company, "the company details"};
  TableFileGuard tasksFile_{Tasks, "the tasks"};
  TableFileGuard currencyFile_{Currency, "the currencies"};
  TableFileGuard defAcctFile_{DefAcct, "the default-account choices"};
  std::vector<std::string> notices_;
};

// Records whether a task is done: finds its Tasks row (moving to it), edits and posts it.
// A task number without a row changes nothing.
void SetTaskAccomplished(TdmMainData& data, int task, bool value);
// True when the task's row is not required or is accomplished; false when there is no row.
bool TaskSatisfied(TdmMainData& data, int task);

}  // namespace tutorial
