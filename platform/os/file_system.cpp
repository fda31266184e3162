#include "platform/os/file_system.h"

#include <cassert>

namespace os {
namespace {
FileSystem* g_files = nullptr;

size_t LastSeparator(const std::string& path) { return path.find_last_of("\\/"); }
}  // namespace

FileSystem& Files() {
  assert(g_files && "no file system installed by the backend");
  return *g_files;
}

void SetFiles(FileSystem* files) { g_files = files; }

std::string FileSystem::FolderOf(const std::string& path) {
  const size_t sep = LastSeparator(path);
  return sep == std::string::npos ? std::string() : path.substr(0, sep + 1);
}

std::string FileSystem::NameOf(const std::string& path) {
  const size_t sep = LastSeparator(path);
  return sep == std::string::npos ? path : path.substr(sep + 1);
}

}  // namespace os
