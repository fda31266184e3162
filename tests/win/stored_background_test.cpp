// The background Tutor.dll stores decoded is the same picture as its JPEG decoded by the
// library's own reader, and the window draws it from the library's image, not from a copy.
#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/os/resources.h"
#include "platform/ui/picture.h"
#include "platform/ui/resource_picture.h"
#include "platform/win32/module_resources.h"

namespace {

// Tutor.dll beside this program, mapped as an image for its resources only (no code runs),
// installed as the resources pictures are read from.
class TutorResources {
 public:
  TutorResources() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    folder.resize(folder.find_last_of(L"\\/") + 1);
    module_ = LoadLibraryExW((folder + L"Tutor.dll").c_str(), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (module_) {
      os::SetResourceLoader(Resources().Loader());
      os::SetResourceViewer(Resources().Viewer());
    }
  }
  ~TutorResources() {
    // Back to this program's own, as the platform installed them.
    os::SetResourceLoader(win32::ModuleResources(GetModuleHandleW(nullptr)).Loader());
    os::SetResourceViewer(win32::ModuleResources(GetModuleHandleW(nullptr)).Viewer());
    if (module_) FreeLibrary(module_);
  }
  HMODULE Module() const { return module_; }
  win32::ModuleResources Resources() const { return win32::ModuleResources(module_); }

 private:
  HMODULE module_ = nullptr;
};

TEST(StoredBackgroundTest, TheStoredBackgroundIsTheJpegDecodedAndIsDrawnWhereItLies) {
  TutorResources tutor;
  ASSERT_TRUE(tutor.Module()) << "Tutor.dll is not beside the tests: " << GetLastError();
  const std::span<const uint8_t> stored = tutor.Resources().View("main_background.bgra");
  ASSERT_FALSE(stored.empty()) << "the library stores no decoded background";

  const ui::Picture picture = ui::LoadResourcePicture("main_background.jpg");
  EXPECT_EQ(picture.Pixels(), stored.data() + 16) << "the background was decoded, not lent";
  EXPECT_TRUE(picture.KnownOpaque());

  const ui::Picture decoded = ui::Picture::FromJpeg(tutor.Resources().Load("main_background.jpg"));
  ASSERT_EQ(picture.Width(), decoded.Width());
  ASSERT_EQ(picture.Height(), decoded.Height());
  const size_t bytes = size_t(decoded.Width()) * size_t(decoded.Height()) * 4;
  size_t differing = 0;
  for (size_t i = 0; i < bytes; ++i) differing += picture.Pixels()[i] != decoded.Pixels()[i];
  EXPECT_EQ(differing, 0u) << "of " << bytes << " bytes";
  // The double for larger scales is still the 2x JPEG's.
  const ui::Picture* twice = picture.Double();
  ASSERT_NE(twice, nullptr);
  EXPECT_EQ(twice->Width(), 2 * picture.Width());
}

}  // namespace
