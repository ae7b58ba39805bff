// SPDX-License-Identifier: GPL-3.0-or-later
// The ephemeris against the calendar, against itself across rotation boundaries, and against
// published observations (RGO group positions, DRAO Carrington rotation numbers).
#include "core/solar/ephemeris.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace ardeno {
namespace {

// Reads a reference file line by line, dropping the CR characters its line ends carry.
std::vector<std::string> ReadLines(const std::string& name) {
  std::ifstream in(std::string(ARDENO_TEST_DATA) + "/solar/" + name, std::ios::binary);
  EXPECT_TRUE(in) << name;
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    std::erase(line, '\r');
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

// Signed difference a - b of two longitudes, in (-180, 180].
double LongitudeDifference(double a, double b) {
  double d = std::fmod(a - b, 360.0);
  if (d > 180) d -= 360;
  if (d <= -180) d += 360;
  return d;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

struct DayNumberCase {
  const char* name;
  CalendarDate date;
  double julianDateMinus2400000;  // from the definition of the Julian date
};

class DayNumberReference : public ::testing::TestWithParam<DayNumberCase> {};

TEST_P(DayNumberReference, MatchesJulianDate) {
  const auto& c = GetParam();
  EXPECT_EQ(DayNumber(c.date.Year, c.date.Month, c.date.Day), c.julianDateMinus2400000);
}

INSTANTIATE_TEST_SUITE_P(Epochs, DayNumberReference,
                         ::testing::Values(DayNumberCase{"J2000_day", {2000, 1, 1}, 51544.5},
                                           DayNumberCase{"Epoch1989", {1989, 1, 1}, 47527.5},
                                           DayNumberCase{"MjdZero", {1858, 11, 17}, 0.5}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DayNumber, CountsEveryCalendarDayOnceFrom1800To2100) {
  // The day serial (days since 30.12.1899, MJD 15018) counts the Gregorian calendar
  // independently; the two must stay a constant 15018.5 apart.
  for (CalendarDate d{1800, 1, 1}; d.Year <= 2100; d = DateFromSerial(DaySerial(d) + 1)) {
    ASSERT_EQ(DayNumber(d.Year, d.Month, d.Day), static_cast<double>(DaySerial(d)) + 15018.5)
        << FormatDate(d);
  }
}

struct LeapCase {
  int year;
  float expectedGap;  // days from 28 February to 1 March
};

class LeapDay : public ::testing::TestWithParam<LeapCase> {};

TEST_P(LeapDay, FebruaryEndCountsTheLeapDay) {
  const auto& c = GetParam();
  EXPECT_EQ(DayNumber(c.year, 3, 1) - DayNumber(c.year, 2, 28), c.expectedGap);
  // January and February belong to the previous year's count: no jump at New Year.
  EXPECT_EQ(DayNumber(c.year, 1, 1) - DayNumber(c.year - 1, 12, 31), 1.0f);
}

INSTANTIATE_TEST_SUITE_P(Years, LeapDay,
                         ::testing::Values(LeapCase{2000, 2}, LeapCase{2024, 2}, LeapCase{1996, 2},
                                           LeapCase{1900, 1}, LeapCase{2023, 1}, LeapCase{2100, 1}),
                         [](const auto& info) { return std::to_string(info.param.year); });

TEST(Ephemeris, TimeOfDayIsAFractionOfTheDay) {
  // 24:00 of one day is 0:00 of the next; 12:00 lies halfway in L0's daily motion.
  const auto midnightLate = Ephemeris({2003, 6, 14}, 2400);
  const auto nextDay = Ephemeris({2003, 6, 15}, 0);
  EXPECT_EQ(midnightLate.EphL0, nextDay.EphL0);
  EXPECT_EQ(midnightLate.EphB0, nextDay.EphB0);
  const auto start = Ephemeris({2003, 6, 14}, 0);
  const auto noon = Ephemeris({2003, 6, 14}, 1200);
  const double wholeDay = LongitudeDifference(nextDay.EphL0, start.EphL0);
  EXPECT_NEAR(LongitudeDifference(noon.EphL0, start.EphL0), wholeDay / 2, 0.01);
  // Minutes count in sixtieths of an hour: 7:05 lies 5/60 of an hour after 7:00.
  const double hourStep =
      LongitudeDifference(Ephemeris({2003, 6, 14}, 800).EphL0, Ephemeris({2003, 6, 14}, 700).EphL0);
  EXPECT_NEAR(
      LongitudeDifference(Ephemeris({2003, 6, 14}, 705).EphL0, Ephemeris({2003, 6, 14}, 700).EphL0),
      hourStep * 5 / 60, 1e-4);
}

TEST(Ephemeris, RotationNumberChangesExactlyWhereL0Wraps) {
  // Hourly steps through whole years in several decades: L0 stays in [0, 360), and the rotation
  // number goes up by one at every wrap of L0 and nowhere else.
  for (int year : {1960, 1989, 2000, 2024}) {
    SolarEphemeris previous = Ephemeris({year, 1, 1}, 0);
    int wraps = 0;
    for (CalendarDate d{year, 1, 1}; d.Year == year; d = DateFromSerial(DaySerial(d) + 1)) {
      for (int hour = 0; hour < 24; ++hour) {
        const auto eph = Ephemeris(d, static_cast<std::uint16_t>(hour * 100));
        ASSERT_GE(eph.EphL0, 0.0) << FormatDate(d) << " " << hour;
        ASSERT_LT(eph.EphL0, 360.0) << FormatDate(d) << " " << hour;
        const bool wrapped = eph.EphL0 > previous.EphL0 + 180;
        wraps += wrapped ? 1 : 0;
        ASSERT_EQ(eph.RotationNumber, previous.RotationNumber + (wrapped ? 1 : 0))
            << FormatDate(d) << " " << hour << "h, L0 " << previous.EphL0 << " -> " << eph.EphL0;
        previous = eph;
      }
    }
    EXPECT_GE(wraps, 13) << year;  // a synodic rotation lasts about 27.3 days
  }
}

TEST(Ephemeris, AxisAnglesReachTheirYearlyExtremesInSeason) {
  // The solar equator is inclined 7.25 degrees: B0 peaks in early September and bottoms in early
  // March; P reaches about +26.3 degrees in October and -26.3 in April.
  SolarEphemeris maxB0, minB0, maxP, minP;
  CalendarDate maxB0Date, minB0Date, maxPDate, minPDate;
  for (CalendarDate d{2010, 1, 1}; d.Year == 2010; d = DateFromSerial(DaySerial(d) + 1)) {
    const auto eph = Ephemeris(d, 1200);
    if (eph.EphB0 > maxB0.EphB0) maxB0 = eph, maxB0Date = d;
    if (eph.EphB0 < minB0.EphB0) minB0 = eph, minB0Date = d;
    if (eph.EphP > maxP.EphP) maxP = eph, maxPDate = d;
    if (eph.EphP < minP.EphP) minP = eph, minPDate = d;
  }
  EXPECT_NEAR(maxB0.EphB0, 7.25, 0.05);
  EXPECT_NEAR(minB0.EphB0, -7.25, 0.05);
  EXPECT_EQ(maxB0Date.Month, 9);
  EXPECT_EQ(minB0Date.Month, 3);
  EXPECT_NEAR(maxP.EphP, 26.3, 0.2);
  EXPECT_NEAR(minP.EphP, -26.3, 0.2);
  EXPECT_EQ(maxPDate.Month, 10);
  EXPECT_EQ(minPDate.Month, 4);
}

TEST(Ephemeris, CentralMeridianMatchesRgoGroupPositions1960) {
  // Source: RGO sunspot-group file g1960 (tests/data/solar). L0 = L - CMD with CMD west positive.
  // The compact model is good to about 0.1-0.2 degrees; the file's positions carry a tenth of a
  // degree and the measuring errors of the day, so the check is on medians of the per-group
  // differences: each day's median within 0.35 degrees, the overall median within 0.15.
  std::vector<double> dayMedians;
  std::vector<double> day;
  std::string currentDay;
  for (const auto& line : ReadLines("rgo_groups_1960_jan_apr.txt")) {
    const CalendarDate date{std::stoi(line.substr(0, 4)), std::stoi(line.substr(4, 2)),
                            std::stoi(line.substr(6, 3))};
    const double dayFraction = std::stod(line.substr(6, 6)) - date.Day;
    const int minutes = static_cast<int>(std::lround(dayFraction * 1440));
    const auto eph = Ephemeris(date, static_cast<std::uint16_t>(minutes / 60 * 100 + minutes % 60));
    const double longitude = std::stod(line.substr(57, 5));
    const double cmdWest = std::stod(line.substr(69, 5));
    if (line.substr(0, 12) != currentDay && !day.empty()) {
      dayMedians.push_back(Median(day));
      day.clear();
    }
    currentDay = line.substr(0, 12);
    day.push_back(LongitudeDifference(eph.EphL0, longitude - cmdWest));
  }
  dayMedians.push_back(Median(day));
  ASSERT_GE(dayMedians.size(), 100u);
  for (double m : dayMedians) EXPECT_LT(std::fabs(m), 0.35);
  EXPECT_LT(std::fabs(Median(dayMedians)), 0.15);
}

TEST(Ephemeris, DayNumberAndRotationMatchDraoFluxTable2014) {
  // Source: DRAO Penticton flux table 2014 (tests/data/solar), columns "fluxjulian" and
  // "fluxcarrington". The rotation's fraction is DRAO's own approximation, good to a few degrees,
  // so rotation numbers are compared only well inside a rotation (fraction 0.02..0.98).
  int compared = 0;
  for (const auto& line : ReadLines("penticton_flux_2014.txt")) {
    if (line.rfind("2014", 0) != 0) continue;
    std::istringstream fields(line);
    std::string dateText;
    int hhmmss = 0;
    double julianDay = 0;
    double carrington = 0;
    fields >> dateText >> hhmmss >> julianDay >> carrington;
    ASSERT_TRUE(fields) << line;
    const CalendarDate date{std::stoi(dateText.substr(0, 4)), std::stoi(dateText.substr(4, 2)),
                            std::stoi(dateText.substr(6, 2))};
    // The table's Julian day is the nominal time to within about 0.3 hours.
    const double hours = hhmmss / 10000 + (hhmmss / 100 % 100) / 60.0;
    EXPECT_NEAR(DayNumber(date.Year, date.Month, date.Day) + hours / 24, julianDay - 2400000, 0.05)
        << line;
    const double fraction = carrington - std::floor(carrington);
    if (fraction < 0.02 || fraction > 0.98) continue;
    const auto eph = Ephemeris(date, static_cast<std::uint16_t>(hhmmss / 100));
    EXPECT_EQ(eph.RotationNumber, static_cast<int>(std::floor(carrington))) << line;
    ++compared;
  }
  EXPECT_GT(compared, 900);
}

TEST(RecordEphemeris, UsesTheRecordDateAndTimeAndRefusesABadDate) {
  ObservationRecord record;
  record.SetDate("14.06.2003");
  record.SetTimeUT(705);
  const auto eph = RecordEphemeris(record);
  ASSERT_TRUE(eph.has_value());
  const auto direct = Ephemeris({2003, 6, 14}, 705);
  EXPECT_EQ(eph->EphL0, direct.EphL0);
  EXPECT_EQ(eph->RotationNumber, direct.RotationNumber);

  for (const char* bad : {"", "31.02.2003", "xx.06.2003"}) {
    record.SetDate(bad);
    EXPECT_FALSE(RecordEphemeris(record).has_value()) << bad;
  }
}

}  // namespace
}  // namespace ardeno
