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
  std::vector<uint8_t> ReadFile(const std::string& path) override;
  // Written to "<path>.tmp", flushed to the disk, then moved over `path` with
  // MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH; the temporary file is removed on failure.
  void WriteFileAtomic(const std::string& path, std::string_view bytes) override;
};

}  // namespace win32
