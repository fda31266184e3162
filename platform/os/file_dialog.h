#pragma once
// The platform's standard dialog for choosing a file to open.
#include <optional>
#include <string>

namespace os {

struct OpenFileRequest {
  // Appended when the user types a name without an extension ("gdb").
  std::string defaultExt;
  // Pairs of description and pattern, separated by '|':
  // "Database file(*.gdb)|*.gdb|All Files(*.*)|*.*".
  std::string filter;
  std::string initialDir;
  // Only a file that exists may be confirmed.
  bool mustExist = false;
  // The window the dialog is modal to (an HWND on Windows); may be null.
  void* owner = nullptr;
};

class FileDialog {
 public:
  virtual ~FileDialog() = default;
  // The full file name the user confirmed; nullopt when the user cancelled. The file need
  // not exist. Throws OsError when the dialog cannot be shown.
  virtual std::optional<std::string> OpenFile(const OpenFileRequest& request) = 0;
};

// The dialog of the running backend.
FileDialog& Dialogs();
void SetDialogs(FileDialog* dialogs);

}  // namespace os
