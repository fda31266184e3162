#pragma once
// The file system of the native (Linux) build: POSIX calls, paths with '/'.
#include <functional>
#include <string>
#include <string_view>

#include "platform/os/file_system.h"

namespace headless {

class PosixFileSystem : public os::FileSystem {
 public:
  bool FileExists(const std::string& path) override;
  bool DirectoryExists(const std::string& path) override;
  void CreateDirectories(const std::string& path) override;
  void CreateFolder(const std::string& path) override;
  std::vector<uint8_t> ReadFile(const std::string& path, size_t limit = SIZE_MAX) override;
  void WriteFileAtomic(const std::string& path, std::string_view bytes) override;
  void RenameFile(const std::string& from, const std::string& to) override;
  void RemoveFile(const std::string& path) override;
  void Wait(int milliseconds) override;

  // Test hook: runs after "<path>.tmp" is written and flushed, before it replaces `path`.
  // An exception thrown from it stands for a crash at that moment: it propagates and the
  // temporary file is left behind, as a crash would leave it.
  std::function<void(const std::string& path)> BeforeReplace;
  // Test hook: asked before each system call ("open", "read", "create", "write", "flush",
  // "replace", "rename", "mkdir", "remove") with the path; a non-zero errno makes that call fail so.
  // EBUSY stands for a file another program holds open without sharing.
  std::function<int(std::string_view call, const std::string& path)> InjectError;
  // Test hook: replaces the sleep of Wait (tests count the pauses instead of taking them).
  std::function<void(int milliseconds)> OnWait;

 private:
  int Injected(std::string_view call, const std::string& path) const;
};

}  // namespace headless
