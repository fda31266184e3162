#include "Tutorial/TableFileGuard.h"

#include "platform/data/table_file.h"
#include "platform/os/error.h"
#include "platform/os/file_system.h"

namespace tutorial {

TableFileGuard::TableFileGuard(data::Table& table, std::string contents)
    : table_(table), contents_(std::move(contents)) {}

std::string TableFileGuard::Load(const std::string& stamp) {
  aside_.clear();
  if (table_.FileName().empty()) {  // no data folder: reported once by the store
    table_.CreateEmpty();
    state_ = State::NoFolder;
    return {};
  }
  const std::string name = os::FileSystem::NameOf(table_.FileName());
  const std::string empty = ", so " + contents_ + " start empty.";
  auto keptIfChanged = [&](const char* kind) {
    state_ = State::Held;
    aside_ = name + "." + kind + "-" + stamp;
    return " If you change them, the file is first kept as '" + aside_ + "'.";
  };
  auto kept = [&](const char* kind) {
    state_ = State::Unread;
    aside_ = name + "." + kind + "-" + stamp;
    return " The file is kept as '" + aside_ + "'.";
  };
  try {
    table_.Open();
    if (table_.Repairs().empty()) {
      state_ = State::Read;
      return {};
    }
    state_ = State::Mended;
    aside_ = name + ".mended-" + stamp;
    return "Some values in '" + name + "' did not fit and were mended. " +
           table_.Repairs().front() + " The original file is kept as '" + aside_ + "'.";
  } catch (const os::FileError& error) {
    table_.CreateEmpty();
    switch (error.Fault()) {
      case os::FileFault::NotFound:
        state_ = State::Absent;
        return {};
      case os::FileFault::InUse:
        return "'" + name + "' is in use by another program and could not be read" + empty +
               keptIfChanged("locked");
      case os::FileFault::TooLarge:
        return "'" + name + "' is too large to be a file of the assistant" + empty +
               kept("too-large");
      case os::FileFault::Denied:
      case os::FileFault::Other:
        break;
    }
    std::string reason = error.Reason();
    if (!reason.empty() && reason.back() == '.') reason.pop_back();
    return "'" + name + "' could not be read (" + reason + ")" + empty +
           keptIfChanged(error.Fault() == os::FileFault::Denied ? "denied" : "unreadable");
  } catch (const data::TableFileError& error) {
    table_.CreateEmpty();
    if (error.OtherLayout())
      return "'" + name + "' is not a table of this assistant" + empty + kept("other-layout");
    return "'" + name + "' is damaged" + empty + kept("damaged");
  }
}

void TableFileGuard::MarkLoaded() {
  loaded_ = table_.Active() ? table_.SaveToData() : std::string();
  written_ = loaded_;
}

void TableFileGuard::SaveIfChanged() {
  if (state_ == State::NoFolder || !table_.Active() || table_.SaveToData() == written_) return;
  Save();
}

void TableFileGuard::Save() {
  if (state_ == State::NoFolder || !table_.Active()) return;
  const std::string& path = table_.FileName();
  // Another program's file that this run did not change is left as it is: next time it
  // may be readable again.
  if (state_ == State::Held && table_.SaveToData() == loaded_) return;
  os::FileSystem& files = os::Files();
  if (state_ == State::Held || state_ == State::Unread || state_ == State::Mended) {
    if (files.FileExists(path)) {
      std::string aside = os::FileSystem::FolderOf(path) + aside_;
      for (int n = 2; files.FileExists(aside) && n < 100; ++n)
        aside = os::FileSystem::FolderOf(path) + aside_ + "-" + std::to_string(n);
      try {
        files.RenameFile(path, aside);
      } catch (const os::FileError& error) {
        if (error.Fault() != os::FileFault::NotFound) {
          throw os::FileError("Cannot save " + contents_ + " to", path,
                              "the file there could not be kept aside first: " + error.Reason(),
                              error.Fault());
        }
      }
      aside_ = os::FileSystem::NameOf(aside);
    }
    state_ = State::Read;  // the file is the run's own from now on
  }
  std::string content = table_.SaveToData();
  try {
    files.WriteFileAtomic(path, content);
  } catch (const os::FileError& error) {
    throw os::FileError("Cannot save " + contents_ + " to", path, error.Reason(), error.Fault());
  }
  written_ = std::move(content);
}

}  // namespace tutorial
