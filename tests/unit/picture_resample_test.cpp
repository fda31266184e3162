// Pictures at another size: averaging, no dark fringe at transparent edges, doubles that
// follow cropping and greying; JPEG decoding into the pictures' byte order.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <vector>

#include <jpeglib.h>

#include "platform/ui/errors.h"

#include "platform/ui/image_list.h"
#include "platform/ui/picture.h"
#include "platform/ui/picture_resample.h"

namespace {

void Put(ui::Picture& p, int x, int y, uint8_t b, uint8_t g, uint8_t r, uint8_t a) {
  uint8_t* px = p.Pixels() + (size_t(y) * size_t(p.Width()) + size_t(x)) * 4;
  px[0] = b, px[1] = g, px[2] = r, px[3] = a;
}

const uint8_t* At(const ui::Picture& p, int x, int y) {
  return p.Pixels() + (size_t(y) * size_t(p.Width()) + size_t(x)) * 4;
}

ui::Picture Solid(int w, int h, uint8_t b, uint8_t g, uint8_t r) {
  ui::Picture p(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) Put(p, x, y, b, g, r, 255);
  return p;
}

TEST(PictureResampleTest, SmallerAveragesLargerInterpolatesAndSolidStaysSolid) {
  ui::Picture checker(2, 2);
  Put(checker, 0, 0, 0, 0, 0, 255);
  Put(checker, 1, 0, 200, 200, 200, 255);
  Put(checker, 0, 1, 200, 200, 200, 255);
  Put(checker, 1, 1, 0, 0, 0, 255);
  const ui::Picture one = ui::Resample(checker, 1, 1);
  ASSERT_EQ(one.Width(), 1);
  EXPECT_EQ(At(one, 0, 0)[0], 100);
  EXPECT_EQ(At(one, 0, 0)[3], 255);

  const ui::Picture big = ui::Resample(Solid(3, 2, 10, 20, 30), 7, 5);
  ASSERT_EQ(big.Width(), 7);
  ASSERT_EQ(big.Height(), 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x) {
      ASSERT_EQ(At(big, x, y)[0], 10);
      ASSERT_EQ(At(big, x, y)[2], 30);
      ASSERT_EQ(At(big, x, y)[3], 255);
    }

  // A 1-pixel line across an 8-pixel picture halved keeps half its strength, not nothing.
  ui::Picture line = Solid(8, 8, 255, 255, 255);
  for (int x = 0; x < 8; ++x) Put(line, x, 3, 0, 0, 0, 255);
  const ui::Picture half = ui::Resample(line, 4, 4);
  EXPECT_EQ(At(half, 2, 1)[0], 128);
  EXPECT_EQ(At(half, 2, 0)[0], 255);

  EXPECT_TRUE(ui::Resample(ui::Picture(), 4, 4).IsEmpty());
  EXPECT_TRUE(ui::Resample(line, 0, 4).IsEmpty());
}

TEST(PictureResampleTest, TransparentNeighboursLeaveNoDarkFringe) {
  ui::Picture edge(2, 1);
  Put(edge, 0, 0, 0, 0, 255, 255);  // red
  Put(edge, 1, 0, 0, 0, 0, 0);      // transparent, stored as zeros
  const ui::Picture one = ui::Resample(edge, 1, 1);
  EXPECT_EQ(At(one, 0, 0)[2], 255) << "the colour stays red";
  EXPECT_EQ(At(one, 0, 0)[3], 128);

  ui::Picture clear(4, 4);
  const ui::Picture stillClear = ui::Resample(clear, 9, 9);
  for (int i = 0; i < 9 * 9 * 4; ++i) ASSERT_EQ(stillClear.Pixels()[i], 0);
}

TEST(PictureResampleTest, TheDoubleFollowsCropAndGreyAndMustBeTwiceTheSize) {
  ui::Picture strip = Solid(4, 2, 0, 0, 0);
  auto twice = std::make_shared<ui::Picture>(Solid(8, 4, 0, 0, 0));
  Put(*twice, 4, 0, 0, 0, 250, 255);  // marks the second picture's double
  EXPECT_FALSE(strip.SetDouble(std::make_shared<ui::Picture>(Solid(7, 4, 0, 0, 0))));
  EXPECT_EQ(strip.Double(), nullptr);
  ASSERT_TRUE(strip.SetDouble(twice));

  const ui::Picture second = strip.Crop(2, 0, 2, 2);
  ASSERT_NE(second.Double(), nullptr);
  EXPECT_EQ(second.Double()->Width(), 4);
  EXPECT_EQ(second.Double()->Height(), 4);
  EXPECT_EQ(At(*second.Double(), 0, 0)[2], 250) << "cut at the same place, twice as far";

  const ui::Picture grey = second.Greyed();
  ASSERT_NE(grey.Double(), nullptr);
  EXPECT_EQ(At(*grey.Double(), 0, 0)[0], At(*grey.Double(), 0, 0)[2]) << "the double is grey too";
}

TEST(PictureResampleTest, ACropOverTheEdgesKeepsEachPixelInPlaceAndLeavesTheRestClear) {
  ui::Picture source(3, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) Put(source, x, y, uint8_t(10 * y + x + 1), 0, 0, 255);
  const ui::Picture around = source.Crop(-1, -1, 5, 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 5; ++x) {
      const bool inside = x >= 1 && x <= 3 && y >= 1 && y <= 3;
      EXPECT_EQ(At(around, x, y)[0], inside ? 10 * (y - 1) + x : 0) << x << "," << y;
      EXPECT_EQ(At(around, x, y)[3], inside ? 255 : 0) << x << "," << y;
    }
  const ui::Picture right = source.Crop(2, 1, 2, 1);
  EXPECT_EQ(At(right, 0, 0)[0], 13);
  EXPECT_EQ(At(right, 1, 0)[3], 0);
  EXPECT_EQ(At(source.Crop(3, 0, 2, 2), 0, 0)[3], 0) << "wholly outside: clear";
}

TEST(PictureResampleTest, AListsGreyedLookIsMadeWhenFirstAskedForAndKept) {
  ui::Picture strip = Solid(4, 2, 0, 0, 0);
  Put(strip, 2, 0, 10, 200, 30, 255);
  ui::ImageList list(2, 2);
  list.AddStrip(strip);
  ASSERT_EQ(list.Count(), 2);
  const ui::Picture* grey = list.GreyedImage(1);
  ASSERT_NE(grey, nullptr);
  ASSERT_EQ(grey->Width(), 2);
  const ui::Picture expected = list.Image(1)->Greyed();
  EXPECT_EQ(0, std::memcmp(grey->Pixels(), expected.Pixels(), 2 * 2 * 4));
  EXPECT_EQ(list.GreyedImage(1), grey) << "made once, at a stable address";
  EXPECT_EQ(list.GreyedImage(2), nullptr);
  list.Add(ui::Picture());
  EXPECT_TRUE(list.GreyedImage(2)->IsEmpty()) << "an empty picture greys to nothing";
}

TEST(PictureResampleTest, ADoubleFromASourceIsMadeOnlyWhenAskedForAndOnce) {
  int made = 0;
  ui::Picture strip = Solid(4, 2, 0, 0, 0);
  strip.SetDoubleSource([&] {
    ++made;
    ui::Picture twice = Solid(8, 4, 0, 0, 0);
    Put(twice, 4, 0, 0, 0, 250, 255);
    return twice;
  });
  const ui::Picture grey = strip.Crop(2, 0, 2, 2).Greyed();
  const ui::Picture plain = strip.Crop(2, 0, 2, 2);
  EXPECT_EQ(made, 0) << "cutting and greying decode nothing";
  ASSERT_NE(grey.Double(), nullptr);
  EXPECT_EQ(At(*grey.Double(), 0, 0)[0], At(*grey.Double(), 0, 0)[2]);
  ASSERT_NE(plain.Double(), nullptr);
  EXPECT_EQ(At(*plain.Double(), 0, 0)[2], 250);
  ASSERT_NE(strip.Double(), nullptr);
  EXPECT_EQ(made, 1) << "one decoding serves the picture and every piece cut from it";

  ui::Picture wrong = Solid(4, 2, 0, 0, 0);
  wrong.SetDoubleSource([] { return Solid(7, 4, 0, 0, 0); });
  EXPECT_EQ(wrong.Double(), nullptr) << "a double of the wrong size is refused";
  ui::Picture unreadable = Solid(4, 2, 0, 0, 0);
  unreadable.SetDoubleSource([]() -> ui::Picture { throw std::runtime_error("damaged"); });
  EXPECT_EQ(unreadable.Double(), nullptr) << "an unreadable double is none";
}

// A JPEG of the given RGB rows (width x height), at the best quality and without subsampling.
std::vector<uint8_t> EncodeJpeg(int width, int height, const std::vector<uint8_t>& rgb) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = JDIMENSION(width);
  info.image_height = JDIMENSION(height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 100, TRUE);
  for (int i = 0; i < info.num_components; ++i)
    info.comp_info[i].h_samp_factor = info.comp_info[i].v_samp_factor = 1;
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<uint8_t*>(rgb.data()) + size_t(info.next_scanline) * size_t(width) * 3;
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  std::vector<uint8_t> bytes(buffer, buffer + size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return bytes;
}

TEST(PictureJpegTest, DecodesIntoBlueGreenRedOpaqueRowsAndRefusesOtherBytes) {
  // Red on the left, blue on the right, a row of green at the bottom; 8 x 8 blocks each.
  const int width = 16, height = 16;
  std::vector<uint8_t> rgb(size_t(width) * height * 3);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      uint8_t* px = &rgb[(size_t(y) * width + size_t(x)) * 3];
      px[0] = y < 8 && x < 8 ? 255 : 0;
      px[1] = y >= 8 ? 255 : 0;
      px[2] = y < 8 && x >= 8 ? 255 : 0;
    }
  const ui::Picture picture = ui::Picture::FromJpeg(EncodeJpeg(width, height, rgb));
  ASSERT_EQ(picture.Width(), width);
  ASSERT_EQ(picture.Height(), height);
  auto near = [](uint8_t value, int expected) { return std::abs(int(value) - expected) <= 8; };
  const uint8_t* red = At(picture, 3, 3);
  const uint8_t* blue = At(picture, 12, 3);
  const uint8_t* green = At(picture, 5, 12);
  EXPECT_TRUE(near(red[2], 255) && near(red[1], 0) && near(red[0], 0));
  EXPECT_TRUE(near(blue[0], 255) && near(blue[1], 0) && near(blue[2], 0));
  EXPECT_TRUE(near(green[1], 255) && near(green[0], 0) && near(green[2], 0));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) ASSERT_EQ(At(picture, x, y)[3], 255) << "opaque at " << x << "," << y;

  std::vector<uint8_t> cut = EncodeJpeg(width, height, rgb);
  cut.resize(20);
  EXPECT_THROW(ui::Picture::FromJpeg(cut), ui::Error);
  const std::vector<uint8_t> text = {'n', 'o', 't', ' ', 'a', ' ', 'j', 'p', 'e', 'g'};
  EXPECT_THROW(ui::Picture::FromJpeg(text), ui::Error);
}

