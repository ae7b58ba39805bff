// SPDX-License-Identifier: GPL-3.0-or-later
// North-south asymmetry per month and per year: the formulas, the equal-hemispheres mark and how
// the grid and the text file show it, special records, the last period and the table bounds.
#include "core/groups/asymmetry.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/groups/asymmetry_grid.h"
#include "core/groups/group_records.h"
#include "support/temp_folder.h"

namespace ardeno {
namespace {

using test::DatabaseOf;

// A record whose results block holds g north/south and the given spot counts.
ObservationRecord Day(const std::string& date, int gN, int gS, int fN = 0, int fS = 0) {
  ObservationRecord record;
  record.SetDate(date);
  record.SetResultWord(kGroupsN, static_cast<std::uint16_t>(gN));
  record.SetResultWord(kGroupsS, static_cast<std::uint16_t>(gS));
  record.SetResultWord(kSpotsN, static_cast<std::uint16_t>(fN));
  record.SetResultWord(kSpotsS, static_cast<std::uint16_t>(fS));
  return record;
}

TEST(Asymmetry, FinishedMonthGetsPercentageAndDifferencePerRecordWithTheOffset) {
  const Database db = DatabaseOf(
      {Day("01.03.2001", 3, 1, 10, 10), Day("02.03.2001", 1, 0, 5, 1), Day("05.04.2001", 1, 1)});
  const AsymmetryTables t = ComputeAsymmetry(db);
  ASSERT_EQ(t.MonthAsym.size(), 2u);
  const AsymmetryRow& march = t.MonthAsym[0];
  EXPECT_FLOAT_EQ(AsymmetryP(march, 0), static_cast<float>((4 - 1 + 0.0001) * 100 / 5));
  EXPECT_FLOAT_EQ(AsymmetryD(march, 0), static_cast<float>((4 - 1 + 0.0001) / 2));
  EXPECT_FLOAT_EQ(AsymmetryP(march, 1), static_cast<float>((15 - 11 + 0.0001) * 100 / 26));
  EXPECT_EQ(AsymmetryCount(march), 2);
  // R, CV, ... are 0 in both hemispheres: N = S gives the mark.
  EXPECT_EQ(AsymmetryP(march, 2), kEqualHemispheresMark);
  EXPECT_EQ(AsymmetryD(march, 7), kEqualHemispheresMark);
  // The month of the last record keeps only its count.
  EXPECT_EQ(AsymmetryCount(t.MonthAsym[1]), 1);
  EXPECT_EQ(AsymmetryP(t.MonthAsym[1], 0), 0.0f);
  EXPECT_EQ(AsymmetryD(t.MonthAsym[1], 0), 0.0f);
}

TEST(Asymmetry, FinishedYearsHaveNoOffsetAndNoMarkTheLastYearHasBoth) {
  const Database db = DatabaseOf({Day("01.03.2001", 3, 1), Day("02.03.2001", 2, 2, 1, 1),
                                  Day("05.04.2002", 4, 1), Day("06.04.2002", 0, 3, 2, 2)});
  const AsymmetryTables t = ComputeAsymmetry(db);
  ASSERT_EQ(t.YearAsym.size(), 2u);
  EXPECT_FLOAT_EQ(AsymmetryP(t.YearAsym[0], 0), static_cast<float>((5 - 3) * 100.0 / 8));
  EXPECT_FLOAT_EQ(AsymmetryD(t.YearAsym[0], 0), 1.0f);
  EXPECT_EQ(AsymmetryP(t.YearAsym[0], 1), 0.0f);  // f north = south: plain 0 in a finished year
  EXPECT_EQ(AsymmetryP(t.YearAsym[1], 0), kEqualHemispheresMark);  // g N = S in the last year
  EXPECT_EQ(AsymmetryD(t.YearAsym[1], 1), kEqualHemispheresMark);
}

TEST(Asymmetry, SpecialRecordsAreLeftOutAndEmptyMonthsStayEmpty) {
  ObservationRecord special = Day("15.04.2001", 9, 0);
  special.SetKind("zvlášťní");
  const Database db = DatabaseOf(
      {Day("01.03.2001", 2, 1), special, Day("03.05.2001", 1, 1), Day("03.06.2001", 1, 1)});
  const AsymmetryTables t = ComputeAsymmetry(db);
  ASSERT_EQ(t.MonthAsym.size(), 4u);
  EXPECT_EQ(AsymmetryCount(t.MonthAsym[1]), 0);
  EXPECT_EQ(AsymmetryP(t.MonthAsym[1], 0), 0.0f);
  const TextGrid grid = AsymmetryGrid(t, AsymmetryPeriod::Monthly);
  ASSERT_EQ(grid.RowCount(), 5);
  for (int c = 0; c < grid.ColumnCount(); ++c) EXPECT_EQ(grid.Cell(2, c), "");
  EXPECT_EQ(grid.Cell(1, 0), "   03 . 2001");
  EXPECT_EQ(grid.Cell(3, 0), "   05 . 2001");
  EXPECT_EQ(grid.Cell(0, 17), "p.zákre");
  EXPECT_EQ(grid.Cell(0, 1), "g  P");
  EXPECT_EQ(grid.Cell(0, 2), "g  R");
}

struct MarkCase {
  std::string Name;
  AsymmetryPeriod Period;
  std::vector<ObservationRecord> Records;
  int Row;
  std::string GP, FP;  // cells of g P (column 1) and f P (column 3)
};

class EqualHemispheresMark : public ::testing::TestWithParam<MarkCase> {};

TEST_P(EqualHemispheresMark, IsShownAsTheViewSays) {
  const MarkCase& c = GetParam();
  const TextGrid grid = AsymmetryGrid(ComputeAsymmetry(DatabaseOf(c.Records)), c.Period);
  ASSERT_GT(grid.RowCount(), c.Row);
  EXPECT_EQ(grid.Cell(c.Row, 1), c.GP);
  EXPECT_EQ(grid.Cell(c.Row, 3), c.FP);
}

INSTANTIATE_TEST_SUITE_P(
    Views, EqualHemispheresMark,
    ::testing::Values(MarkCase{"MonthBesideOtherValuesShowsZero",
                               AsymmetryPeriod::Monthly,
                               {Day("01.03.2001", 2, 2, 5, 1), Day("01.04.2001", 0, 0)},
                               1,
                               "0.0",
                               "66.7"},
                      MarkCase{"MonthWithOnlyMarksShowsNothing",
                               AsymmetryPeriod::Monthly,
                               {Day("01.03.2001", 2, 2, 3, 3), Day("01.04.2001", 0, 0)},
                               1,
                               "",
                               ""},
                      MarkCase{"LastYearShowsRov",
                               AsymmetryPeriod::Yearly,
                               {Day("01.03.2001", 2, 2, 5, 1)},
                               1,
                               "rov",
                               "66.7"},
                      MarkCase{"FinishedYearShowsNothing",
                               AsymmetryPeriod::Yearly,
                               {Day("01.03.2001", 2, 2, 5, 1), Day("01.03.2002", 1, 0)},
                               1,
                               "",
                               "66.7"},
                      MarkCase{"NegativeAsymmetry",
                               AsymmetryPeriod::Yearly,
                               {Day("01.03.2001", 1, 3, 0, 4), Day("01.03.2002", 1, 0)},
                               1,
                               "-50.0",
                               "-100.0"}),
    [](const auto& info) { return info.param.Name; });

TEST(Asymmetry, TextFileHasTheLabelInTenAndEachColumnInSevenCharacters) {
  const Database db = DatabaseOf({Day("01.03.2001", 3, 1), Day("01.04.2001", 1, 1)});
  const AsymmetryTables t = ComputeAsymmetry(db);
  const test::TempFolder folder;
  const std::filesystem::path& dir = folder.Path();
  ASSERT_TRUE(Succeeded(WriteAsymmetryFile(dir, t, AsymmetryPeriod::Monthly)));
  std::ifstream in(dir / "Polohy-skupin" / "asimemes.dat", std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  // March: g P 50.0, g R 2.0, then the marks of the other quantities as "0.0"; the count 1.
  std::string march = " 03 . 2001   50.0    2.0";
  for (int c = 3; c <= 16; ++c) march += "    0.0";
  march += "      1\r\n";
  // April, the last month: only its count.
  const std::string april = " 04 . 2001" + std::string(16 * 7, ' ') + "      1\r\n";
  EXPECT_EQ(bytes.str(), march + april);
}

// The tables grow with the data: two and a half centuries are counted to the last month, and
// only a record before record 1's month (an unsorted file) is left out and counted.
TEST(Asymmetry, PeriodsOfAnyLengthAreCountedAndOnlyEarlierOnesLeftOut) {
  const Database db = DatabaseOf({Day("01.03.1900", 1, 0), Day("01.03.2001", 1, 0),
                                  Day("01.03.2150", 1, 0), Day("01.01.1900", 1, 0)});
  const AsymmetryTables t = ComputeAsymmetry(db);
  ASSERT_EQ(t.MonthAsym.size(), 12u * 250 + 1);
  EXPECT_EQ(AsymmetryCount(t.MonthAsym.back()), 1);
  EXPECT_EQ(t.LeftOutMonths.Count, 1);
  ASSERT_EQ(t.YearAsym.size(), 2150u - 1900 + 1);
  EXPECT_EQ(AsymmetryCount(t.YearAsym.back()), 1);
  EXPECT_EQ(t.LeftOutYears.Count, 0);  // 1900 is record 1's year
  EXPECT_NE(t.LeftOutMonths.Message().find("(1)"), std::string::npos);
}

}  // namespace
}  // namespace ardeno
