// The headless backend's registry and file system, as the state store relies on them.
#include <gtest/gtest.h>

#include <cerrno>

#include "platform/os/error.h"
#include "tests/unit/data_test_support.h"

namespace {

using datatest::ReadText;

TEST(MemoryRegistryTest, NamesIgnoreCaseAndValuesKeepTheirType) {
  headless::MemoryRegistry registry;
  EXPECT_EQ(registry.OpenCurrentUser("Software\\Maker", false), nullptr);
  registry.OpenCurrentUser("Software\\Maker\\Product", true)->WriteString("SoundPath", "C:\\S");
  auto key = registry.OpenCurrentUser("software\\MAKER", false)->OpenSubKey("product", false);
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(key->ReadString("soundpath"), "C:\\S");
  EXPECT_EQ(key->OpenSubKey("Main", false), nullptr);

  registry.SetValue("Software\\Maker\\Product", "", uint32_t{7});
  EXPECT_THROW(key->ReadString(""), os::RegistryTypeError);
}

TEST(PosixFileSystemTest, AFailedOrInterruptedSaveKeepsTheOldFileWhole) {
  datatest::TempFolder folder;
  headless::PosixFileSystem files;
  const std::string target = folder.Path() + "TutorComp.cds";
  const std::string big(200000, 'z');  // more than one read chunk
  files.WriteFileAtomic(target, big);
  const std::vector<uint8_t> bytes = files.ReadFile(target);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), big);

  // Interrupted between writing the new content and replacing the file.
  files.BeforeReplace = [](const std::string&) { throw std::runtime_error("power cut"); };
  EXPECT_THROW(files.WriteFileAtomic(target, "new"), std::runtime_error);
  EXPECT_EQ(ReadText(target), big);
  EXPECT_EQ(ReadText(target + ".tmp"), "new");  // what a crash leaves behind
  files.BeforeReplace = nullptr;
  files.WriteFileAtomic(target, "newer");  // overwrites the leftover and replaces the file
  EXPECT_EQ(ReadText(target), "newer");
  EXPECT_FALSE(files.FileExists(target + ".tmp"));

  files.CreateDirectories(folder.Path() + "Taken.cds");  // a failed save leaves nothing behind
  EXPECT_THROW(files.WriteFileAtomic(folder.Path() + "Taken.cds", "x"), os::FileError);
  EXPECT_FALSE(files.FileExists(folder.Path() + "Taken.cds.tmp"));
  EXPECT_THROW(files.ReadFile(folder.Path() + "none/x.cds"), os::FileError);
}

// Each failing call says which file, what was being done and the system's reason; the fault
// tells absence and a file in use from the rest, and a file over the limit is not read.
TEST(PosixFileSystemTest, FailuresNameTheFileTheStepAndTheReason) {
  datatest::TempFolder folder;
  headless::PosixFileSystem files;
  const std::string target = folder.Path() + "TutorTasks.cds";
  files.WriteFileAtomic(target, "old");
  struct Case {
    const char* call;
    int error;
    std::string expected;
    os::FileFault fault;
  };
  const Case cases[] = {
      {"open", EBUSY, "Cannot open '" + target + "': device or resource busy.", os::FileFault::InUse},
      {"read", EIO, "Cannot read '" + target + "': input/output error.", os::FileFault::Other},
      {"create", EROFS, "Cannot create '" + target + ".tmp': read-only file system.",
       os::FileFault::Denied},
      {"write", ENOSPC, "Cannot write '" + target + ".tmp': no space left on device.",
       os::FileFault::Other},
      {"flush", EIO, "Cannot flush '" + target + ".tmp': input/output error.", os::FileFault::Other},
      {"replace", EACCES, "Cannot replace '" + target + "': permission denied.",
       os::FileFault::Denied},
      {"mkdir", EACCES, "Cannot create the folder '" + folder.Path() + "new': permission denied.",
       os::FileFault::Denied},
  };
  for (const Case& c : cases) {
    files.InjectError = [&](std::string_view call, const std::string&) {
      return call == c.call ? c.error : 0;
    };
    try {
      if (c.call == std::string_view("open") || c.call == std::string_view("read"))
        files.ReadFile(target);
      else if (c.call == std::string_view("mkdir"))
        files.CreateDirectories(folder.Path() + "new/sub");
      else
        files.WriteFileAtomic(target, "new");
      ADD_FAILURE() << c.call << " did not fail";
    } catch (const os::FileError& e) {
      EXPECT_EQ(e.what(), c.expected);
      EXPECT_EQ(e.Fault(), c.fault) << c.call;
    }
    EXPECT_EQ(ReadText(target), "old") << c.call;
    EXPECT_FALSE(files.FileExists(target + ".tmp")) << c.call;
  }
  files.InjectError = nullptr;
  try {
    files.ReadFile(target, 2);
    ADD_FAILURE() << "read beyond the limit";
  } catch (const os::FileError& e) {
    EXPECT_EQ(e.Fault(), os::FileFault::TooLarge);
  }
  try {
    files.ReadFile(folder.Path() + "none/x.cds");
    ADD_FAILURE() << "read of a missing file";
  } catch (const os::FileError& e) {
    EXPECT_EQ(e.Fault(), os::FileFault::NotFound);
  }
  // Renaming never replaces: the file kept aside stays when its name is taken.
  files.WriteFileAtomic(target + ".aside", "aside");
  EXPECT_THROW(files.RenameFile(target, target + ".aside"), os::FileError);
  EXPECT_EQ(ReadText(target + ".aside"), "aside");
  files.RenameFile(target, target + ".moved");
  EXPECT_EQ(ReadText(target + ".moved"), "old");
  EXPECT_FALSE(files.FileExists(target));
}

TEST(PosixFileSystemTest, AFileInUseIsReadOnceReleasedWithinTheRetries) {
  datatest::TempFolder folder;
  headless::PosixFileSystem files;
  const std::string target = folder.Path() + "TutorComp.cds";
  files.WriteFileAtomic(target, "content");
  int busy = 3;
  files.InjectError = [&](std::string_view call, const std::string&) {
    return call == "open" && busy-- > 0 ? EBUSY : 0;
  };
  std::vector<int> waits;
  files.OnWait = [&](int ms) { waits.push_back(ms); };
  const auto bytes = os::ReadFileRetrying(files, target, 100, 5, 100);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "content");
  EXPECT_EQ(waits, (std::vector<int>{100, 100, 100}));

  busy = 10;  // held longer than the retries last
  waits.clear();
  EXPECT_THROW(os::ReadFileRetrying(files, target, 100, 5, 100), os::FileError);
  EXPECT_EQ(waits.size(), 4u);
  // Other faults are not retried.
  files.InjectError = [](std::string_view, const std::string&) { return EACCES; };
  waits.clear();
  EXPECT_THROW(os::ReadFileRetrying(files, target, 100, 5, 100), os::FileError);
  EXPECT_TRUE(waits.empty());
}

}  // namespace
