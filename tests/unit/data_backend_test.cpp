// The headless backend's registry and file system, as the state store relies on them.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/os/error.h"
#include "tests/unit/data_test_support.h"

namespace {

using datatest::ReadText;
using datatest::WriteText;

TEST(MemoryRegistryTest, NamesIgnoreCaseAndValuesKeepTheirType) {
  headless::MemoryRegistry registry;
  EXPECT_EQ(registry.OpenCurrentUser("Software\\Maker", false), nullptr);
  auto key = registry.OpenCurrentUser("Software\\Maker\\Product", true);
  ASSERT_NE(key, nullptr);
  EXPECT_TRUE(registry.KeyExists("SOFTWARE\\maker"));

  key->WriteString("SoundPath", "C:\\Sounds");
  auto again = registry.OpenCurrentUser("software\\MAKER", false)->OpenSubKey("product", false);
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(again->ReadString("soundpath"), "C:\\Sounds");
  EXPECT_EQ(again->ReadString(""), std::nullopt);
  EXPECT_EQ(again->OpenSubKey("Main", false), nullptr);
  EXPECT_FALSE(registry.KeyExists("Software\\Maker\\Product\\Main"));

  registry.SetValue("Software\\Maker\\Product\\Main", "", uint32_t{7});
  EXPECT_THROW(again->OpenSubKey("Main", false)->ReadString(""), os::RegistryTypeError);
  registry.SetValue("Software\\Maker\\Product", "Blob", std::vector<uint8_t>{1, 2});
  EXPECT_THROW(again->ReadString("BLOB"), os::RegistryTypeError);
}

class PosixFileSystemTest : public ::testing::Test {
 protected:
  std::string Path(const char* name) const { return folder_.Path() + name; }

  datatest::TempFolder folder_;
  headless::PosixFileSystem files_;
};

TEST_F(PosixFileSystemTest, ReadsWritesAndCreatesFolders) {
  EXPECT_THROW(files_.ReadFile(Path("missing")), os::FileError);
  files_.CreateDirectories(Path("a/b/c"));
  EXPECT_TRUE(files_.DirectoryExists(Path("a/b/c")));
  EXPECT_FALSE(files_.FileExists(Path("a/b/c")));

  const std::string big(200000, 'z');  // more than one read chunk
  files_.WriteFileAtomic(Path("a/t.cds"), big);
  const std::vector<uint8_t> bytes = files_.ReadFile(Path("a/t.cds"));
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), big);
  files_.WriteFileAtomic(Path("a/t.cds"), "short");
  EXPECT_EQ(ReadText(Path("a/t.cds")), "short");
  EXPECT_FALSE(std::filesystem::exists(Path("a/t.cds.tmp")));

  WriteText(Path("file"), "x");
  EXPECT_THROW(files_.CreateDirectories(Path("file/sub")), os::FileError);
}

TEST_F(PosixFileSystemTest, AFailedOrInterruptedSaveKeepsTheOldFileWhole) {
  const std::string target = Path("TutorComp.cds");
  WriteText(target, "old content");

  // Interrupted between writing the new content and replacing the file.
  files_.BeforeReplace = [](const std::string&) { throw std::runtime_error("power cut"); };
  EXPECT_THROW(files_.WriteFileAtomic(target, "new content"), std::runtime_error);
  EXPECT_EQ(ReadText(target), "old content");
  EXPECT_EQ(ReadText(target + ".tmp"), "new content");  // what a crash leaves behind

  // The next save overwrites the leftover and replaces the file.
  files_.BeforeReplace = nullptr;
  files_.WriteFileAtomic(target, "newer");
  EXPECT_EQ(ReadText(target), "newer");
  EXPECT_FALSE(std::filesystem::exists(target + ".tmp"));

  // A save that fails (the name is taken by a folder; a missing folder) leaves nothing behind.
  std::filesystem::create_directory(Path("Taken.cds"));
  const std::string error = datatest::ErrorOf([&] { files_.WriteFileAtomic(Path("Taken.cds"), "x"); });
  EXPECT_NE(error.find("Cannot create file '" + Path("Taken.cds") + "'"), std::string::npos) << error;
  EXPECT_TRUE(std::filesystem::is_directory(Path("Taken.cds")));
  EXPECT_FALSE(std::filesystem::exists(Path("Taken.cds.tmp")));
  EXPECT_THROW(files_.WriteFileAtomic(Path("none/x.cds"), "x"), os::FileError);
}

}  // namespace
