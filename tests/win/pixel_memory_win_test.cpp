// A large picture's pages are present as soon as its memory is handed out, while the platform
// is installed; without it they are made one fault at a time as they are first written.
#include "platform/win32/windows_api.h"

#include <psapi.h>

#include <gtest/gtest.h>

#include <vector>

#include "platform/ui/pixel_memory.h"
#include "platform/win32/win32_platform.h"

namespace {

constexpr size_t kBytes = 800 * 600 * 4;

// How many of the block's pages are in the working set.
size_t PresentPages(const uint8_t* memory, size_t bytes) {
  const uintptr_t start = reinterpret_cast<uintptr_t>(memory);
  const uintptr_t first = start & ~uintptr_t(4095);
  std::vector<PSAPI_WORKING_SET_EX_INFORMATION> pages((start + bytes - first + 4095) / 4096);
  for (size_t i = 0; i < pages.size(); ++i)
    pages[i].VirtualAddress = reinterpret_cast<void*>(first + i * 4096);
  const DWORD size = DWORD(pages.size() * sizeof(pages[0]));
  if (!QueryWorkingSetEx(GetCurrentProcess(), pages.data(), size)) return 0;
  size_t present = 0;
  for (const auto& page : pages) present += page.VirtualAttributes.Valid;
  return present;
}

TEST(PixelMemoryWinTest, ThePlatformBringsInALargeBlocksPagesAtOnce) {
  ui::PixelAllocator<uint8_t> allocator;
  uint8_t* bare = allocator.allocate(kBytes);
  const size_t presentBare = PresentPages(bare, kBytes);
  allocator.deallocate(bare, kBytes);

  win32::Win32Platform platform(GetModuleHandleW(nullptr));
  uint8_t* brought = allocator.allocate(kBytes);
  const size_t total = (kBytes + 4095) / 4096;
  EXPECT_GE(PresentPages(brought, kBytes), total - 1);  // the last page may be shared
  EXPECT_LT(presentBare, total / 2) << "fresh memory was present without being brought in";
  brought[0] = brought[kBytes - 1] = 1;  // still ordinary, writable memory
  allocator.deallocate(brought, kBytes);
}

}  // namespace
