// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/solar/sun_altitude.h"

#include <algorithm>
#include <cmath>

#include "core/solar/angles.h"

namespace ardeno {

double SunAltitude(const CalendarDate& date, std::uint16_t timeUT, double latitude,
                   double longitude) {
  // Days from 1.1.2000 12:00 UT (J2000.0).
  const double hours = timeUT / 100 + (timeUT % 100) / 60.0;
  const double n =
      static_cast<double>(DaySerial(date) - DaySerial({2000, 1, 1})) - 0.5 + hours / 24.0;
  const double meanLongitude = 280.460 + 0.9856474 * n;
  const double meanAnomaly = (357.528 + 0.9856003 * n) * kDegToRad;
  const double eclipticLongitude =
      (meanLongitude + 1.915 * std::sin(meanAnomaly) + 0.020 * std::sin(2 * meanAnomaly)) *
      kDegToRad;
  const double obliquity = (23.439 - 0.0000004 * n) * kDegToRad;
  const double rightAscension =
      std::atan2(std::cos(obliquity) * std::sin(eclipticLongitude), std::cos(eclipticLongitude));
  const double declination = std::asin(std::sin(obliquity) * std::sin(eclipticLongitude));
  // Greenwich mean sidereal time in degrees.
  const double siderealTime = 280.46061837 + 360.98564736629 * n;
  const double hourAngle = (siderealTime + longitude) * kDegToRad - rightAscension;
  const double phi = latitude * kDegToRad;
  const double sinAltitude = std::sin(phi) * std::sin(declination) +
                             std::cos(phi) * std::cos(declination) * std::cos(hourAngle);
  return std::asin(std::clamp(sinAltitude, -1.0, 1.0)) / kDegToRad;
}

}  // namespace ardeno
