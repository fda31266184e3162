// The wizard window's progress that survives a crash: the posted tables and "LastPage" are
// written at every step change, the company record's pending values go to a recovery file of
// their own, and the next start offers them back and checks what was saved before a resume.
#include <cstdio>
#include <exception>
#include <string>

#include "Tutorial/CompanyRecovery.h"
#include "Tutorial/Main.h"
#include "Tutorial/MsgForm.h"
#include "Tutorial/StartupCheck.h"
#include "platform/data/table_file.h"
#include "platform/os/error.h"
#include "platform/os/file_system.h"
#include "platform/ui/application.h"
#include "platform/ui/errors.h"

namespace tutorial {
namespace {

bool Pending(const data::Table& table) {
  return table.State() == data::TableState::Edit || table.State() == data::TableState::Insert;
}

std::string NotRestored(const std::string& name, const std::string& why) {
  const int size = std::snprintf(nullptr, 0, SEntriesNotRestored, name.c_str(), why.c_str());
  std::string text(size_t(size) + 1, '\0');
  std::snprintf(text.data(), text.size(), SEntriesNotRestored, name.c_str(), why.c_str());
  text.resize(size_t(size));
  return text;
}

}  // namespace

bool TfmMain::HoldsRestoredEntries() const {
  return restoredEntries_ && Pending(MainData().Company);
}

void TfmMain::RecoverProgress() {
  lastPageWritten_ = LastPage;
  recovery_ = std::make_unique<CompanyRecovery>(MainData().Company, MainData().DataFolder());

  // What was saved is checked before anything is offered back: starting over empties the
  // tables, and the typed values can still be put into the fresh record afterwards.
  if (const std::string problem = SavedProgressProblem(MainData().Company, LastPage);
      !problem.empty() && ShowMsgForm(problem, kMsgYesNo) == ui::mrYes) {
    StartOver();
  }

  std::optional<data::Row> entries;
  std::string why;
  try {
    entries = recovery_->Read();
  } catch (const data::TableFileError&) {
    why = "is damaged";
  } catch (const os::FileError& error) {
    why = "could not be read (" + error.Reason() + ")";
    if (why.size() > 2 && why[why.size() - 2] == '.') why.erase(why.size() - 2, 1);
  }
  if (!why.empty()) {
    const std::string name = os::FileSystem::NameOf(recovery_->Path());
    try {
      why += "; the file is kept as '" + recovery_->SetAside(FileStamp()) + "'";
    } catch (const os::FileError&) {
      why += "; the file is left where it is";
    }
    ShowMsgForm(NotRestored(name, why), kMsgYes);
    return;
  }
  if (!entries) return;
  if (ShowMsgForm(SRestoreEntries, kMsgYesNo) == ui::mrYes) {
    recovery_->Restore(*entries);
    restoredEntries_ = true;
    // From here the file holds this run's pending values, so a second crash loses nothing.
    recovery_->Keep();
  } else {
    recovery_->Remove();
  }
}

void TfmMain::StartOver() {
  MainData().Company.Cancel();
  MainData().ResetAllTables();
  LastPage = 1;
  // A save that fails is shown; the start-up goes on to the typed values.
  ui::Application::Instance().Guard([&] { SaveProgress(); });
}

void TfmMain::SaveProgress() {
  progressTimer_.SetEnabled(false);
  std::exception_ptr firstError;
  auto attempt = [&](auto&& write) {
    try {
      write();
    } catch (...) {
      if (!firstError) firstError = std::current_exception();
    }
  };
  // The tables go first: a "LastPage" ahead of the tables would promise a company that the
  // files do not hold yet.
  attempt([&] { MainData().SaveChangedTables(); });
  attempt([&] {
    if (LastPage == lastPageWritten_) return;
    WriteLastPage();
    lastPageWritten_ = LastPage;
  });
  attempt([&] {
    if (recovery_) recovery_->Keep();
  });
  if (!firstError) {
    progressErrorShown_ = false;
    return;
  }
  // Once until saving works again: a full disk would otherwise interrupt every step.
  if (progressErrorShown_) return;
  progressErrorShown_ = true;
  std::rethrow_exception(firstError);
}

void TfmMain::EndProgress() {
  if (recovery_) recovery_->Remove();
}

}  // namespace tutorial
