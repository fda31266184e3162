#pragma once
// The file system as the demo host needs it; paths are UTF-8 on this side.
#include <string>

namespace demohost {

bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
std::string FolderOf(const std::string& path);  // "" when the path names no folder
void DeleteFileIfAny(const std::string& path);
// The system's message for the last Win32 error, without the trailing line break.
std::string LastErrorText();
std::string Wide8(const wchar_t* text);  // UTF-16 from Win32 -> UTF-8
std::wstring Wide(const std::string& utf8);

}  // namespace demohost
