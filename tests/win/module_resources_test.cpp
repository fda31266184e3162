// Resources read from a module by file name (see tests/win/win_tests.rc), through the loader
// that Win32Platform installs.
#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/os/error.h"
#include "platform/os/resources.h"
#include "platform/win32/module_resources.h"
#include "platform/win32/win32_platform.h"

namespace {

TEST(ModuleResourcesTest, FilesAreFoundByTheirUpperCaseName) {
  EXPECT_EQ(win32::ModuleResources::ResourceName("main_background.jpg"), "MAIN_BACKGROUND.JPG");

  win32::Win32Platform platform(GetModuleHandleW(nullptr));
  const std::vector<uint8_t> bytes = os::LoadResource("sample_picture.bmp");
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "BM sample bytes");

  try {
    os::LoadResource("missing.jpg");
    FAIL() << "a missing resource was found";
  } catch (const os::OsError& e) {
    EXPECT_NE(std::string(e.what()).find("missing.jpg"), std::string::npos) << e.what();
  }
}

}  // namespace
