#include "platform/win32/win32_file_dialog.h"

#include "platform/win32/windows_api.h"

#include <commdlg.h>

#include <string>

#include "platform/os/error.h"
#include "platform/win32/wide.h"

namespace win32 {
namespace {

// The dialog wants "description\0pattern\0...\0\0"; requests separate the parts with '|'.
std::wstring FilterOf(const std::string& filter) {
  std::wstring wide = Widen(filter);
  for (wchar_t& ch : wide) {
    if (ch == L'|') ch = L'\0';
  }
  wide.push_back(L'\0');
  wide.push_back(L'\0');
  return wide;
}

}  // namespace

std::optional<std::string> Win32FileDialog::OpenFile(const os::OpenFileRequest& request) {
  const std::wstring filter = FilterOf(request.filter);
  const std::wstring defaultExt = Widen(request.defaultExt);
  const std::wstring initialDir = Widen(request.initialDir);
  // Room for the longest path the system accepts, not only MAX_PATH.
  std::wstring file(32768, L'\0');

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = static_cast<HWND>(request.owner);
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = DWORD(file.size());
  dialog.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
  dialog.lpstrDefExt = defaultExt.empty() ? nullptr : defaultExt.c_str();
  // The chosen file need not exist unless asked (it may name a new database); the process's
  // current folder is the host's and stays as it was.
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
  if (request.mustExist) dialog.Flags |= OFN_FILEMUSTEXIST;

  if (GetOpenFileNameW(&dialog)) {
    file.resize(wcslen(file.c_str()));
    return Narrow(file);
  }
  if (const DWORD code = CommDlgExtendedError())
    throw os::OsError("The file dialog could not be shown (error " + std::to_string(code) + ").");
  return std::nullopt;
}

}  // namespace win32
