// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/solar/ephemeris.h"

#include <cmath>

#include "core/solar/angles.h"
#include "core/solar/rotation_count.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {

// The model's constants carry exactly these digits; stored records were computed with them.
constexpr double kMinuteOfHour = 0.016666666;
constexpr double kPerFullCircle = 0.0027777777777777;  // 1/360
constexpr double kEpochDayNumber = 47527.5;            // 1.1.1989, 0 h UT

}  // namespace

std::int32_t SynodicRotation(double t) {
  return static_cast<std::int32_t>(
      Trunc((kSynodicRotationRate * t - kRotationCountOffset) * kPerFullCircle + 1811));
}

double EphemerisDays(const CalendarDate& date, std::uint16_t timeUT) {
  const int hours = timeUT / 100;
  const int minutes = timeUT % 100;
  const double dayFraction = (hours + minutes * kMinuteOfHour) / 24;
  return static_cast<double>(DayNumber(date.Year, date.Month, date.Day)) - kEpochDayNumber +
         dayFraction;
}

float DayNumber(int year, int month, int day) {
  // January and February count as months 13 and 14 of the previous year.
  double y = year;
  double m = month;
  if (m <= 2) {
    y = y - 1;
    m = m + 12;
  }
  const double s = Int(365.25 * y) + Int(30.6001 * (m + 1)) + day - 679003.5;
  const double c = Int(y / 100);
  return static_cast<float>(s - c + Int(c / 4));
}

SolarEphemeris Ephemeris(const CalendarDate& date, std::uint16_t timeUT) {
  const double t = EphemerisDays(date, timeUT);

  const double lambda =
      (2.1 * std::sin(0.017202785 * t) + (0.985647 * t - 79.447)) * kEphemerisDegToRad;
  const double omega = (t / 365.25 * 0.013958 + 75.58717) * kEphemerisDegToRad;

  // The sine and cosine of the node distance serve both B0 and P; computed once.
  const double sinNode = std::sin(lambda - omega);
  const double c = std::cos(lambda - omega);

  SolarEphemeris eph;
  eph.EphB0 = std::asin(0.126198 * sinNode) * kEphemerisRadToDeg;
  eph.EphP =
      (std::atan(-0.4335677 * std::cos(lambda)) + std::atan(-0.127216 * c)) * kEphemerisRadToDeg;

  // A zero cosine gives an infinite ratio and the arctangent its limit of +-90 degrees.
  double eta = std::atan(0.992004949 * sinNode / c) * kEphemerisRadToDeg;
  if (c > 0) eta = eta + 180;
  const double meridian = (82.81 + eta) - 14.184397 * t;

  eph.RotationNumber = SynodicRotation(t);
  const double x = meridian * kPerFullCircle;
  eph.EphL0 = (x - Int(x)) * 360;
  if (eph.EphL0 < 0) eph.EphL0 = eph.EphL0 + 360;

  // Near longitude 0 the synodic count is re-read a day away, so that the rotation number
  // changes where L0 wraps from 0 to 360.
  if (eph.EphL0 < 15) eph.RotationNumber = SynodicRotation(t - 1);
  if (eph.EphL0 > 345) eph.RotationNumber = SynodicRotation(t + 1);
  // A fraction a hair below zero rounds up to exactly 360 when brought into range; that is 0
  // (the rotation number above already counts it as the new rotation).
  if (eph.EphL0 >= 360) eph.EphL0 = 0;
  return eph;
}

std::optional<SolarEphemeris> RecordEphemeris(const ObservationRecord& record) {
  const auto date = ParseDate(record.Date());
  if (!date) return std::nullopt;
  return Ephemeris(*date, record.TimeUT());
}

}  // namespace ardeno
