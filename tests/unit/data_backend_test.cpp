// The headless backend's registry and file system, as the state store relies on them.
#include <gtest/gtest.h>

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

}  // namespace
