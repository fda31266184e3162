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
  EXPECT_EQ(key->ReadString(""), std::nullopt);
  EXPECT_EQ(key->OpenSubKey("Main", false), nullptr);
  EXPECT_FALSE(registry.KeyExists("Software\\Maker\\Product\\Main"));

  registry.SetValue("Software\\Maker\\Product", "", uint32_t{7});
  EXPECT_THROW(key->ReadString(""), os::RegistryTypeError);
  registry.SetValue("Software\\Maker\\Product", "Blob", std::vector<uint8_t>{1, 2});
  EXPECT_THROW(key->ReadString("BLOB"), os::RegistryTypeError);
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

  // A save that fails (the name is taken by a folder; no such folder) leaves nothing behind.
  files.CreateDirectories(folder.Path() + "Taken.cds/sub");
  EXPECT_EQ(datatest::ErrorOf([&] { files.WriteFileAtomic(folder.Path() + "Taken.cds", "x"); }),
            "Cannot create file '" + folder.Path() + "Taken.cds': Is a directory");
  EXPECT_TRUE(files.DirectoryExists(folder.Path() + "Taken.cds/sub"));
  EXPECT_FALSE(files.FileExists(folder.Path() + "Taken.cds.tmp"));
  EXPECT_THROW(files.WriteFileAtomic(folder.Path() + "none/x.cds", "x"), os::FileError);
  EXPECT_THROW(files.ReadFile(folder.Path() + "none/x.cds"), os::FileError);
}

}  // namespace
