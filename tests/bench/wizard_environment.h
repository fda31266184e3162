#pragma once
// The headless world the wizard benchmarks run in: the skin read from the source tree, an
// in-memory registry whose "Main" value points the tables at a scratch folder of their own.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/headless/headless_backend.h"
#include "platform/headless/memory_registry.h"
#include "platform/headless/posix_file_system.h"
#include "platform/os/error.h"
#include "platform/os/file_system.h"
#include "platform/os/registry.h"
#include "platform/os/resources.h"
#include "platform/ui/application.h"

struct WizardEnvironment {
  explicit WizardEnvironment(const std::string& scratch) {
    os::SetRegistry(&registry);
    os::SetFiles(&files);
    os::SetResourceLoader([](const std::string& name) {
      std::ifstream in(std::string(TUTOR_RESOURCE_DIR "/skin/") + name, std::ios::binary);
      if (!in) throw os::OsError("missing " + name);
      return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
    });
    folder = std::filesystem::temp_directory_path() / scratch;
    std::filesystem::create_directories(folder);
    registry.SetValue("Software\\Tavrilenk\\Zendri Accounting 2000\\Main", "", folder.string() + "/");
  }
  ~WizardEnvironment() { std::filesystem::remove_all(folder); }

  headless::HeadlessBackend backend;
  ui::Application app{backend};
  headless::MemoryRegistry registry;
  headless::PosixFileSystem files;
  std::filesystem::path folder;
};
