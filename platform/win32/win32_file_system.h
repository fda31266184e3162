#pragma once
// Files through the Win32 API with UTF-16 paths. Failures raise os::FileError with the
// system's message and the path.
#include "platform/os/file_system.h"

namespace win32 {

class Win32FileSystem : public os::FileSystem {
 public:
  bool FileExists(const std::string& path) override;
  bool DirectoryExists(const std::string& path) override;
  void CreateDirectories(const std::string& path) override;
  void CreateFolder(const std::string& path) override;
  std::vector<uint8_t> ReadFile(const std::string& path, size_t limit = SIZE_MAX) override;
  // Written to "<path>.tmp", flushed to the disk, then moved over `path` with
  // MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH; the temporary file is removed on failure.
  void WriteFileAtomic(const std::string& path, std::string_view bytes) override;
  void RenameFile(const std::string& from, const std::string& to) override;
  void RemoveFile(const std::string& path) override;
  void Wait(int milliseconds) override;
};

}  // namespace win32
