// SPDX-License-Identifier: GPL-3.0-or-later
// The printed ephemeris: four months of L0, B0, P at 0 h UT with the rotation marks.
#include "core/solar/coordinate_table.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "core/solar/ephemeris.h"
#include "core/text/number_format.h"

namespace ardeno {
namespace {

int DaysShown(const CoordinateColumn& column) {
  int days = 0;
  for (const auto& day : column.Days) days += day ? 1 : 0;
  return days;
}

struct MonthLengthCase {
  std::string Name;
  int Year = 0;
  int StartMonth = 0;
  std::vector<int> Days;
};

class CoordinateTableMonthsTest : public ::testing::TestWithParam<MonthLengthCase> {};

TEST_P(CoordinateTableMonthsTest, ShowsEveryDayOfTheFourMonths) {
  const CoordinateTable table = BuildCoordinateTable(GetParam().Year, GetParam().StartMonth);
  std::vector<int> days;
  for (const CoordinateColumn& column : table.Columns) days.push_back(DaysShown(column));
  EXPECT_EQ(days, GetParam().Days);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CoordinateTableMonthsTest,
    ::testing::Values(MonthLengthCase{"LeapFebruary", 2024, 0, {31, 29, 31, 30}},
                      MonthLengthCase{"CommonFebruary", 2023, 0, {31, 28, 31, 30}},
                      MonthLengthCase{"CenturyNotLeap", 2100, 0, {31, 28, 31, 30}},
                      MonthLengthCase{"JuneNeverHas31", 2024, 4, {31, 30, 31, 31}},
                      MonthLengthCase{"AutumnMonths", 2024, 8, {30, 31, 30, 31}}),
    [](const auto& info) { return info.param.Name; });

TEST(CoordinateTable, ValuesAreTheEphemerisAtMidnight) {
  const CoordinateTable table = BuildCoordinateTable(2024, 0);
  for (int i = 0; i < 4; ++i) {
    for (int d = 1; d <= 31; ++d) {
      const auto& day =
          table.Columns[static_cast<std::size_t>(i)].Days[static_cast<std::size_t>(d)];
      if (!day) continue;
      const SolarEphemeris eph = Ephemeris({2024, i + 1, d}, 0);
      EXPECT_EQ(day->L0, eph.EphL0);
      EXPECT_EQ(day->B0, eph.EphB0);
      EXPECT_EQ(day->P, eph.EphP);
    }
  }
}

struct MarksCase {
  std::string Name;
  int Year = 0;
  int StartMonth = 0;
  std::vector<std::string> Marks;  // "column:day-rotation@x,row"
};

std::string Describe(const RotationMark& m) {
  return std::to_string(m.Column) + ":" + m.Text() + "@" + std::to_string(m.X) + "," +
         std::to_string(m.Row);
}

class CoordinateTableMarksTest : public ::testing::TestWithParam<MarksCase> {};

TEST_P(CoordinateTableMarksTest, MarksEachRotationStartOnce) {
  const CoordinateTable table = BuildCoordinateTable(GetParam().Year, GetParam().StartMonth);
  std::vector<std::string> marks;
  for (const RotationMark& mark : table.Marks) marks.push_back(Describe(mark));
  EXPECT_EQ(marks, GetParam().Marks);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CoordinateTableMarksTest,
    ::testing::Values(
        MarksCase{
            "OneStartPerMonth",
            2024,
            0,
            {"1:19- 2280@150,34", "2:15- 2281@350,34", "3:13- 2282@550,34", "4:10- 2283@750,34"}},
        // December 2025 begins just after a wrap (L0 above 347): the day-1 mark in the left
        // position, none for day 2, and the month's second start one row lower.
        MarksCase{"DayOneMarkAndSecondStartLower",
                  2025,
                  8,
                  {"1:10- 2302@150,34", "2:7- 2303@350,34", "3:3- 2304@550,34", "4:1- 2305@670,34",
                   "4:28- 2306@750,35"}},
        // In 1992 L0 wraps between 28 and 29 February: that start is marked too.
        MarksCase{"StartOnLeapDay",
                  1992,
                  0,
                  {"1:6- 1851@150,34", "2:2- 1852@350,34", "2:29- 1853@350,35", "3:28- 1854@550,35",
                   "4:24- 1855@750,34"}}),
    [](const auto& info) { return info.param.Name; });

TEST(CoordinateTable, EveryWrapOfL0IsMarkedExactlyOnce) {
  // Checked against the day-to-day ephemeris itself over eleven years: a mark exactly on the
  // days whose L0 is larger than the day before (a new rotation began since).
  for (int year = 2015; year <= 2025; ++year) {
    for (int start : {0, 4, 8}) {
      const CoordinateTable table = BuildCoordinateTable(year, start);
      std::vector<std::string> expected;
      for (int i = 1; i <= 4; ++i) {
        const int month = start + i;
        for (int d = 1; d <= DaysInMonth(year, month); ++d) {
          const CalendarDate today{year, month, d};
          const CalendarDate yesterday = DateFromSerial(DaySerial(today) - 1);
          const SolarEphemeris now = Ephemeris(today, 0);
          if (now.EphL0 > Ephemeris(yesterday, 0).EphL0)
            expected.push_back(std::to_string(i) + ":" + std::to_string(d) + "- " +
                               std::to_string(now.RotationNumber));
        }
      }
      std::vector<std::string> marks;
      for (const RotationMark& mark : table.Marks)
        marks.push_back(std::to_string(mark.Column) + ":" + mark.Text());
      EXPECT_EQ(marks, expected) << year << " from month " << start + 1;
    }
  }
}

TEST(CoordinateTable, TextHasOneLinePerDayAndTheMarks) {
  const std::string text = CoordinateTableText(BuildCoordinateTable(2024, 0));
  std::istringstream lines(text);
  std::vector<std::string> all;
  for (std::string line; std::getline(lines, line);) all.push_back(line);
  ASSERT_EQ(all.size(), 2u + 31u + 4u);
  EXPECT_EQ(all[0], "Heliografické souřadnice pro rok 2024");
  // Day 30 has no February: April's values follow March's after the blank February cells.
  const SolarEphemeris jan30 = Ephemeris({2024, 1, 30}, 0);
  EXPECT_EQ(all[2 + 29].substr(0, 24), " 30" + FormatFixed(Round(jan30.EphL0 * 10) / 10.0, 7, 1) +
                                           FormatFixed(jan30.EphB0, 7, 1) +
                                           FormatFixed(jan30.EphP, 7, 1));
  EXPECT_EQ(all[2 + 29].substr(24, 21), std::string(21, ' '));
  EXPECT_EQ(all[2 + 30].size(), 3u + 2 * 21 + 21);  // day 31: January and March only
  EXPECT_EQ(all.back(), "Rotace Duben: 10- 2283");
}

TEST(CoordinateTable, PictureFileName) {
  EXPECT_EQ(CoordinateTableFileName("2012", 0), "Souřadnice 2012 1 - 4.bmp");
  EXPECT_EQ(CoordinateTableFileName("2012", 8), "Souřadnice 2012 9 - 12.bmp");
}

}  // namespace
}  // namespace ardeno
