#pragma once
// Shared by the table-engine and state-store tests: a scratch folder on the real file system,
// and the headless registry and file system installed as the backend for a test.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "platform/headless/memory_registry.h"
#include "platform/headless/posix_file_system.h"
#include "platform/os/resources.h"

namespace datatest {

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tutor-data-XXXXXX").string();
    path_ = std::string(::mkdtemp(pattern.data())) + "/";
  }
  ~TempFolder() { std::filesystem::remove_all(path_); }
  // With its trailing separator, as the state store builds its file names.
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

inline void WriteText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

inline std::string ReadText(const std::string& path) {
  std::ostringstream text;
  text << std::ifstream(path, std::ios::binary).rdbuf();
  return text.str();
}

// The message of the exception `action` throws; "" when it throws none.
inline std::string ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const std::exception& error) {
    return error.what();
  }
  return {};
}

class BackendTest : public ::testing::Test {
 protected:
  void SetUp() override {
    os::SetFiles(&files_), os::SetRegistry(&registry_);
    os::SetResourceLoader([](const std::string& name) {  // the state store's pictures
      const std::string text = ReadText(std::string(TUTOR_RESOURCE_DIR "/skin/") + name);
      return std::vector<uint8_t>(text.begin(), text.end());
    });
  }
  void TearDown() override {
    os::SetFiles(nullptr), os::SetRegistry(nullptr), os::SetResourceLoader(nullptr);
  }

  headless::PosixFileSystem files_;
  headless::MemoryRegistry registry_;
  TempFolder folder_;
};

}  // namespace datatest
