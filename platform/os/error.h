#pragma once
// Errors raised by the operating-system layer. They carry a message meant for the user.
#include <stdexcept>
#include <string>

namespace os {

class OsError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A registry value exists but is not of the type the caller asked for.
class RegistryTypeError : public OsError {
 public:
  using OsError::OsError;
};

// What went wrong with a file, as far as callers decide differently on it.
enum class FileFault {
  Other,
  NotFound,  // the file or a folder on its path does not exist
  InUse,     // another program holds it open without sharing (worth retrying)
  Denied,    // no permission, or read-only
  TooLarge,  // larger than the reader accepts
};

// A file could not be read, created, written, flushed, renamed or replaced, or a folder
// could not be created. what() is the whole sentence ("Cannot write 'C:\a.cds': ..."); the
// parts let callers say it in their own words.
class FileError : public OsError {
 public:
  FileError(const std::string& action, std::string path, std::string reason,
            FileFault fault = FileFault::Other)
      : OsError(action + " '" + path + "': " + reason),
        path_(std::move(path)),
        reason_(std::move(reason)),
        fault_(fault) {}

  const std::string& Path() const { return path_; }
  // The system's reason as a clause ("there is not enough space on the disk.").
  const std::string& Reason() const { return reason_; }
  FileFault Fault() const { return fault_; }

 private:
  std::string path_;
  std::string reason_;
  FileFault fault_;
};

// The system's message shaped as the end of a sentence: first letter lowered (unless the
// word is an acronym), one final full stop.
std::string ReasonClause(std::string systemText);

}  // namespace os
