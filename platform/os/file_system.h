#pragma once
// File access as the assistant needs it. Paths are UTF-8; on Windows they use '\'.
#include <cstddef>
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

  // Whole-file read; throws FileError when the file cannot be opened or read, with the
  // fault TooLarge (before reading anything) when it holds more than `limit` bytes.
  virtual std::vector<uint8_t> ReadFile(const std::string& path, size_t limit = SIZE_MAX) = 0;

  // Replaces `path` with `bytes` so that the old content survives any failure:
  // writes "<path>.tmp", flushes it to the disk, then renames it over `path` in one step.
  // Throws FileError (naming the path) when any step fails; the old file is then intact.
  virtual void WriteFileAtomic(const std::string& path, std::string_view bytes) = 0;

  // Renames a file; fails (FileError) rather than replace an existing `to`.
  virtual void RenameFile(const std::string& from, const std::string& to) = 0;
  // Deletes a file; one that is already gone is no error. Throws FileError otherwise.
  virtual void RemoveFile(const std::string& path) = 0;

  // Blocks the calling thread; used between retries of a file another program holds.
  virtual void Wait(int milliseconds) = 0;

  // The folder part of a path, with its trailing separator ("C:\a\b.exe" -> "C:\a\").
  static std::string FolderOf(const std::string& path);
  // The name part of a path ("C:\a\b.wav" -> "b.wav"); both '\' and '/' separate.
  static std::string NameOf(const std::string& path);
};

// ReadFile, retried while another program holds the file (a backup tool or an editor has it
// open for a moment): up to `attempts` reads `pauseMs` apart, then the last error stands.
std::vector<uint8_t> ReadFileRetrying(FileSystem& files, const std::string& path, size_t limit,
                                      int attempts = 10, int pauseMs = 100);

// The file system of the running backend (Win32 functions on Windows, POSIX natively).
FileSystem& Files();
void SetFiles(FileSystem* files);

}  // namespace os
