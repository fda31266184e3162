// Files through the Win32 API: folders made with their parents, the atomic replacement of a
// file, and failures reported with the path and the system's reason, leaving the old file.
#include "platform/win32/windows_api.h"

#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/os/error.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_file_system.h"

namespace {

std::string AsText(const std::vector<uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }

class Win32FileSystemTest : public ::testing::Test {
 protected:
  Win32FileSystemTest() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    root = win32::Narrow(temp) + "TutorFileTest-" + std::to_string(GetCurrentProcessId()) + "\\";
  }
  ~Win32FileSystemTest() override {
    std::wstring from = win32::Widen(root) + L'\0';  // double-terminated list
    SHFILEOPSTRUCTW op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NO_UI;
    SHFileOperationW(&op);
  }

  std::string root;
  win32::Win32FileSystem files;
};

TEST_F(Win32FileSystemTest, WritesReplaceTheFileWholeInNewFolders) {
  const std::string folder = root + "Dätä\\Tables\\";
  files.CreateDirectories(folder);
  EXPECT_TRUE(files.DirectoryExists(folder));

  const std::string path = folder + "Company.tbl";
  files.WriteFileAtomic(path, "first version");
  files.WriteFileAtomic(path, "second");
  EXPECT_EQ(AsText(files.ReadFile(path)), "second");
  EXPECT_TRUE(files.FileExists(path));
  EXPECT_FALSE(files.FileExists(path + ".tmp")) << "the temporary file is moved, not left";
  EXPECT_FALSE(files.FileExists(folder));
}

TEST_F(Win32FileSystemTest, AFailedWriteLeavesTheOldFileAndNamesThePath) {
  files.CreateDirectories(root);
  const std::string path = root + "Company.tbl";
  files.WriteFileAtomic(path, "old content");
  // The temporary file cannot be made where a folder of its name stands.
  files.CreateDirectories(path + ".tmp");

  try {
    files.WriteFileAtomic(path, "new content");
    FAIL() << "the write should have failed";
  } catch (const os::FileError& e) {
    const std::string message = e.what();
    EXPECT_NE(message.find(path), std::string::npos) << message;
    EXPECT_GT(message.size(), path.size() + 20) << "carries the system's reason: " << message;
  }
  EXPECT_EQ(AsText(files.ReadFile(path)), "old content");

  EXPECT_THROW(files.ReadFile(root + "missing.tbl"), os::FileError);
}

// A file another program holds without sharing reads as in use (so it is retried and never
// taken for absent), a missing one as not found, and one beyond the limit is not read.
TEST_F(Win32FileSystemTest, FaultsTellHeldMissingAndOversizedFilesApart) {
  files.CreateDirectories(root);
  const std::string path = root + "TutorComp.cds";
  files.WriteFileAtomic(path, "content");
  auto faultOf = [&](const std::string& file, size_t limit) {
    try {
      files.ReadFile(file, limit);
    } catch (const os::FileError& e) {
      EXPECT_NE(std::string(e.what()).find(file), std::string::npos) << e.what();
      return e.Fault();
    }
    return os::FileFault::Other;  // read: the callers below expect a fault
  };
  {
    HANDLE held = CreateFileW(win32::Widen(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(faultOf(path, 100), os::FileFault::InUse);
    EXPECT_THROW(files.RenameFile(path, path + ".aside"), os::FileError);
    CloseHandle(held);
  }
  EXPECT_EQ(faultOf(root + "missing.cds", 100), os::FileFault::NotFound);
  EXPECT_EQ(faultOf(root + "none\\x.cds", 100), os::FileFault::NotFound);
  EXPECT_EQ(faultOf(path, 3), os::FileFault::TooLarge);
  files.RenameFile(path, path + ".aside");
  EXPECT_EQ(AsText(files.ReadFile(path + ".aside")), "content");
  files.WriteFileAtomic(path, "new");
  EXPECT_THROW(files.RenameFile(path, path + ".aside"), os::FileError) << "never replaces";
}

}  // namespace

namespace {

TEST_F(Win32FileSystemTest, RemovingAFileThatIsGoneIsNoError) {
  files.CreateDirectories(root);
  const std::string path = root + "Recovery.tbl";
  files.WriteFileAtomic(path, "pending");
  files.RemoveFile(path);
  EXPECT_FALSE(files.FileExists(path));
  EXPECT_NO_THROW(files.RemoveFile(path));
  EXPECT_NO_THROW(files.RemoveFile(root + "NoFolder\\Recovery.tbl"));
  // A folder in its place is no file to delete: that is reported.
  files.CreateDirectories(path);
  EXPECT_THROW(files.RemoveFile(path), os::FileError);
}

}  // namespace
