// The pages of a large picture are brought in before it is written, never after: whatever the
// backend's function leaves in the memory is overwritten by the picture's own pixels.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/ui/picture.h"
#include "platform/ui/pixel_memory.h"

namespace {

std::vector<size_t> g_calls;

void Scribble(void* memory, size_t bytes) {
  g_calls.push_back(bytes);
  std::memset(memory, 0xAB, bytes);
}

class PixelMemoryTest : public testing::Test {
 protected:
  void SetUp() override {
    g_calls.clear();
    ui::SetBringInPages(&Scribble);
  }
  void TearDown() override { ui::SetBringInPages(nullptr); }
};

bool AllBytesAre(const ui::Picture& picture, uint8_t value) {
  const size_t bytes = size_t(picture.Width()) * size_t(picture.Height()) * 4;
  for (size_t i = 0; i < bytes; ++i)
    if (picture.Pixels()[i] != value) return false;
  return true;
}

TEST_F(PixelMemoryTest, OnlyLargePicturesAreBroughtInAndTheirPixelsStayTheirOwn) {
  const ui::Picture small(16, 16);  // 1 KiB
  EXPECT_TRUE(g_calls.empty());
  EXPECT_TRUE(AllBytesAre(small, 0));

  ui::Picture large(200, 100);  // 80,000 bytes
  ASSERT_EQ(g_calls.size(), 1u);
  EXPECT_EQ(g_calls[0], 80000u);
  EXPECT_TRUE(AllBytesAre(large, 0));

  std::memset(large.Pixels(), 0x40, 80000);
  const ui::Picture copy = large;  // a copy is new memory, written after it is brought in
  const ui::Picture crop = large.Crop(0, 0, 200, 90);
  EXPECT_EQ(g_calls.size(), 3u);
  EXPECT_TRUE(AllBytesAre(copy, 0x40));
  EXPECT_TRUE(AllBytesAre(crop, 0x40));

  ui::SetBringInPages(nullptr);
  const ui::Picture unhooked(200, 100);
  EXPECT_EQ(g_calls.size(), 3u);
  EXPECT_TRUE(AllBytesAre(unhooked, 0));
}

}  // namespace
