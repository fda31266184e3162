#include "platform/win32/win32_file_system.h"

#include "platform/win32/windows_api.h"

#include <algorithm>

#include "platform/os/error.h"
#include "platform/win32/system_message.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/wide.h"

namespace win32 {
namespace {

os::FileFault FaultOf(DWORD code) {
  switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_NETPATH:
      return os::FileFault::NotFound;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return os::FileFault::InUse;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
      return os::FileFault::Denied;
    default:
      return os::FileFault::Other;
  }
}

[[noreturn]] void Fail(const std::string& what, const std::string& path, DWORD code) {
  throw os::FileError(what, path, os::ReasonClause(SystemMessage(code)), FaultOf(code));
}

DWORD Attributes(const std::string& path) { return GetFileAttributesW(Widen(path).c_str()); }

// The largest piece handed to one ReadFile/WriteFile call.
constexpr size_t kChunk = size_t(1) << 30;

}  // namespace

bool Win32FileSystem::FileExists(const std::string& path) {
  const DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::DirectoryExists(const std::string& path) {
  const DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void Win32FileSystem::CreateDirectories(const std::string& path) {
  std::string folder = path;
  while (folder.size() > 1 && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
  if (folder.empty() || DirectoryExists(folder)) return;
  const std::string parent = FolderOf(folder);
  // A drive ("C:\") or share root ends the walk: it exists or cannot be made.
  if (!parent.empty() && parent.size() < folder.size()) CreateDirectories(parent);
  if (!CreateDirectoryW(Widen(folder).c_str(), nullptr)) {
    const DWORD code = GetLastError();
    if (code == ERROR_ALREADY_EXISTS && DirectoryExists(folder)) return;
    Fail("Cannot create the folder", folder, code);
  }
}

void Win32FileSystem::CreateFolder(const std::string& path) {
  if (!CreateDirectoryW(Widen(path).c_str(), nullptr))
    Fail("Cannot create the folder", path, GetLastError());
}

std::vector<uint8_t> Win32FileSystem::ReadFile(const std::string& path, size_t limit) {
  UniqueFile file(CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) Fail("Cannot open", path, GetLastError());
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size)) Fail("Cannot read", path, GetLastError());
  if (uint64_t(size.QuadPart) > limit) {
    throw os::FileError("Cannot read", path,
                        "it holds " + std::to_string(size.QuadPart) + " bytes, more than " +
                            std::to_string(limit) + " this file can hold.",
                        os::FileFault::TooLarge);
  }
  std::vector<uint8_t> bytes(size_t(size.QuadPart));
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD read = 0;
    const DWORD want = DWORD(std::min(kChunk, bytes.size() - done));
    if (!::ReadFile(file.Get(), bytes.data() + done, want, &read, nullptr))
      Fail("Cannot read", path, GetLastError());
    if (read == 0) break;  // shrank while reading
    done += read;
  }
  bytes.resize(done);
  return bytes;
}

void Win32FileSystem::WriteFileAtomic(const std::string& path, std::string_view bytes) {
  const std::wstring target = Widen(path);
  const std::wstring temporary = target + L".tmp";
  UniqueFile file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) Fail("Cannot create", path + ".tmp", GetLastError());

  const char* step = "Cannot write";
  DWORD failure = ERROR_SUCCESS;
  size_t done = 0;
  while (done < bytes.size() && failure == ERROR_SUCCESS) {
    DWORD written = 0;
    const DWORD want = DWORD(std::min(kChunk, bytes.size() - done));
    if (!WriteFile(file.Get(), bytes.data() + done, want, &written, nullptr))
      failure = GetLastError();
    done += written;
  }
  if (failure == ERROR_SUCCESS && !FlushFileBuffers(file.Get())) {
    step = "Cannot flush";
    failure = GetLastError();
  }
  file.Reset();
  std::string named = path + ".tmp";
  if (failure == ERROR_SUCCESS &&
      !MoveFileExW(temporary.c_str(), target.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    step = "Cannot replace";
    named = path;
    failure = GetLastError();
  }
  if (failure != ERROR_SUCCESS) {
    DeleteFileW(temporary.c_str());
    Fail(step, named, failure);
  }
}

void Win32FileSystem::RenameFile(const std::string& from, const std::string& to) {
  if (!MoveFileExW(Widen(from).c_str(), Widen(to).c_str(), MOVEFILE_WRITE_THROUGH))
    Fail("Cannot rename", from, GetLastError());
}

void Win32FileSystem::RemoveFile(const std::string& path) {
  if (DeleteFileW(Widen(path).c_str())) return;
  const DWORD code = GetLastError();
  // Gone already, or its folder is: the file is not there either way.
  if (code != ERROR_FILE_NOT_FOUND && code != ERROR_PATH_NOT_FOUND)
    Fail("Cannot delete", path, code);
}

void Win32FileSystem::Wait(int milliseconds) { Sleep(DWORD(std::max(milliseconds, 0))); }

}  // namespace win32
