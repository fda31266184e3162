#include "platform/os/file_system.h"

#include <cassert>
#include <cctype>

#include "platform/os/error.h"

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

std::vector<uint8_t> ReadFileRetrying(FileSystem& files, const std::string& path, size_t limit,
                                      int attempts, int pauseMs) {
  for (int attempt = 1;; ++attempt) {
    try {
      return files.ReadFile(path, limit);
    } catch (const FileError& error) {
      if (error.Fault() != FileFault::InUse || attempt >= attempts) throw;
    }
    files.Wait(pauseMs);
  }
}

std::string ReasonClause(std::string text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.pop_back();
  while (!text.empty() && text.back() == '.') text.pop_back();
  if (text.empty()) return "unknown reason.";
  const auto upper = [&](size_t i) {
    return i < text.size() && std::isupper(static_cast<unsigned char>(text[i]));
  };
  if (upper(0) && !upper(1)) text[0] = char(std::tolower(static_cast<unsigned char>(text[0])));
  return text + ".";
}

}  // namespace os
