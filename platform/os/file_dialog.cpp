#include "platform/os/file_dialog.h"

#include "platform/os/error.h"

namespace os {
namespace {
FileDialog* g_dialogs = nullptr;
}  // namespace

FileDialog& Dialogs() {
  if (!g_dialogs) throw OsError("No file dialog is available.");
  return *g_dialogs;
}

void SetDialogs(FileDialog* dialogs) { g_dialogs = dialogs; }

}  // namespace os
