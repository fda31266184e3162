// Design-to-device arithmetic: the screen's scale, fitting to the work area, rounding of
// edges and its inverse for the mouse, fonts and lines.
#include <gtest/gtest.h>

#include "platform/ui/scale.h"

namespace {

using ui::Scale;

TEST(ScaleTest, ScreenScaleComesFromTheDpiAndIsFittedOnlyDownwards) {
  EXPECT_TRUE(Scale::ForDpi(96).IsIdentity());
  EXPECT_DOUBLE_EQ(Scale::ForDpi(120).Factor(), 1.25);
  EXPECT_DOUBLE_EQ(Scale::ForDpi(144).Factor(), 1.5);
  EXPECT_DOUBLE_EQ(Scale::ForDpi(192).Factor(), 2.0);
  EXPECT_TRUE(Scale::ForDpi(0).IsIdentity()) << "an unanswered query draws the design as it is";
  EXPECT_TRUE(Scale::ForDpi(-5).IsIdentity());

  const ui::Size design{800, 600};
  EXPECT_DOUBLE_EQ(Scale::Fitted(192, design, {2048, 1536}).Factor(), 2.0);
  EXPECT_DOUBLE_EQ(Scale::Fitted(192, design, {1600, 1200}).Factor(), 2.0) << "fits exactly";
  EXPECT_DOUBLE_EQ(Scale::Fitted(144, design, {1024, 768}).Factor(), 1.28);
  EXPECT_DOUBLE_EQ(Scale::Fitted(144, design, {1280, 720}).Factor(), 1.2) << "the tighter side";
  EXPECT_TRUE(Scale::Fitted(96, design, {4000, 3000}).IsIdentity()) << "never enlarged to fill";
  EXPECT_TRUE(Scale::Fitted(96, {}, {10, 10}).IsIdentity()) << "no design size: no fitting";
  EXPECT_DOUBLE_EQ(Scale::Fitted(96, design, {100, 100}).Factor(), 0.5) << "not below half";

  const Scale fitted = Scale::Fitted(144, design, {1024, 768});
  EXPECT_LE(fitted.ToDevice(800), 1024);
  EXPECT_LE(fitted.ToDevice(600), 768);
}

TEST(ScaleTest, EdgesTileAndEveryDevicePixelMapsBackIntoItsDesignPixel) {
  for (double factor : {1.25, 1.28, 1.5, 1.75, 2.0, 0.8}) {
    const Scale scale = Scale::FromFactor(factor);
    for (int v = -50; v < 900; ++v) {
      // Neighbouring design pixels cover neighbouring device spans, without gap or overlap.
      const int span = scale.ToDevice(v + 1) - scale.ToDevice(v);
      ASSERT_GE(span, factor >= 1 ? 1 : 0) << factor << " at " << v;
      ASSERT_LE(span, int(factor) + 1) << factor << " at " << v;
      // A click on a device pixel lands in the design pixel drawn there.
      const int d = scale.ToDesign(v);
      ASSERT_LE(scale.ToDevice(d), v) << factor << " at " << v;
      ASSERT_GT(scale.ToDevice(d + 1), v) << factor << " at " << v;
    }
    for (int size : {1, 17, 154, 449, 600, 800, 821}) {
      if (factor >= 1) ASSERT_EQ(scale.ToDesignNearest(scale.ToDevice(size)), size) << factor;
    }
  }
  const Scale half = Scale::FromFactor(1.5);
  EXPECT_EQ(half.ToDevice(ui::Rect{10, 10, 11, 11}), (ui::Rect{15, 15, 17, 17}));
  EXPECT_EQ(half.ToDevice(ui::Rect{11, 11, 12, 12}), (ui::Rect{17, 17, 18, 18}));
  EXPECT_EQ(half.ToDesignCovering(ui::Size{31, 30}), (ui::Size{21, 20}))
      << "a measured text still fits after the way back";
  EXPECT_TRUE(Scale::FromFactor(0).IsIdentity());
  EXPECT_TRUE(Scale::FromFactor(-1).IsIdentity());
}

TEST(ScaleTest, FontsAndLinesScaleButNeverVanish) {
  const Scale twice = Scale::ForDpi(192), oneAndHalf = Scale::ForDpi(144), small = Scale::FromFactor(0.5);
  EXPECT_EQ(twice.FontHeight(11), 22);
  EXPECT_EQ(oneAndHalf.FontHeight(11), 17);
  EXPECT_EQ(oneAndHalf.FontHeight(13), 20);
  EXPECT_EQ(small.FontHeight(1), 1);
  EXPECT_EQ(Scale().FontHeight(11), 11);
  EXPECT_EQ(twice.LineWidth(1), 2);
  EXPECT_EQ(Scale::ForDpi(120).LineWidth(1), 1);
  EXPECT_EQ(small.LineWidth(1), 1) << "a hairline stays visible";
  EXPECT_EQ(small.LineWidth(0), 0) << "no border stays none";
}

}  // namespace
