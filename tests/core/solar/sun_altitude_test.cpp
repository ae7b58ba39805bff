// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/solar/sun_altitude.h"

#include <gtest/gtest.h>

#include <string>

#include "core/solar/differential_rotation.h"

namespace ardeno {
namespace {

// Altitudes at the meridian transits of the solstice: 90 - |latitude - declination| above and
// -(90 - |latitude + declination|) below, with the declination 23.44 degrees; the transit time
// from the longitude and the equation of time of 21 June (-1.7 minutes).
struct AltitudeCase {
  const char* Name;
  CalendarDate Date;
  std::uint16_t TimeUT;
  double Latitude, Longitude;
  double Altitude;
};

const AltitudeCase kAltitudes[] = {
    {"OndrejovNoon", {2014, 6, 21}, 1103, 49.91, 14.78, 63.53},
    {"OndrejovMidnight", {2014, 6, 21}, 2303, 49.91, 14.78, -16.65},
    {"SydneyNoon", {2014, 6, 21}, 157, -33.87, 151.21, 32.70},
    {"NearDatelineLateUT", {2014, 6, 21}, 2354, 20.0, -178.0, 86.56},
};

class SunAltitudeTest : public ::testing::TestWithParam<AltitudeCase> {};

TEST_P(SunAltitudeTest, MatchesTheTransitAltitude) {
  const AltitudeCase& c = GetParam();
  EXPECT_NEAR(SunAltitude(c.Date, c.TimeUT, c.Latitude, c.Longitude), c.Altitude, 0.1);
}

INSTANTIATE_TEST_SUITE_P(Transits, SunAltitudeTest, ::testing::ValuesIn(kAltitudes),
                         [](const auto& info) { return std::string(info.param.Name); });

// Howard, Harvey and Snodgrass (1990): 2.894 microradians per second at the equator is 14.326
// degrees a day; at 30 degrees 2.894 - 0.428/4 - 0.370/16 = 2.7639, 13.682 degrees a day.
TEST(DifferentialRotationTest, RatesAndCarringtonDrift) {
  EXPECT_NEAR(SiderealRotationRate(0), 14.326, 0.001);
  EXPECT_NEAR(SiderealRotationRate(30), 13.682, 0.001);
  EXPECT_NEAR(SiderealRotationRate(-30), 13.682, 0.001);
  // The equator runs ahead of the Carrington frame, 30 degrees falls behind it.
  EXPECT_NEAR(RotatedLongitude(100, 0, 1), 99.858, 0.001);
  EXPECT_NEAR(RotatedLongitude(100, 30, 2), 101.005, 0.001);
  EXPECT_NEAR(RotatedLongitude(100, 30, -2), 98.995, 0.001);
  EXPECT_NEAR(RotatedLongitude(0.05, 0, 1), 359.908, 0.001);
  EXPECT_NEAR(RotatedLongitude(359.9, 40, 1), 0.946, 0.001);
}

}  // namespace
}  // namespace ardeno
