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

// A file could not be created, written, flushed or replaced.
class FileError : public OsError {
 public:
  using OsError::OsError;
};

}  // namespace os
