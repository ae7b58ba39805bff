// SPDX-License-Identifier: GPL-3.0-or-later
// Read-outs under the mouse: heliographic coordinates of a click and the angular distance of a
// right-button drag, at the standard scale (client width 800, disk centre at pixel 245).
#include <gtest/gtest.h>

#include <cmath>

#include "core/drawing/mouse_readout.h"
#include "core/solar/ephemeris.h"

namespace ardeno {
namespace {

const DrawingScale kScale{14};
constexpr int kCentre = 245;

SolarEphemeris SampleEph() { return Ephemeris(CalendarDate{2004, 3, 5}, 1230); }

struct DragCase {
  const char* name;
  int x;
  int y;
  const char* text;
};

class DragAngleTest : public ::testing::TestWithParam<DragCase> {};

TEST_P(DragAngleTest, FromTheCentre) {
  const DragCase& c = GetParam();
  const CentreOffset start = OffsetFromCentre(kScale, kCentre, kCentre);
  EXPECT_EQ(DragAngleText(DragAngle(kScale, start, c.x, c.y)), c.text);
}

INSTANTIATE_TEST_SUITE_P(Pixels, DragAngleTest,
                         ::testing::Values(DragCase{"Right218", kCentre + 218, kCentre, "85.25"},
                                           DragCase{"Up218", kCentre, kCentre - 218, "85.25"},
                                           DragCase{"Still", kCentre, kCentre, "0.00"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DragAngleTest, HalfTheRadiusIsNearThirtyDegrees) {
  const CentreOffset start = OffsetFromCentre(kScale, kCentre, kCentre);
  EXPECT_NEAR(DragAngle(kScale, start, kCentre - 109, kCentre), 30.0, 0.2);
  // Symmetric: the same chord dragged back gives the same angle.
  const CentreOffset left = OffsetFromCentre(kScale, kCentre - 109, kCentre);
  EXPECT_DOUBLE_EQ(DragAngle(kScale, left, kCentre, kCentre),
                   DragAngle(kScale, start, kCentre - 109, kCentre));
}

TEST(DragAngleTest, StartOutsideTheDiskStaysANumber) {
  const CentreOffset start = OffsetFromCentre(kScale, 0, 0);
  const double angle = DragAngle(kScale, start, kCentre, kCentre);
  EXPECT_TRUE(std::isfinite(angle));
}

TEST(PointReadoutTest, OutsideTheDiskGivesNothing) {
  EXPECT_FALSE(PointReadout(SampleEph(), kScale, 1, 1, kCentre + 219, kCentre));
  EXPECT_FALSE(InsideDisk(kScale, kCentre + 219, kCentre));
  EXPECT_TRUE(PointReadout(SampleEph(), kScale, 1, 1, kCentre + 218, kCentre));
}

TEST(PointReadoutTest, CentreGivesTheDiskCentreCoordinates) {
  const SolarEphemeris eph = SampleEph();
  const auto pos = PointReadout(eph, kScale, 1, 1, kCentre, kCentre);
  ASSERT_TRUE(pos);
  EXPECT_NEAR(pos->HelioLatitude, eph.EphB0, 1e-6);
  EXPECT_NEAR(pos->HelioLongitude, eph.EphL0, 1e-6);
}

TEST(PointReadoutTest, MirrorPutsTheLeftLimbOnTheOtherSideOfTheMeridian) {
  const SolarEphemeris eph = SampleEph();
  const int leftLimb = kCentre - 200;
  const auto normal = PointReadout(eph, kScale, 1, 1, leftLimb, kCentre);
  const auto mirrored = PointReadout(eph, kScale, -1, 1, leftLimb, kCentre);
  ASSERT_TRUE(normal && mirrored);
  // "W" on the left for "Z - V": longitudes beyond L0; after "V - Z" the left limb is "E".
  EXPECT_LT(normal->CentralMeridianDistance, -30);
  EXPECT_GT(mirrored->CentralMeridianDistance, 30);
  EXPECT_NEAR(normal->CentralMeridianDistance, -mirrored->CentralMeridianDistance, 10);
}

TEST(PointReadoutTest, TextWidths) {
  HeliographicPosition pos;
  pos.HelioLongitude = 7.25;
  pos.HelioLatitude = -12.34;
  EXPECT_EQ(PointReadoutText(pos), "7.3 , -12.3");
  pos.HelioLongitude = 359.96;
  pos.HelioLatitude = 5;
  EXPECT_EQ(PointReadoutText(pos), "360.0 , 5.0");
}

}  // namespace
}  // namespace ardeno
