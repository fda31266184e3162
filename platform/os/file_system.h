#pragma once
// File access as the assistant needs it. Paths are UTF-8; on Windows they use '\'.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace os {

// What separates the parts of a path on this platform.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  virtual bool FileExists(const std::string& path) = 0;
  virtual bool DirectoryExists(const std::string& path) = 0;
  // Creates the folder and its missing parents; throws FileError when it cannot.
  virtual void CreateDirectories(const std::string& path) = 0;
  // Creates this one folder (its parent must exist); throws FileError when it cannot.
  virtual void CreateFolder(const std::string& path) = 0;

  // Whole-file read; throws FileError when the file cannot be opened or read.
  virtual std::vector<uint8_t> ReadFile(const std::string& path) = 0;

  // Replaces `path` with `bytes` so that the old content survives any failure:
  // writes "<path>.tmp", flushes it to the disk, then renames it over `path` in one step.
  // Throws FileError (naming the path) when any step fails; the old file is then intact.
  virtual void WriteFileAtomic(const std::string& path, std::string_view bytes) = 0;

  // The folder part of a path, with its trailing separator ("C:\a\b.exe" -> "C:\a\").
  static std::string FolderOf(const std::string& path);
  // The name part of a path ("C:\a\b.wav" -> "b.wav"); both '\' and '/' separate.
  static std::string NameOf(const std::string& path);
};

// The file system of the running backend (Win32 functions on Windows, POSIX natively).
FileSystem& Files();
void SetFiles(FileSystem* files);

}  // namespace os
