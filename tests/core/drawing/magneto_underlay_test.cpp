// SPDX-License-Identifier: GPL-3.0-or-later
// The magnetosphere underlay of a drawing: a magnetogram point taken at a group's place must
// land on that group's circle, whatever the position angle P of the day.
#include "core/drawing/magneto_underlay.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace ardeno {
namespace {

struct GroupPlace {
  std::string Name;
  CalendarDate Date;
  double Angle10;     // drawing position angle, tenths of a degree
  double Distance10;  // tenths of a millimetre of the 125 mm drawing
};

class UnderlayOnGroup : public ::testing::TestWithParam<GroupPlace> {};

TEST_P(UnderlayOnGroup, PointAtTheGroupsPlaceLandsOnItsCircle) {
  const GroupPlace& c = GetParam();
  const SolarEphemeris eph = Ephemeris(c.Date, kMagnetogramTimeUT);
  const double pi = 3.141592653589793;
  // The images keep the solar axis upright: the group's place there is its drawing angle less P,
  // in pixels of the 250-pixel disk; the day's image scale k stretches columns and rows.
  const double r = c.Distance10 * 0.2;
  const double theta = (c.Angle10 / 10 - eph.EphP) * pi / 180;
  const double k = MagnetogramDayScale(c.Date);
  MagnetogramPoint point;
  point.Column = static_cast<int>(std::lround((213 - r * std::sin(theta) / kMagnetogramPixel) / k));
  point.Row = static_cast<int>(std::lround((213 - r * std::cos(theta) / kMagnetogramPixel) / k));
  point.Code = 5;
  Magnetogram day;
  day.Points.push_back(point);

  const auto pixels = MagnetoUnderlay(day, c.Date, eph);
  ASSERT_EQ(pixels.size(), 1u);
  // The group circle's centre on the drawing (no mirroring).
  const double a = c.Angle10 / 10 * pi / 180;
  const double groupX = 280 + std::sin(a) * r;
  const double groupY = 280 - std::cos(a) * r;
  // Rounding the image point to whole columns and rows moves it by about a pixel.
  EXPECT_NEAR(pixels[0].X, groupX, 2.5) << "P " << eph.EphP;
  EXPECT_NEAR(pixels[0].Y, groupY, 2.5) << "P " << eph.EphP;
  EXPECT_EQ(pixels[0].Shade, 5 * 8 + 80);
}

INSTANTIATE_TEST_SUITE_P(
    Days, UnderlayOnGroup,
    ::testing::Values(
        // P near +26 in October, -26 in April, near 0 in early January and July.
        GroupPlace{"OctoberWest", {2014, 10, 10}, 700, 800},
        GroupPlace{"OctoberNorthEast", {2014, 10, 10}, 3200, 1000},
        GroupPlace{"AprilSouthWest", {2011, 4, 6}, 2000, 900},
        GroupPlace{"AprilEast", {2011, 4, 6}, 2700, 600},
        GroupPlace{"JanuaryCentre", {2000, 1, 5}, 900, 300},
        GroupPlace{"JulyNorth", {2003, 7, 7}, 100, 1100}),
    [](const auto& info) { return info.param.Name; });

TEST(UnderlayOnGroup, OffTheDiskNothingIsDrawn) {
  Magnetogram day;
  day.Points.push_back({1, 1, 5});      // the image's corner, far outside the disk
  day.Points.push_back({213, 213, 7});  // the centre
  const CalendarDate date{2014, 10, 10};
  const auto pixels = MagnetoUnderlay(day, date, Ephemeris(date, kMagnetogramTimeUT));
  ASSERT_EQ(pixels.size(), 1u);
  EXPECT_NEAR(pixels[0].X, 280, 6);
  EXPECT_NEAR(pixels[0].Y, 280, 6);
}

}  // namespace
}  // namespace ardeno
