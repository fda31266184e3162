// A JPEG the build also stored decoded is drawn from the stored pixels where they lie; a
// damaged stored form is passed over for the JPEG, and writing never reaches the lent pixels.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/os/error.h"
#include "platform/os/resources.h"
#include "platform/ui/picture.h"
#include "platform/ui/resource_picture.h"

namespace {

// A 2 x 2 stored picture: header, then blue, green / red, white.
struct alignas(4) Stored {
  uint8_t bytes[16 + 16] = {'B', 'G', 'R', 'A', 2, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0,
                            255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 255};
  const uint8_t* Pixels() const { return bytes + 16; }
};

class StoredPictureTest : public testing::Test {
 protected:
  void SetUp() override {
    os::SetResourceLoader([](const std::string& name) {
      // Any real JPEG stands for the picture's own file.
      if (name != "pic.jpg") throw os::OsError("missing " + name);
      std::ifstream in(std::string(TUTOR_RESOURCE_DIR "/skin/message_background.jpg"), std::ios::binary);
      return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
    });
    os::SetResourceViewer([this](const std::string& name) {
      return name == "pic.bgra" ? view : std::span<const uint8_t>();
    });
    view = std::span<const uint8_t>(stored.bytes, sizeof(stored.bytes));
  }
  void TearDown() override {
    os::SetResourceViewer(nullptr);
    os::SetResourceLoader(nullptr);
  }

  Stored stored;
  std::span<const uint8_t> view;
};

TEST_F(StoredPictureTest, TheStoredFormIsLentAndCopiedOnlyWhenWritten) {
  ui::Picture picture = ui::LoadResourcePicture("pic.jpg");
  ASSERT_EQ(picture.Width(), 2);
  ASSERT_EQ(picture.Height(), 2);
  const ui::Picture& readOnly = picture;
  EXPECT_EQ(readOnly.Pixels(), stored.Pixels());
  EXPECT_TRUE(picture.KnownOpaque());

  // Crops and greyed looks are made from the lent rows without touching them.
  const ui::Picture crop = readOnly.Crop(1, 1, 1, 1);
  EXPECT_EQ(std::vector<uint8_t>(crop.Pixels(), crop.Pixels() + 4),
            (std::vector<uint8_t>{255, 255, 255, 255}));
  EXPECT_TRUE(crop.KnownOpaque());
  const ui::Picture grey = readOnly.Greyed();
  EXPECT_NE(grey.Pixels(), stored.Pixels());
  EXPECT_EQ(grey.Pixels()[0], grey.Pixels()[2]);  // blue made grey
  EXPECT_EQ(stored.Pixels()[0], 255);
  EXPECT_EQ(stored.Pixels()[2], 0);

  // Writing copies first: the stored bytes stay as they were.
  const ui::Picture copy = picture;
  uint8_t* written = picture.Pixels();
  ASSERT_NE(written, stored.Pixels());
  written[0] = 7;
  EXPECT_EQ(stored.Pixels()[0], 255);
  EXPECT_EQ(copy.Pixels(), stored.Pixels());
  EXPECT_EQ(std::memcmp(written + 4, stored.Pixels() + 4, 12), 0);
  EXPECT_FALSE(picture.KnownOpaque());
}

TEST_F(StoredPictureTest, ADamagedStoredFormIsPassedOverForTheJpeg) {
  const ui::Picture jpeg = ui::Picture::FromJpeg([] {
    std::ifstream in(std::string(TUTOR_RESOURCE_DIR "/skin/message_background.jpg"), std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
  }());
  ASSERT_GT(jpeg.Width(), 2);
  struct Case {
    const char* what;
    size_t at;  // the byte changed, or the size cut to when `cut`
    uint8_t value;
    bool cut;
  };
  const Case cases[] = {
      {"another tag", 0, 'X', false}, {"a width the size does not hold", 4, 3, false},
      {"a zero height", 8, 0, false}, {"a reserved word that is not 0", 12, 1, false},
      {"rows cut short", 28, 0, true}, {"only part of the header", 10, 0, true},
  };
  for (const Case& c : cases) {
    Stored damaged;
    view = std::span<const uint8_t>(damaged.bytes, c.cut ? c.at : sizeof(damaged.bytes));
    if (!c.cut) damaged.bytes[c.at] = c.value;
    const ui::Picture picture = ui::LoadResourcePicture("pic.jpg");
    EXPECT_EQ(picture.Width(), jpeg.Width()) << c.what;
    EXPECT_EQ(std::memcmp(picture.Pixels(), jpeg.Pixels(), size_t(jpeg.Width()) * jpeg.Height() * 4), 0)
        << c.what;
  }
  // Rows that do not start on a 4-byte boundary are not lent either.
  alignas(4) uint8_t shifted[1 + sizeof(Stored::bytes)];
  std::memcpy(shifted + 1, Stored().bytes, sizeof(Stored::bytes));
  view = std::span<const uint8_t>(shifted + 1, sizeof(Stored::bytes));
  EXPECT_EQ(ui::LoadResourcePicture("pic.jpg").Width(), jpeg.Width());
}

TEST_F(StoredPictureTest, WithoutAViewerTheJpegIsDecoded) {
  os::SetResourceViewer(nullptr);
  EXPECT_GT(ui::LoadResourcePicture("pic.jpg").Width(), 2);
}

}  // namespace
