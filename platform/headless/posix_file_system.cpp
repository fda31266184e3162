#include "platform/headless/posix_file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/os/error.h"

namespace headless {
namespace {

[[noreturn]] void Fail(const std::string& what, const std::string& path, int error) {
  throw os::FileError(what + " '" + path + "': " + std::strerror(error));
}

// Closes the descriptor on every path out of a function.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  // Closes now and reports the result, since close() can report a failed write.
  int Close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result;
  }

 private:
  int fd_;
};

bool IsKind(const std::string& path, mode_t kind) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && (info.st_mode & S_IFMT) == kind;
}

void WriteAll(int fd, std::string_view bytes, const std::string& path) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      Fail("Cannot write file", path, errno);
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
}

// Makes the rename itself durable; file systems that cannot sync a folder are let be.
void SyncFolderOf(const std::string& path) {
  std::string folder = os::FileSystem::FolderOf(path);
  if (folder.empty()) folder = ".";
  Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() >= 0) ::fsync(dir.get());
}

}  // namespace

bool PosixFileSystem::FileExists(const std::string& path) { return IsKind(path, S_IFREG); }

bool PosixFileSystem::DirectoryExists(const std::string& path) { return IsKind(path, S_IFDIR); }

void PosixFileSystem::CreateDirectories(const std::string& path) {
  for (size_t end = path.find('/', 1);; end = path.find('/', end + 1)) {
    const std::string prefix = path.substr(0, end);
    if (!prefix.empty() && ::mkdir(prefix.c_str(), 0777) != 0 && errno != EEXIST) {
      Fail("Cannot create folder", prefix, errno);
    }
    if (end == std::string::npos) break;
  }
  if (!DirectoryExists(path)) Fail("Cannot create folder", path, ENOTDIR);
}

void PosixFileSystem::CreateFolder(const std::string& path) {
  if (::mkdir(path.c_str(), 0777) != 0) Fail("Cannot create folder", path, errno);
}

std::vector<uint8_t> PosixFileSystem::ReadFile(const std::string& path) {
  Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.get() < 0) Fail("Cannot open file", path, errno);
  std::vector<uint8_t> bytes;
  uint8_t chunk[65536];
  for (;;) {
    const ssize_t got = ::read(file.get(), chunk, sizeof chunk);
    if (got < 0) {
      if (errno == EINTR) continue;
      Fail("Cannot read file", path, errno);
    }
    if (got == 0) return bytes;
    bytes.insert(bytes.end(), chunk, chunk + got);
  }
}

void PosixFileSystem::WriteFileAtomic(const std::string& path, std::string_view bytes) {
  const std::string temporary = path + ".tmp";
  try {
    Descriptor file(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (file.get() < 0) Fail("Cannot create file", path, errno);
    WriteAll(file.get(), bytes, path);
    if (::fsync(file.get()) != 0) Fail("Cannot write file", path, errno);
    if (file.Close() != 0) Fail("Cannot write file", path, errno);
  } catch (const os::FileError&) {
    ::unlink(temporary.c_str());
    throw;
  }
  if (BeforeReplace) BeforeReplace(path);
  if (::rename(temporary.c_str(), path.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    Fail("Cannot create file", path, error);
  }
  SyncFolderOf(path);
}

}  // namespace headless
