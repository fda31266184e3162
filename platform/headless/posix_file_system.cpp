#include "platform/headless/posix_file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>

#include "platform/os/error.h"

namespace headless {
namespace {

os::FileFault FaultOf(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return os::FileFault::NotFound;
    case EBUSY:
    case ETXTBSY:
      return os::FileFault::InUse;
    case EACCES:
    case EPERM:
    case EROFS:
      return os::FileFault::Denied;
    case EFBIG:
      return os::FileFault::TooLarge;
    default:
      return os::FileFault::Other;
  }
}

[[noreturn]] void Fail(const std::string& what, const std::string& path, int error) {
  throw os::FileError(what, path, os::ReasonClause(std::strerror(error)), FaultOf(error));
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

// Makes the rename itself durable; file systems that cannot sync a folder are let be.
void SyncFolderOf(const std::string& path) {
  std::string folder = os::FileSystem::FolderOf(path);
  if (folder.empty()) folder = ".";
  Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() >= 0) ::fsync(dir.get());
}

}  // namespace

int PosixFileSystem::Injected(std::string_view call, const std::string& path) const {
  return InjectError ? InjectError(call, path) : 0;
}

bool PosixFileSystem::FileExists(const std::string& path) { return IsKind(path, S_IFREG); }

bool PosixFileSystem::DirectoryExists(const std::string& path) { return IsKind(path, S_IFDIR); }

void PosixFileSystem::CreateDirectories(const std::string& path) {
  for (size_t end = path.find('/', 1);; end = path.find('/', end + 1)) {
    const std::string prefix = path.substr(0, end);
    if (!prefix.empty() && !DirectoryExists(prefix)) {
      if (const int error = Injected("mkdir", prefix)) Fail("Cannot create the folder", prefix, error);
      if (::mkdir(prefix.c_str(), 0777) != 0 && errno != EEXIST)
        Fail("Cannot create the folder", prefix, errno);
    }
    if (end == std::string::npos) break;
  }
  if (!DirectoryExists(path)) Fail("Cannot create the folder", path, ENOTDIR);
}

void PosixFileSystem::CreateFolder(const std::string& path) {
  if (::mkdir(path.c_str(), 0777) != 0) Fail("Cannot create the folder", path, errno);
}

std::vector<uint8_t> PosixFileSystem::ReadFile(const std::string& path, size_t limit) {
  if (const int error = Injected("open", path)) Fail("Cannot open", path, error);
  Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.get() < 0) Fail("Cannot open", path, errno);
  struct stat info {};
  if (::fstat(file.get(), &info) == 0 && S_ISREG(info.st_mode) &&
      static_cast<uint64_t>(info.st_size) > limit) {
    throw os::FileError("Cannot read", path,
                        "it holds " + std::to_string(info.st_size) + " bytes, more than " +
                            std::to_string(limit) + " this file can hold.",
                        os::FileFault::TooLarge);
  }
  std::vector<uint8_t> bytes;
  uint8_t chunk[65536];
  for (;;) {
    if (const int error = Injected("read", path)) Fail("Cannot read", path, error);
    const ssize_t got = ::read(file.get(), chunk, sizeof chunk);
    if (got < 0) {
      if (errno == EINTR) continue;
      Fail("Cannot read", path, errno);
    }
    if (got == 0) return bytes;
    if (bytes.size() + size_t(got) > limit) {
      throw os::FileError("Cannot read", path, "it is larger than this file can be.",
                          os::FileFault::TooLarge);
    }
    bytes.insert(bytes.end(), chunk, chunk + got);
  }
}

void PosixFileSystem::WriteFileAtomic(const std::string& path, std::string_view bytes) {
  const std::string temporary = path + ".tmp";
  try {
    int error = Injected("create", path);
    Descriptor file(error ? -1
                          : ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC,
                                   0666));
    if (file.get() < 0) Fail("Cannot create", temporary, error ? error : errno);
    while (!bytes.empty()) {
      if ((error = Injected("write", path))) Fail("Cannot write", temporary, error);
      const ssize_t written = ::write(file.get(), bytes.data(), bytes.size());
      if (written < 0) {
        if (errno == EINTR) continue;
        Fail("Cannot write", temporary, errno);
      }
      bytes.remove_prefix(static_cast<size_t>(written));
    }
    if ((error = Injected("flush", path))) Fail("Cannot flush", temporary, error);
    if (::fsync(file.get()) != 0) Fail("Cannot flush", temporary, errno);
    if (file.Close() != 0) Fail("Cannot write", temporary, errno);
  } catch (const os::FileError&) {
    ::unlink(temporary.c_str());
    throw;
  }
  if (BeforeReplace) BeforeReplace(path);
  int error = Injected("replace", path);
  if (error || ::rename(temporary.c_str(), path.c_str()) != 0) {
    if (!error) error = errno;
    ::unlink(temporary.c_str());
    Fail("Cannot replace", path, error);
  }
  SyncFolderOf(path);
}

void PosixFileSystem::RenameFile(const std::string& from, const std::string& to) {
  int error = Injected("rename", from);
  // link + unlink: fails instead of replacing an existing `to`.
  if (!error && ::link(from.c_str(), to.c_str()) != 0) error = errno;
  if (!error && ::unlink(from.c_str()) != 0) {
    error = errno;
    ::unlink(to.c_str());
  }
  if (error) Fail("Cannot rename", from, error);
  SyncFolderOf(to);
}

void PosixFileSystem::RemoveFile(const std::string& path) {
  int error = Injected("remove", path);
  if (!error && ::unlink(path.c_str()) != 0) error = errno;
  if (error == ENOENT || error == ENOTDIR) return;
  if (error) Fail("Cannot delete", path, error);
  SyncFolderOf(path);
}

void PosixFileSystem::Wait(int milliseconds) {
  if (OnWait) return OnWait(milliseconds);
  timespec pause{milliseconds / 1000, long(milliseconds % 1000) * 1000000L};
  while (::nanosleep(&pause, &pause) != 0 && errno == EINTR) {
  }
}

}  // namespace headless
