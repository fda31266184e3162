#include "demohost/files.h"

#include <windows.h>

#include "platform/com/com.h"

namespace demohost {

std::wstring Wide(const std::string& utf8) {
  const std::u16string w = com::Utf8ToUtf16(utf8);
  return std::wstring(w.begin(), w.end());
}

std::string Wide8(const wchar_t* text) {
  return text ? com::Utf16ToUtf8(reinterpret_cast<const char16_t*>(text)) : std::string();
}

bool FileExists(const std::string& path) {
  const DWORD a = GetFileAttributesW(Wide(path).c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
  const DWORD a = GetFileAttributesW(Wide(path).c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.find_last_of("\\/");
  if (slash == std::string::npos) return {};
  // "C:\x.gdb" lies in "C:\", not in "C:".
  if (slash == 2 && path[1] == ':') return path.substr(0, 3);
  return path.substr(0, slash);
}

void DeleteFileIfAny(const std::string& path) { DeleteFileW(Wide(path).c_str()); }

std::string LastErrorText() {
  const DWORD code = GetLastError();
  wchar_t* buffer = nullptr;
  FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                     FORMAT_MESSAGE_IGNORE_INSERTS,
                 nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::string text = buffer ? Wide8(buffer) : "error " + std::to_string(code);
  LocalFree(buffer);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ' ||
                           text.back() == '.'))
    text.pop_back();
  return text;
}

}  // namespace demohost
