// SPDX-License-Identifier: GPL-3.0-or-later
// Published series written in the program's SIDC layouts: what the program's own readers get
// back from the files must be the published values.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/data/sidc_files.h"
#include "core/reference/reference_series.h"
#include "support/temp_folder.h"

namespace ardeno {
namespace {

namespace fs = std::filesystem;

constexpr CalendarDate kToday{2026, 3, 15};
constexpr SeriesYears kYears{kSilsoFirstYear, kToday.Year};

std::string AuxFile(const std::string& name) {
  std::ifstream in(std::string(ARDENO_TEST_DATA) + "/aux/" + name, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(ReferenceSeries, YearFileGivesTheProgramsReaderThePublishedNumbersOfEveryDay) {
  // Source: SILSO SN_d_hem_V2.0.csv, 2000-2001 (tests/data/aux).
  const SeriesReading silso = ReadSilsoDaily(AuxFile("silso_hem_2000_2001.csv"), "hem.csv", kYears);
  ASSERT_TRUE(silso.Problems.empty());
  for (const int year : {2000, 2001}) {
    const std::string text = SidcYearFileText(year, silso.Days);
    const int days = IsLeapYear(year) ? 366 : 365;
    ASSERT_EQ(text.size(), static_cast<std::size_t>(days) * 32) << year;  // three-value layout
    SidcDailyTable table;
    AddSidcYear(text, year, table);
    ASSERT_EQ(table.DaysFilled, days);
    int above255 = 0;
    for (int d = 0; d < days; ++d) {
      const auto& published = silso.Days.at(DaySerial({year, 1, 1}) + d);
      for (std::size_t v = 0; v < 3; ++v)
        ASSERT_EQ(table.Cells[static_cast<std::size_t>(d) * 3 + v], *published[v])
            << year << " " << d;
      above255 += *published[0] > 255;
    }
    if (year == 2000) EXPECT_GT(above255, 0);  // the maximum of cycle 23 passes one byte
  }
}

TEST(ReferenceSeries, DaysWithoutAValueAreBlankAndOnlyTheTotalFromTheTotalsFile) {
  const SeriesReading totals = ReadSilsoDaily(
      "2001;01;01;2001.001;  -1; -1.0;   0;1\n2001;01;02;2001.004; 123;  5.9;  10;1\nbroken;line\n",
      "tot.csv", kYears);
  ASSERT_EQ(totals.Problems.size(), 1u);
  EXPECT_NE(totals.Problems[0].find("tot.csv:3:"), std::string::npos);
  const std::string text = SidcYearFileText(2001, totals.Days);
  // Columns 20-22, 24-26 and 28-30 after "yyyy mm dd yyyy.yyy".
  EXPECT_EQ(text.substr(0, 32),
            "2001 01 01 2001.001"
            "   "
            " "
            "   "
            " "
            "   "
            "\r\n");
  EXPECT_EQ(text.substr(32, 32),
            "2001 01 02 2001.004"
            "123"
            " "
            "   "
            " "
            "   "
            "\r\n");
  const DailySeries merged = MergeSunspotNumbers(
      totals.Days,
      ReadSilsoDaily("2001;01;02;2001.004; 120; 20;100;1;1;1;1;1;1;1\n", "h", kYears).Days);
  EXPECT_EQ(merged.at(DaySerial({2001, 1, 2})), (SeriesValues{123.0, 20.0, 100.0}));
}

TEST(ReferenceSeries, AreaMonthsAreMeansOfTheObservedDaysAndReadBackRounded) {
  // Source: Hathaway & Upton daily areas of 2000 (tests/data/aux); -1 days are left out.
  const SeriesReading areas =
      ReadDailyAreas(" YYYY MM DD  Total  North  South\n" + AuxFile("daily_area_2000.txt") +
                         " 2001  1  1   -1.0   -1.0   -1.0\n 2001  1  2   10.0    4.0    6.0\n"
                         " 2001  1  3    0.0    0.0    0.0\n",
                     "daily_area.txt", kYears);
  ASSERT_TRUE(areas.Problems.empty());
  // The zero after the last non-zero day is the unfinished end of the series.
  EXPECT_EQ(areas.Days.rbegin()->first, DaySerial({2001, 1, 2}));
  const DailySeries months = MonthlyMeans(areas.Days);
  double januarySum = 0;
  int januaryDays = 0;
  for (int d = 0; d < 31; ++d) {
    const auto& day = areas.Days.at(DaySerial({2000, 1, 1}) + d);
    if (day[0]) {
      januarySum += *day[0];
      ++januaryDays;
    }
  }
  EXPECT_DOUBLE_EQ(*months.at(DaySerial({2000, 1, 1}))[0], januarySum / januaryDays);
  EXPECT_EQ(*months.at(DaySerial({2001, 1, 1}))[2], 6.0);

  const std::string text = SidcAreasText(months);
  const int lines = (2001 - 1982) * 12 + 1;  // January 1982 .. January 2001
  ASSERT_EQ(text.size(), static_cast<std::size_t>(lines) * 31);
  const SidcSeries read = ParseSidcAreas(text, text.size());
  ASSERT_EQ(read.LineCount, lines);
  const std::size_t january2000 = static_cast<std::size_t>((2000 - 1982) * 12) * 3;
  EXPECT_EQ(read.Values[january2000], std::lround(januarySum / januaryDays));
  EXPECT_EQ(read.Values[0], 0);  // 1982 has no data in this extract: blank, read as 0
}

TEST(ReferenceSeries, FluxDaysTakeThe20UtMeasurementAndReadBackInTenths) {
  // Source: Penticton flux table, October-December 2004 (tests/data/aux).
  const SeriesReading flux =
      ReadPentictonFlux(AuxFile("penticton_flux_2004.txt") + "20041231 200000 x x 000abc.1 1 1\n",
                        "fluxtable.txt", kYears);
  ASSERT_EQ(flux.Problems.size(), 1u);
  // 28 October 2004: 17 UT 132.7 and 20 UT 135.8 observed; the 20 UT value stands.
  EXPECT_EQ(flux.Days.at(DaySerial({2004, 10, 28})), (SeriesValues{135.8, 134.0, 120.6}));
  const DailySeries months = MonthlyMeans(flux.Days);
  const std::string text = RadioFluxText(months);
  const int lines = (2004 - 1982) * 12 + 12;  // to December 2004
  ASSERT_EQ(text.size(), static_cast<std::size_t>(lines) * 45);
  const SidcSeries read = ParseRadioFlux(text, text.size());
  const std::size_t november = static_cast<std::size_t>((2004 - 1982) * 12 + 10) * 3;
  const SeriesValues& mean = months.at(DaySerial({2004, 11, 1}));
  for (std::size_t v = 0; v < 3; ++v) EXPECT_NEAR(read.Values[november + v], *mean[v] * 10, 0.51);
}

TEST(ReferenceSeries, ImportWritesEveryFileAndNamesTheSourcesItLacks) {
  const test::TempFolder temp;
  const fs::path folder = temp.Path();
  const fs::path sources = folder / "sources";
  temp.Write("sources/silso/SN_d_hem_V2.0.csv", AuxFile("silso_hem_2000_2001.csv"));
  temp.Write("sources/daily_area.txt", AuxFile("daily_area_2000.txt"));
  fs::create_directories(folder / "data");
  const ReferenceImport result = ImportReferenceSeries(folder / "data", sources, kToday);
  EXPECT_FALSE(result.Error);
  // SN_d_tot and the flux table are missing: named, the rest written.
  EXPECT_EQ(result.Problems.size(), 2u);
  EXPECT_EQ(result.Written.size(), (2001 - 1982 + 1) + 1u);
  const SidcDailyTable table = ReadSidcDaily(folder / "data", 2001);
  EXPECT_EQ(table.YearsFound, 20);
  const auto cell = static_cast<std::size_t>(DaysBetween({1982, 1, 1}, {2000, 1, 1})) * 3;
  EXPECT_EQ(table.Cells[cell], 71);  // "2000;01;01;2000.001;  71; 55; 16;..."
  EXPECT_EQ(table.Cells[cell + 1], 55);
  EXPECT_EQ(ReadSidcAreas(folder / "data").LineCount, (2000 - 1982) * 12 + 12);
}

// A source file as it may arrive: empty after a failed download, garbage, one mistyped year.
struct SourceCase {
  const char* Name;
  const char* File;  // under the sources folder
  const char* Text;
  std::size_t FilesWritten;       // beside the good series that is always there
  std::size_t EmptySources;       // sources named as giving no value
  const char* ProblemInMessages;  // a line named among the problems, or ""
};

class ReferenceSourceTest : public ::testing::TestWithParam<SourceCase> {};

TEST_P(ReferenceSourceTest, ABadSourceNeverReplacesItsSeriesAndAnAbsurdYearIsRefusedByItself) {
  const SourceCase& c = GetParam();
  const test::TempFolder temp;
  const fs::path folder = temp.Path() / "data";
  temp.Write("data/SIDC/Plochy.txt", "kept areas");
  temp.Write("data/SIDC/tok-10cm.txt", "kept flux");
  temp.Write("sources/silso/SN_d_hem_V2.0.csv", AuxFile("silso_hem_2000_2001.csv"));
  temp.Write(std::string("sources/") + c.File, c.Text);
  const ReferenceImport result = ImportReferenceSeries(folder, temp.Path() / "sources", kToday);
  EXPECT_FALSE(result.Error);
  EXPECT_EQ(result.EmptySources.size(), c.EmptySources);
  EXPECT_EQ(result.Written.size(), (2001 - 1982 + 1) + c.FilesWritten);
  std::string problems;
  for (const auto& problem : result.Problems) problems += problem + "\n";
  EXPECT_NE(problems.find(c.ProblemInMessages), std::string::npos) << problems;
  // No series was replaced by an empty file; no year beyond today got a file.
  EXPECT_NE(fs::file_size(folder / "SIDC" / "Plochy.txt"), 0u);
  EXPECT_NE(fs::file_size(folder / "SIDC" / "tok-10cm.txt"), 0u);
  EXPECT_FALSE(fs::exists(folder / "SIDC" / "dssn9999.dat"));
  EXPECT_FALSE(fs::exists(folder / "SIDC" / "dssn2027.dat"));
}

INSTANTIATE_TEST_SUITE_P(
    Sources, ReferenceSourceTest,
    ::testing::Values(
        SourceCase{"EmptyAreas", "daily_area.txt", "", 0, 1, ""},
        SourceCase{"GarbageFlux", "fluxtable.txt", "<html>not found</html>\n", 0, 1,
                   "fluxtable.txt:1:"},
        SourceCase{"AreasWithYear9999", "daily_area.txt",
                   " 2000  1  1  100.0   60.0   40.0\n 9999  1  1   10.0    5.0    5.0\n", 1, 0,
                   "daily_area.txt:2:"},
        SourceCase{"TotalsWithANextYearLine", "SN_d_tot_V2.0.csv",
                   "2001;01;02;2001.004; 123;  5.9;  10;1\n2027;01;01;2027.001; 50; 1; 1;1\n", 0, 0,
                   "SN_d_tot_V2.0.csv:2:"}),
    [](const ::testing::TestParamInfo<SourceCase>& info) { return std::string(info.param.Name); });

TEST(ReferenceSeries, EmptySilsoSourcesWriteNoYearFile) {
  const test::TempFolder temp;
  temp.Write("data/SIDC/dssn2001.dat", "kept year");
  temp.Write("sources/SN_d_tot_V2.0.csv", "");
  const ReferenceImport result =
      ImportReferenceSeries(temp.Path() / "data", temp.Path() / "sources", kToday);
  ASSERT_EQ(result.EmptySources.size(), 1u);
  EXPECT_NE(result.EmptySources[0].find("SN_d_tot_V2.0.csv"), std::string::npos);
  EXPECT_TRUE(result.Written.empty());
  EXPECT_EQ(temp.Read("data/SIDC/dssn2001.dat"), "kept year");
}

TEST(ReferenceSeries, AMistypedFolderGetsNoSidcTree) {
  const test::TempFolder temp;
  temp.Write("sources/SN_d_hem_V2.0.csv", AuxFile("silso_hem_2000_2001.csv"));
  const ReferenceImport result =
      ImportReferenceSeries(temp.Path() / "dat", temp.Path() / "sources", kToday);
  ASSERT_TRUE(result.Error);
  EXPECT_NE(result.Error->find("neexistuje"), std::string::npos);
  EXPECT_TRUE(result.Written.empty());
  EXPECT_FALSE(fs::exists(temp.Path() / "dat"));
}

TEST(ReferenceSeries, TheSeriesAreWrittenAllOrNone) {
  const test::TempFolder temp;
  temp.Write("data/SIDC/dssn2000.dat", "old 2000");
  temp.Write("sources/SN_d_hem_V2.0.csv", AuxFile("silso_hem_2000_2001.csv"));
  // The last file of the set cannot be replaced: a folder stands under its name.
  fs::create_directories(temp.Path() / "data" / "SIDC" / "dssn2001.dat" / "blocked");
  const ReferenceImport result =
      ImportReferenceSeries(temp.Path() / "data", temp.Path() / "sources", kToday);
  ASSERT_TRUE(result.Error);
  EXPECT_NE(result.Error->find("dssn2001.dat"), std::string::npos);
  EXPECT_TRUE(result.Written.empty());
  EXPECT_EQ(temp.Read("data/SIDC/dssn2000.dat"), "old 2000");
  EXPECT_FALSE(fs::exists(temp.Path() / "data" / "SIDC" / "dssn1982.dat"));
  for (const auto& entry : fs::directory_iterator(temp.Path() / "data" / "SIDC"))
    EXPECT_EQ(entry.path().extension(), ".dat") << entry.path() << " left behind";
}

}  // namespace
}  // namespace ardeno
