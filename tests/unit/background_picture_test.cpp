// The main window's background: decoded once per library load, the first one possibly from a
// decoding started ahead on another thread, whose failure reaches the window and is not kept.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "Tutorial/BackgroundPicture.h"
#include "tests/unit/headless_fixture.h"

namespace {

class BackgroundPictureTest : public HeadlessTest {};

TEST_F(BackgroundPictureTest, TheFirstPictureIsKeptWhereverItCameFromAndAFailureIsNot) {
  tutorial::BackgroundPicture background;
  EXPECT_FALSE(background.Loaded());
  int asked = 0;
  auto failing = [&]() -> std::shared_ptr<const ui::Picture> {
    ++asked;
    throw std::runtime_error("The picture cannot be read: cut short");
  };
  EXPECT_THROW(background.Get(failing), std::runtime_error) << "the decoding's own error";
  EXPECT_FALSE(background.Loaded()) << "the next run tries again";

  const auto ahead = std::make_shared<const ui::Picture>(4, 3);
  auto decoded = [&] {
    ++asked;
    return ahead;
  };
  EXPECT_EQ(background.Get(decoded), ahead);
  EXPECT_TRUE(background.Loaded());
  EXPECT_EQ(background.Get(decoded), ahead) << "kept for the library's later runs";
  EXPECT_EQ(background.Get(), ahead);
  EXPECT_EQ(asked, 2);

  // Without a decoding ahead (or one that had nothing), the resource is decoded in place.
  tutorial::BackgroundPicture own;
  const auto picture = own.Get([] { return std::shared_ptr<const ui::Picture>(); });
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->Width(), 800);
  EXPECT_EQ(picture->Height(), 600);
}

}  // namespace
