#pragma once
// The file system of the native (Linux) build: POSIX calls, paths with '/'.
#include <functional>
#include <string>

#include "platform/os/file_system.h"

namespace headless {

class PosixFileSystem : public os::FileSystem {
 public:
  bool FileExists(const std::string& path) override;
  bool DirectoryExists(const std::string& path) override;
  void CreateDirectories(const std::string& path) override;
  void CreateFolder(const std::string& path) override;
  std::vector<uint8_t> ReadFile(const std::string& path) override;
  void WriteFileAtomic(const std::string& path, std::string_view bytes) override;

  // Test hook: runs after "<path>.tmp" is written and flushed, before it replaces `path`.
  // An exception thrown from it stands for a crash at that moment: it propagates and the
  // temporary file is left behind, as a crash would leave it.
  std::function<void(const std::string& path)> BeforeReplace;
};

}  // namespace headless
