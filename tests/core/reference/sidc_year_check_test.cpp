// SPDX-License-Identifier: GPL-3.0-or-later
// SIDC year files as they are found: published ones read, damaged ones (random bytes, another
// file under the name, one line overwritten) are named and left out, by the k-factors as by the
// start-up table.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/data/sidc_files.h"
#include "core/reference/k_factors.h"
#include "core/reference/reference_series.h"
#include "core/text/dates.h"
#include "support/temp_folder.h"

namespace ardeno {
namespace {

using test::TempFolder;

// A whole year of published numbers in the program's layout.
std::string PublishedYear(int year) {
  DailySeries published;
  const std::int64_t first = DaySerial({year, 1, 1});
  for (int d = 0; d < 365; ++d)
    published[first + d] = {40.0 + d % 90, 20.0 + d % 40,
                            d % 3 == 0 ? std::nullopt : std::optional(7.0)};
  return SidcYearFileText(year, published);
}

std::string RandomBytes(std::size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
  return bytes;
}

std::string OneLineOverwritten(int year) {
  std::string text = PublishedYear(year);
  const std::size_t line = text.size() / 365;
  text.replace(99 * line + 15, 12, "\x01\xfe garbage!\x7f");
  return text;
}

// The first half of a year, cut off in the middle of a line, as an interrupted copy leaves it.
std::string CutOff(int year) {
  const std::string text = PublishedYear(year);
  return text.substr(0, text.size() / 2);
}

// One line a character short: the lines after it would all be misread by a fixed length.
std::string UnevenLine(int year) {
  std::string text = PublishedYear(year);
  text.erase(text.size() / 365 * 40 + 2, 1);
  return text;
}

// The published SILSO CSV saved under the year file's name.
std::string SilsoCsv(int year) {
  std::string text;
  for (int d = 1; d <= 365; ++d) {
    const CalendarDate date = DateFromSerial(DaySerial({year, 1, 1}) + d - 1);
    text += std::to_string(year) + ";" + std::to_string(date.Month) + ";" +
            std::to_string(date.Day) + ";" + std::to_string(year) + ".500;  45;  20;  25\r\n";
  }
  return text;
}

std::string OneValueYear() {
  std::string text;
  for (int d = 0; d < 365; ++d) text += "1990 01 01 1990.001  5\r\n";
  return text;
}

struct YearFileCase {
  std::string Name;
  std::string Bytes;
  int Year;
  std::string Problem;  // a piece of the text; empty when the file reads
};

class SidcYearCheckTest : public ::testing::TestWithParam<YearFileCase> {};

TEST_P(SidcYearCheckTest, NamesOnlyFilesThatAreNotADailySeries) {
  const auto problem = SidcYearProblem(GetParam().Bytes, GetParam().Year, "SIDC/dssn.dat");
  if (GetParam().Problem.empty()) {
    EXPECT_FALSE(problem) << *problem;
    return;
  }
  ASSERT_TRUE(problem);
  EXPECT_NE(problem->find("SIDC/dssn.dat"), std::string::npos) << *problem;
  EXPECT_NE(problem->find(GetParam().Problem), std::string::npos) << *problem;
}

INSTANTIATE_TEST_SUITE_P(
    Files, SidcYearCheckTest,
    ::testing::Values(
        YearFileCase{"Published", PublishedYear(2013), 2013, ""},
        YearFileCase{"OldOneValueLayout", OneValueYear(), 1990, ""},
        YearFileCase{"EmptyFile", "", 2013, "nemá očekávaný tvar"},
        YearFileCase{"OnlyBlanks", std::string(365 * 32, ' '), 2013, "nemá očekávaný tvar"},
        YearFileCase{"RandomBytes", RandomBytes(365 * 32, 7), 2013, "v řádku 1 jsou"},
        YearFileCase{"OneLineOverwritten", OneLineOverwritten(2013), 2013, "v řádku 100 jsou"},
        YearFileCase{"SilsoCsvUnderTheName", SilsoCsv(2013), 2013, "jiného druhu"},
        YearFileCase{"CutOffHalf", CutOff(2013), 2013, "má 183 řádků místo 365"},
        YearFileCase{"CommonYearUnderALeapYearsName", PublishedYear(2013), 2012,
                     "má 365 řádků místo 366"},
        YearFileCase{"UnevenLine", UnevenLine(2013), 2013, "řádek 41 má 29 znaků, řádek 1 má 30"},
        YearFileCase{"LastLineWithoutBreakAndBlankLinesAfter",
                     PublishedYear(2013).substr(0, PublishedYear(2013).size() - 2), 2013, ""},
        YearFileCase{"BlankLinesAtTheEnd", PublishedYear(2013) + "\r\n\r\n", 2013, ""}),
    [](const auto& info) { return info.param.Name; });

TEST(SidcYearCheck, KFactorsLeaveADamagedYearOutAndNameIt) {
  TempFolder folder;
  folder.Write("SIDC/dssn2013.dat", PublishedYear(2013));
  folder.Write("SIDC/dssn2014.dat", RandomBytes(365 * 32, 11));
  std::vector<std::string> messages;
  const ReferenceNumbers numbers = ReadReferenceNumbers(folder.Path(), messages);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("SIDC/dssn2014.dat"), std::string::npos) << messages[0];
  EXPECT_EQ(numbers.size(), 365u);
  EXPECT_EQ(numbers.count(DaySerial({2014, 6, 1})), 0u);
  EXPECT_EQ(numbers.at(DaySerial({2013, 1, 2})).Total, 41);
}

TEST(SidcYearCheck, KFactorsLeaveACutOffYearOut) {
  TempFolder folder;
  folder.Write("SIDC/dssn2013.dat", PublishedYear(2013));
  folder.Write("SIDC/dssn2014.dat", CutOff(2014));
  std::vector<std::string> messages;
  const ReferenceNumbers numbers = ReadReferenceNumbers(folder.Path(), messages);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("SIDC/dssn2014.dat"), std::string::npos) << messages[0];
  EXPECT_EQ(numbers.size(), 365u) << "no day of the cut-off year is used";
}

TEST(SidcYearCheck, TheStartUpTableKeepsADamagedYearsPlaceEmpty) {
  TempFolder folder;
  folder.Write("SIDC/dssn1982.dat", RandomBytes(365 * 32, 3));
  folder.Write("SIDC/dssn1983.dat", PublishedYear(1983));
  const SidcDailyTable table = ReadSidcDaily(folder.Path(), 1983);
  ASSERT_EQ(table.Messages.size(), 1u);
  EXPECT_NE(table.Messages[0].find("SIDC/dssn1982.dat"), std::string::npos);
  EXPECT_EQ(table.YearsFound, 2);
  ASSERT_EQ(table.DaysFilled, 730);
  for (int d = 0; d < 365; ++d) EXPECT_EQ(table.Cells[3 * d], kSidcNoValue) << d;
  EXPECT_EQ(table.Cells[3 * 366], 41) << "1983 stays on its own days";
}

}  // namespace
}  // namespace ardeno
