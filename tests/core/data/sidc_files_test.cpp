// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/data/sidc_files.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>
#include <vector>

#include "core/text/dates.h"
#include "support/temp_folder.h"

namespace ardeno {
namespace {

using test::ReadTestData;
using test::TempFolder;

struct DailyNumbers {
  CalendarDate Date;
  int Total, North, South;
};

// The published SILSO hemispheric series: "yyyy;mm;dd;decimal year; total; north; south;...".
std::vector<DailyNumbers> SilsoYear(int year) {
  std::vector<DailyNumbers> days;
  std::istringstream lines(ReadTestData("silso_hem_2000_2001.csv"));
  std::string line;
  while (std::getline(lines, line)) {
    DailyNumbers day{};
    double decimalYear = 0;
    if (std::sscanf(line.c_str(), "%d;%d;%d;%lf;%d;%d;%d", &day.Date.Year, &day.Date.Month,
                    &day.Date.Day, &decimalYear, &day.Total, &day.North, &day.South) == 7 &&
        day.Date.Year == year) {
      days.push_back(day);
    }
  }
  return days;
}

// A year file as the program expects it: 19 characters of date, then the values in columns
// 20..22 (and 24..26, 28..30 in the three-value layout), CR LF.
std::string YearFile(const std::vector<DailyNumbers>& days, bool threeValues) {
  std::string text;
  char line[64];
  for (const auto& d : days) {
    if (threeValues) {
      std::snprintf(line, sizeof line, "%04d %02d %02d %8.3f%3d %3d %3d\r\n", d.Date.Year,
                    d.Date.Month, d.Date.Day, d.Date.Year + 0.5, d.Total, d.North, d.South);
    } else {
      std::snprintf(line, sizeof line, "%04d %02d %02d %8.3f%3d\r\n", d.Date.Year, d.Date.Month,
                    d.Date.Day, d.Date.Year + 0.5, d.Total);
    }
    text += line;
  }
  return text;
}

// SILSO marks a missing value as -1: the day has no number, it is not a day of 1.
int FieldRule(int published) { return published < 0 ? kSidcNoValue : published; }

TEST(SidcDaily, ThreeValueLayoutOfACommonYear) {
  const auto days = SilsoYear(2001);
  ASSERT_EQ(days.size(), 365u);
  const std::string file = YearFile(days, true);
  ASSERT_EQ(file.size(), 365u * 32u);
  SidcDailyTable table;
  AddSidcYear(file, 2001, table);
  EXPECT_EQ(table.DaysFilled, 365);
  for (std::size_t d = 0; d < days.size(); ++d) {
    SCOPED_TRACE(FormatDate(days[d].Date));
    EXPECT_EQ(table.Cells[3 * d], FieldRule(days[d].Total));
    EXPECT_EQ(table.Cells[3 * d + 1], FieldRule(days[d].North));
    EXPECT_EQ(table.Cells[3 * d + 2], FieldRule(days[d].South));
  }
}

TEST(SidcDaily, OneValueLayoutWritesOnlyTheFirstCellOfEachDay) {
  const auto days = SilsoYear(2001);
  const std::string file = YearFile(days, false);
  ASSERT_EQ(file.size(), 365u * 24u);
  SidcDailyTable table;
  table.Cells.assign(3 * 365, 7);  // whatever was there stays in the other cells
  AddSidcYear(file, 2001, table);
  EXPECT_EQ(table.DaysFilled, 365);
  for (std::size_t d = 0; d < days.size(); ++d) {
    EXPECT_EQ(table.Cells[3 * d], FieldRule(days[d].Total)) << d;
    EXPECT_EQ(table.Cells[3 * d + 1], 7) << d;
  }
}

TEST(SidcDaily, LeapYearReadsThreeHundredSixtySixDaysAndKeepsValuesAbove255) {
  const auto days = SilsoYear(2000);
  ASSERT_EQ(days.size(), 366u);
  SidcDailyTable table;
  AddSidcYear(YearFile(days, true), 2000, table);
  EXPECT_EQ(table.DaysFilled, 366);
  int above255 = 0;
  for (std::size_t d = 0; d < days.size(); ++d) {
    EXPECT_EQ(table.Cells[3 * d], FieldRule(days[d].Total)) << d;
    above255 += days[d].Total > 255;
  }
  EXPECT_GT(above255, 0) << "the year chosen must exercise the wide cells";
  EXPECT_EQ(table.Cells[3 * 365 + 2], FieldRule(days.back().South)) << "31 December is day 366";
}

TEST(SidcDaily, LineLengthComesFromTheSizeNotFromLineBreaks) {
  // 2000 is a leap year: a file of 366 * 32 bytes with LF only would be 366 * 31; the offset rule
  // uses Round(size / 366) = 31 then, so the values are still found.
  auto days = SilsoYear(2000);
  std::string file = YearFile(days, true);
  std::erase(file, '\r');
  SidcDailyTable table;
  AddSidcYear(file, 2000, table);
  EXPECT_EQ(table.Cells[3 * 200], FieldRule(days[200].Total));
  // Named as a common year, the same bytes fill 365 days only.
  SidcDailyTable wrongYear;
  AddSidcYear(file, 2001, wrongYear);
  EXPECT_EQ(wrongYear.DaysFilled, 365);
}

struct FieldCase {
  const char* Name;
  const char* Field;
  int Value;
};

class SidcFieldTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(SidcFieldTest, ReadsAsTheProgramAlwaysHas) {
  EXPECT_EQ(SidcFieldValue(GetParam().Field), GetParam().Value);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, SidcFieldTest,
    ::testing::Values(FieldCase{"Blanks", "   ", 0}, FieldCase{"MinusOne", " -1", 1},
                      FieldCase{"Padded", "  7", 7}, FieldCase{"Three", "286", 286},
                      FieldCase{"DigitsThenText", "12a", 12}, FieldCase{"LineBreak", "4\r\n", 4},
                      FieldCase{"Letters", "abc", 0}, FieldCase{"Empty", "", 0}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(SidcDaily, TruncatedAndTinyFilesStayInsideTheirBytes) {
  SidcDailyTable table;
  AddSidcYear("", 2001, table);
  AddSidcYear(std::string(40, '9'), 2001, table);
  EXPECT_EQ(table.DaysFilled, 730);
  EXPECT_EQ(table.Cells[0], kSidcNoValue) << "a day past the end of the file has no number";
}

TEST(SidcDaily, FullTableStopsReading) {
  SidcDailyTable table;
  const std::string file = YearFile(SilsoYear(2000), true);
  for (int i = 0; i < 200; ++i) AddSidcYear(file, 2000, table);
  EXPECT_EQ(table.DaysFilled, kSidcDailyCells / 3);
  EXPECT_EQ(table.Cells.size(), static_cast<std::size_t>(kSidcDailyCells / 3 * 3));
}

TEST(SidcDaily, FirstFileSearch) {
  TempFolder folder;
  EXPECT_EQ(FindFirstSidcFile(folder.Path()), "dssn2050.dat") << "no SIDC folder";
  EXPECT_EQ(SidcYearFromName("dssn2050.dat"), 2050);
  EXPECT_EQ(ReadSidcDaily(folder.Path(), 2026).YearsFound, 0);

  folder.Write("SIDC/dssn1995.dat", "");
  folder.Write("SIDC/dssn1990.DAT", "");
  folder.Write("SIDC/Plochy.txt", "");
  folder.Write("SIDC/readme.dat.txt", "");
  EXPECT_EQ(FindFirstSidcFile(folder.Path()), "dssn1990.DAT");
  EXPECT_EQ(SidcYearFromName("dssn1990.DAT"), 1990);
  EXPECT_EQ(SidcYearFromName("a.dat"), 0);
  EXPECT_EQ(SidcYearFromName("dssnABCD.dat"), 0);
}

TEST(SidcDaily, YearsFromNineteenEightyTwoWithMissingYearsSkipped) {
  TempFolder folder;
  const std::string y2000 = YearFile(SilsoYear(2000), true);
  const std::string y2001 = YearFile(SilsoYear(2001), true);
  folder.Write("SIDC/dssn2000.dat", y2000);
  folder.Write("SIDC/dssn2001.dat", y2001);
  const auto table = ReadSidcDaily(folder.Path(), 2026);
  EXPECT_EQ(table.YearsFound, 2) << "years after the first file up to today are tried too";
  EXPECT_EQ(table.DaysFilled, 366 + 365) << "missing years do not advance the day position";
  EXPECT_EQ(table.Cells[3 * 366], FieldRule(SilsoYear(2001).front().Total));
  EXPECT_TRUE(table.Messages.empty());

  EXPECT_EQ(ReadSidcDaily(folder.Path(), 1999).YearsFound, 0) << "nothing beyond the current year";
}

TEST(SidcDaily, UnreadableYearIsReportedAndSkipped) {
  TempFolder folder;
  folder.Write("SIDC/dssn2001.dat", YearFile(SilsoYear(2001), true));
  std::filesystem::create_directories(folder.Path() / "SIDC" / "dssn2000.dat");
  const auto table = ReadSidcDaily(folder.Path(), 2026);
  EXPECT_EQ(table.YearsFound, 1);
  EXPECT_EQ(table.DaysFilled, 365);
  ASSERT_EQ(table.Messages.size(), 1u);
  EXPECT_NE(table.Messages[0].find("SIDC/dssn2000.dat"), std::string::npos);
}

struct SeriesDay {
  double Total, North, South;
};

// "Plochy.txt": 8 characters of date, three reals in columns 9..15, 16..22, 23..29, CR LF.
std::string AreasFile(const std::vector<SeriesDay>& days) {
  std::string text;
  char line[64];
  for (std::size_t i = 0; i < days.size(); ++i) {
    std::snprintf(line, sizeof line, "%08zu%7.1f%7.1f%7.1f\r\n", i, days[i].Total, days[i].North,
                  days[i].South);
    text += line;
  }
  return text;
}

std::vector<SeriesDay> PublishedAreas() {
  std::vector<SeriesDay> days;
  std::istringstream lines(ReadTestData("daily_area_2000.txt"));
  int year = 0, month = 0, day = 0;
  SeriesDay d{};
  while (lines >> year >> month >> day >> d.Total >> d.North >> d.South) days.push_back(d);
  return days;
}

TEST(SidcAreas, ThreeThousandOneHundredBytesFillThreeHundredValues) {
  auto days = PublishedAreas();
  ASSERT_EQ(days.size(), 366u);
  days.resize(100);
  const std::string file = AreasFile(days);
  ASSERT_EQ(file.size(), 3100u);
  const auto series = ParseSidcAreas(file, file.size());
  EXPECT_EQ(series.LineCount, 100);
  ASSERT_EQ(series.Values.size(), 300u);
  for (std::size_t i = 0; i < days.size(); ++i) {
    EXPECT_EQ(series.Values[3 * i], static_cast<long>(std::nearbyint(days[i].Total))) << i;
    EXPECT_EQ(series.Values[3 * i + 1], static_cast<long>(std::nearbyint(days[i].North))) << i;
    EXPECT_EQ(series.Values[3 * i + 2], static_cast<long>(std::nearbyint(days[i].South))) << i;
  }
}

TEST(SidcAreas, BoundedAtTheTableSizeAndOddFieldsReadAsZero) {
  std::vector<SeriesDay> days(1500, SeriesDay{12.4, 6.5, -1.0});
  std::string file = AreasFile(days);
  file.replace(8, 7, "  abc  ");
  const auto series = ParseSidcAreas(file, file.size());
  EXPECT_EQ(series.LineCount, kSidcSeriesMaxLines);
  EXPECT_LE(series.Values.size(), static_cast<std::size_t>(kSidcSeriesValues));
  EXPECT_EQ(series.Values[0], 0) << "not a number";
  EXPECT_EQ(series.Values[1], 6) << "6.5 rounds half to even, not up to 7";
  EXPECT_EQ(series.Values[2], 0) << "the missing-day mark -1 is no area";
  EXPECT_EQ(series.Values[3], 12);

  const auto shortLines = ParseSidcAreas("20000101   5.0\r\n", 31);
  ASSERT_EQ(shortLines.LineCount, 1);
  EXPECT_EQ(shortLines.Values, (std::vector<std::uint16_t>{5, 0, 0}));
}

TEST(RadioFlux, PentictonValuesTimesTenAtTheirColumns) {
  std::istringstream lines(ReadTestData("penticton_flux_2004.txt"));
  std::string text;
  std::vector<SeriesDay> published;
  std::string date, time, julian, rotation;
  SeriesDay d{};
  char line[64];
  while (lines >> date >> time >> julian >> rotation >> d.Total >> d.North >> d.South) {
    // date and time in columns 1..15, the observed, adjusted and URSI flux at 16, 26 and 37.
    std::snprintf(line, sizeof line, "%8s %6.6s%6.1f    %6.1f     %6.1f \r\n", date.c_str(),
                  time.c_str(), d.Total, d.North, d.South);
    text += line;
    published.push_back(d);
  }
  ASSERT_EQ(text.size(), published.size() * 45);
  const auto series = ParseRadioFlux(text, text.size());
  ASSERT_EQ(series.LineCount, static_cast<int>(published.size()));
  for (std::size_t i = 0; i < published.size(); ++i) {
    EXPECT_EQ(series.Values[3 * i], std::lround(published[i].Total * 10)) << i;
    EXPECT_EQ(series.Values[3 * i + 1], std::lround(published[i].North * 10)) << i;
    EXPECT_EQ(series.Values[3 * i + 2], std::lround(published[i].South * 10)) << i;
  }

  TempFolder folder;
  folder.Write("SIDC/tok-10cm.txt", text);
  EXPECT_EQ(ReadRadioFlux(folder.Path()).Values, series.Values);
  EXPECT_EQ(ReadSidcAreas(folder.Path()).LineCount, 0) << "missing file";
}

}  // namespace
}  // namespace ardeno
