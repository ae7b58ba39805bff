// SPDX-License-Identifier: GPL-3.0-or-later
// Group area measurement on a photographed drawing and the drawing radius typed at first start.
#include <gtest/gtest.h>

#include "core/entry/area_measure.h"
#include "core/entry/drawing_radius.h"

namespace ardeno {
namespace {

TEST(AreaMeasure, PaintedPixelsBecomeSquareMillimetres) {
  // PhotoRadius 250: (125 / 500)^2 * 200 = 12.5.
  EXPECT_DOUBLE_EQ(PaintedAreaMm2(200, 250.0), 12.5);
  EXPECT_EQ(FinalAreaText(PaintedAreaMm2(200, 250.0)), "12.5");
  EXPECT_EQ(FinalAreaText(PaintedAreaMm2(0, 250.0)), "0.0");
  EXPECT_EQ(RunningAreaText(PaintedAreaMm2(3, 250.0)), "0.19");
  // An unknown photograph radius gives no area instead of an infinite one.
  EXPECT_EQ(PaintedAreaMm2(200, 0.0), 0.0);
}

TEST(AreaMeasure, MaskCountsInsideTheFrameOnly) {
  PaintMask mask;
  EXPECT_EQ(CountPaintedPixels(mask), 0);
  mask.PaintSquare(100, 100, 4);
  EXPECT_EQ(CountPaintedPixels(mask), 16);
  // Painting the same place again adds nothing.
  mask.PaintSquare(100, 100, 4);
  EXPECT_EQ(CountPaintedPixels(mask), 16);
  // A square at the corner is clipped, and row 0 / column 0 are not counted.
  PaintMask corner;
  corner.PaintSquare(0, 0, 8);
  EXPECT_EQ(CountPaintedPixels(corner), 3 * 3);
  PaintMask edge;
  edge.PaintSquare(kPaintMaskSide - 1, 400, 4);  // columns 797..799 remain
  EXPECT_EQ(CountPaintedPixels(edge), 3 * 4);
}

TEST(AreaMeasure, TwoHundredPaintedPixelsGiveTwelveAndAHalf) {
  PaintMask mask;
  // 50 separate squares of side 2, 4 pixels each.
  for (int i = 0; i < 50; ++i) mask.PaintSquare(20 + 4 * (i % 10), 20 + 4 * (i / 10), 2);
  const int painted = CountPaintedPixels(mask);
  EXPECT_EQ(painted, 200);
  EXPECT_EQ(FinalAreaText(PaintedAreaMm2(painted, 250.0)), "12.5");
}

TEST(DrawingRadius, AcceptsMillimetresAndRefusesWhatWouldCorruptTheSetting) {
  EXPECT_EQ(ParseDrawingRadius("125"), 125.0f);
  EXPECT_EQ(ParseDrawingRadius(" 100.5 "), 100.5f);
  EXPECT_EQ(ParseDrawingRadius("90,5"), 90.5f);
  EXPECT_FALSE(ParseDrawingRadius(""));
  EXPECT_FALSE(ParseDrawingRadius("abc"));
  EXPECT_FALSE(ParseDrawingRadius("0"));
  EXPECT_FALSE(ParseDrawingRadius("-5"));
  // 1125 would be read back as the heliographic marker with radius 125.
  EXPECT_FALSE(ParseDrawingRadius("1125"));
  EXPECT_FALSE(ParseDrawingRadius("12 5"));
}

}  // namespace
}  // namespace ardeno