// An uncompressed BMP of one colour, `bits` 24 or 32 (the alpha byte 255).
std::vector<uint8_t> SolidBmp(int width, int height, int bits) {
  const size_t stride = (size_t(width) * size_t(bits) / 8 + 3) & ~size_t(3);
  std::vector<uint8_t> bytes(54 + stride * size_t(height), 0);
  auto le = [&](size_t at, uint32_t value, int n) {
    for (int i = 0; i < n; ++i) bytes[at + size_t(i)] = uint8_t(value >> (8 * i));
  };
  bytes[0] = 'B', bytes[1] = 'M';
  le(2, uint32_t(bytes.size()), 4), le(10, 54, 4), le(14, 40, 4), le(18, uint32_t(width), 4);
  le(22, uint32_t(height), 4), le(26, 1, 2), le(28, uint32_t(bits), 2);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      for (int c = 0; c < bits / 8; ++c) bytes[54 + size_t(y) * stride + size_t(x) * size_t(bits / 8) + size_t(c)] = c == 3 ? 255 : 90;
  return bytes;
}

// Drawing skips the search for transparent pixels only where none can be: a picture wrongly
// known as opaque would paint its transparent parts black.
TEST(PictureJpegTest, OnlyPicturesWithoutAlphaAreKnownOpaque) {
  const ui::Picture jpeg = ui::Picture::FromJpeg(EncodeJpeg(16, 16, std::vector<uint8_t>(16 * 16 * 3, 128)));
  EXPECT_TRUE(jpeg.KnownOpaque());
  EXPECT_TRUE(ui::Picture::FromBmp(SolidBmp(4, 4, 24)).KnownOpaque());
  EXPECT_FALSE(ui::Picture::FromBmp(SolidBmp(4, 4, 32)).KnownOpaque()) << "an alpha channel is not looked at";
  EXPECT_FALSE(ui::Picture(4, 4).KnownOpaque());

  EXPECT_TRUE(jpeg.Crop(2, 3, 10, 10).KnownOpaque());
  const ui::Picture over = jpeg.Crop(10, 10, 10, 10);  // hangs over the edge: transparent there
  EXPECT_EQ(At(over, 9, 9)[3], 0);
  EXPECT_FALSE(over.KnownOpaque());
  EXPECT_FALSE(jpeg.Crop(-1, 0, 4, 4).KnownOpaque());
  EXPECT_TRUE(jpeg.Greyed().KnownOpaque());

  ui::Picture written = jpeg;
  Put(written, 0, 0, 1, 2, 3, 0);
  EXPECT_FALSE(written.KnownOpaque());
  EXPECT_TRUE(jpeg.KnownOpaque()) << "the copy written to, not the picture";
}

}  // namespace
