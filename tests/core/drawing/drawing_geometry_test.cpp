// SPDX-License-Identifier: GPL-3.0-or-later
// Scale, disk grid and group marks of a drawing: where things land in pixels and reference units.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/drawing/disk_grid.h"
#include "core/drawing/drawing_scale.h"
#include "core/drawing/group_marks.h"

namespace ardeno {
namespace {

SolarEphemeris Eph(double p, double b0, double l0) { return {p, b0, l0, 2000}; }

TEST(DrawingScaleTest, StandardWindowDiskBoxAndCentre) {
  const DrawingScale scale{DrawScaleForWidth(800)};
  ASSERT_EQ(scale.DrawScale, 14);
  const PixelBox box = scale.DiskBox();
  EXPECT_EQ(box.Left, 26);
  EXPECT_EQ(box.Top, 26);
  EXPECT_EQ(box.Right, 463);
  EXPECT_EQ(box.Bottom, 463);
  EXPECT_EQ(scale.CentrePixels(), 245);
  EXPECT_DOUBLE_EQ(scale.DiskRadiusPixels(), 218.75);
}

TEST(DrawingScaleTest, ToggledScaleAndNegativeValues) {
  EXPECT_EQ(ToggledDrawScaleForWidth(800), 16);
  const DrawingScale scale{14};
  // Shifting a negative product rounds towards minus infinity, as the layout always did.
  EXPECT_EQ(scale.S(-10), -9);
  // Values are 16-bit: 40000 wraps to a negative coordinate instead of growing without bound.
  EXPECT_LT(scale.S(40000), 0);
  EXPECT_EQ(scale.F(13), 12);
}

TEST(DiskGridTest, EquatorSpansTheDiskWestLeftAndFlipsWithMirror) {
  const auto circles = LatitudeCircles(Eph(0, 0, 0), 1, 1);
  ASSERT_EQ(circles.size(), 9u);
  for (const auto& line : circles) ASSERT_EQ(line.size(), 181u);
  const auto& equator = circles[4];
  EXPECT_EQ(equator.front(), (RefPoint{530, 280}));  // central-meridian distance -90: east
  EXPECT_EQ(equator.back(), (RefPoint{30, 280}));    // +90: west, on the left for "Z - V"
  EXPECT_EQ(equator[90], (RefPoint{280, 280}));
  const auto mirrored = LatitudeCircles(Eph(0, 0, 0), -1, 1)[4];
  EXPECT_EQ(mirrored.back(), (RefPoint{530, 280}));
}

TEST(DiskGridTest, TiltMovesTheEquatorAwayFromTheCentre) {
  // With the north pole tipped towards us (B0 > 0) the equator passes below the centre.
  const RefPoint centre = LatitudeCircles(Eph(0, 7, 0), 1, 1)[4][90];
  EXPECT_GT(centre.Y, 280);
  EXPECT_EQ(centre.X, 280);
  const RefPoint flipped = LatitudeCircles(Eph(0, 7, 0), 1, -1)[4][90];
  EXPECT_LT(flipped.Y, 280);
  // Every point stays on the disk.
  for (const auto& line : LatitudeCircles(Eph(-24, 7.2, 100), -1, 1))
    for (const RefPoint& p : line) EXPECT_LE(std::hypot(p.X - 280, p.Y - 280), 251.0);
}

TEST(DiskGridTest, ZeroMeridianOnlyOnTheNearSide) {
  const auto front = ZeroMeridian(Eph(0, 0, 0), 1, 1);
  ASSERT_EQ(front.size(), 167u);
  for (const RefPoint& p : front) EXPECT_EQ(p.X, 280);
  EXPECT_TRUE(ZeroMeridian(Eph(0, 0, 180), 1, 1).empty());
  EXPECT_FALSE(ZeroMeridian(Eph(0, 0, 89), 1, 1).empty());
  EXPECT_TRUE(ZeroMeridian(Eph(0, 0, 91), 1, 1).empty());
}

TEST(GroupMarksTest, AuxiliarySpotFollowsTheMirror) {
  const DrawingScale scale{14};
  const std::uint16_t east90 = 90 * 128 + 50;  // 90 degrees, 50 mm
  const AuxSpotMark right = AuxSpot(east90, 100, 1, 1, scale);
  const AuxSpotMark left = AuxSpot(east90, 100, -1, 1, scale);
  EXPECT_GT(right.X + right.Rho, 280 + 90);
  EXPECT_LT(left.X + left.Rho, 280 - 90);
  EXPECT_NEAR(right.Y + right.Rho, 280, 1);
  // A spot without an area is still drawn one pixel wide.
  EXPECT_EQ(AuxSpot(east90, 0, 1, 1, scale).Rho, 1);
  EXPECT_EQ(ScaledCircleRadius(0, scale), 1);
  EXPECT_EQ(ScaledCircleRadius(16, scale), 14);
}

TEST(GroupMarksTest, ClassColourByZurichLetter) {
  EXPECT_EQ(ClassColour("Bxo"), (Rgb{160, 160, 255}));
  EXPECT_EQ(ClassColour("Hsx"), (Rgb{176, 0, 138}));
  // Unknown letters and an empty class fall back to the colour of A.
  EXPECT_EQ(ClassColour("***"), ClassColour("Axx"));
  EXPECT_EQ(ClassColour(""), ClassColour("Axx"));
}

}  // namespace
}  // namespace ardeno
