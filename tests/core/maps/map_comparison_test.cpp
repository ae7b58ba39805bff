// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/maps/map_comparison.h"

#include <gtest/gtest.h>

#include "core/maps/map_strips.h"

namespace ardeno {
namespace {

TEST(MapComparison, ShiftBarMovesOnlyTheLowerHalf) {
  EXPECT_EQ(ComparisonShift(kComparisonNoShiftPosition), 0);
  EXPECT_EQ(ComparisonShift(0), -10);
  EXPECT_EQ(ComparisonShift(kComparisonShiftPositions), 10);
  EXPECT_EQ(ComparisonShift(25), 10) << "positions past the bar are held at its end";
  EXPECT_EQ(ComparisonRotation(2100, ComparisonHalf::Upper, 3), 2100);
  EXPECT_EQ(ComparisonRotation(2100, ComparisonHalf::Lower, 3), 2103);
  EXPECT_EQ(ComparisonRotation(2100, ComparisonHalf::Lower, -2), 2098);
  EXPECT_EQ(ComparisonShiftText(3), "+3");
  EXPECT_EQ(ComparisonShiftText(0), "0");
  EXPECT_EQ(ComparisonShiftText(-2), "-2");
  EXPECT_TRUE(SpotsOffered(ComparisonHalf::Upper));
  EXPECT_FALSE(SpotsOffered(ComparisonHalf::Lower));
}

TEST(MapComparison, HalvesTileTheClientWithMapsOfOneSize) {
  for (const int height : {900, 901, 581, 30}) {
    const ComparisonHalfFrame upper = ComparisonFrame(ComparisonHalf::Upper, height);
    const ComparisonHalfFrame lower = ComparisonFrame(ComparisonHalf::Lower, height);
    SCOPED_TRACE(height);
    EXPECT_EQ(upper.Top, 0);
    EXPECT_EQ(lower.Top, upper.Height);
    EXPECT_EQ(upper.Height + lower.Height, height);
    EXPECT_EQ(upper.K, lower.K);
    EXPECT_GE(upper.K, 1);
    // The whole map frame (map units 0..420) fits into the upper half.
    if (height >= 420 / 8) EXPECT_LE(kComparisonHalfUnits * upper.K / 16, upper.Height);
  }
  EXPECT_EQ(ComparisonFrame(ComparisonHalf::Upper, 900).K, 450 * 16 / 420);
}

TEST(MapComparison, DatesOfTheHalfsRotation) {
  EXPECT_EQ(ComparisonDatesText(1811), "09.01.1989 - 05.02.1989");
}

TEST(TwoMaps, ScaleFillsTheWindowYetKeepsBothMapsInside) {
  struct Case {
    int Width;
    int Height;
    int K;
  };
  for (const Case c : {Case{1400, 900, 2}, Case{2000, 1300, 4}, Case{2000, 600, 2},
                       Case{812, 581, 1}, Case{300, 200, 1}}) {
    SCOPED_TRACE(testing::Message() << c.Width << "x" << c.Height);
    const int k = TwoMapsScale(c.Width, c.Height);
    EXPECT_EQ(k, c.K);
    if (k > 1) {
      EXPECT_LE(StripX(StripVariant::Two, k, 1, 0), c.Width);
      EXPECT_LE(StripY(StripVariant::Two, k, 1, -90) + 8 * k, c.Height);
    }
  }
}

}  // namespace
}  // namespace ardeno
