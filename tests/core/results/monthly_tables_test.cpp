// SPDX-License-Identifier: GPL-3.0-or-later
// The measured and smoothed monthly tables, cell for cell as the grid shows them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/data/database_ops.h"
#include "core/results/measured_table.h"
#include "core/results/monthly_csv.h"
#include "core/results/results_records.h"
#include "core/results/smoothed_table.h"
#include "core/text/dates.h"
#include "core/text/number_format.h"
#include "support/temp_folder.h"

namespace ardeno {
namespace {

using test::DatabaseBuilder;
using test::DayValues;
using test::Marker;
using test::Normal;

DayValues Special(Marker marker, std::uint16_t gNorth, std::uint16_t gSouth) {
  DayValues v = Normal(gNorth, gSouth, 300, 200);
  v.Special = true;
  v.FirstGroup = marker;
  v.Central = {1, 0, 0, 0};
  return v;
}

// Two special records without markers in January; a normal and a north-marked special record in
// February; nothing in March and April; one normal record in May.
Database MixedMonths() {
  DayValues normal = Normal(2, 1, 120, 40);
  normal.Central = {1, 4, 14, 6};
  normal.Quality = {2, 3, 1};
  return DatabaseBuilder()
      .Add("10.01.2001", Special(Marker::None, 2, 1))
      .Add("11.01.2001", Special(Marker::None, 2, 1))
      .Add("01.02.2001", normal)
      .Add("02.02.2001", Special(Marker::North, 4, 0))
      .Add("31.03.2001", Normal(0, 0))
      .Add("02.05.2001", Normal(1, 1, 7, 0))
      .Build();
}

struct MeasuredCase {
  const char* Name;
  Hemisphere Side;
  int Row;
  std::vector<std::string> Cells;  // columns 1..15
};

class MeasuredTableTest : public ::testing::TestWithParam<MeasuredCase> {};

TEST_P(MeasuredTableTest, CellsOfTheMonthRow) {
  const MeasuredCase& c = GetParam();
  const MonthlyTable table = BuildMeasuredTable(CollectMonths(MixedMonths()), c.Side);
  ASSERT_GT(table.RowCount(), c.Row);
  std::vector<std::string> cells;
  for (int col = 1; col < kMeasuredColumns; ++col) cells.push_back(table.Cell(c.Row, col));
  EXPECT_EQ(cells, c.Cells);
}

const std::vector<std::string> kEmptyRow(15, "");

INSTANTIATE_TEST_SUITE_P(
    Months, MeasuredTableTest,
    ::testing::Values(
        // Only special records without markers: whole disk over all records, hemispheres 0
        // divided by 1, no areas; the header columns over all records.
        MeasuredCase{"SpecialOnlyWhole",
                     Hemisphere::Whole,
                     1,
                     {" 3.00", " 6.00", "36.00", " 0.00", " 0.00", " 0.00", " 0.00", " 0.00",
                      "  1.0", "  0.0", "  0.0", "  0.0", "  0.0", "  0.0", "  0.0"}},
        MeasuredCase{"SpecialOnlyNorth",
                     Hemisphere::North,
                     1,
                     {" 0.00", " 0.00", " 0.00", " 0.00", " 0.00", " 0.00", " 0.00", " 0.00", "",
                      "", "", "", "", "", ""}},
        // The north-marked special record adds its N values and counts in both hemisphere
        // divisors, but the areas divide by the one normal record.
        MeasuredCase{"NorthMarkerWhole",
                     Hemisphere::Whole,
                     2,
                     {" 3.50", " 7.00", "42.00", " 0.00", " 0.00", " 0.00", "160.00", "160.00",
                      "  1.0", "  2.0", "  7.0", "  3.0", "  1.0", "  1.5", "  0.5"}},
        MeasuredCase{"NorthMarkerNorth",
                     Hemisphere::North,
                     2,
                     {" 3.00", " 6.00", "36.00", " 0.00", " 0.00", " 0.00", "120.00", "120.00", "",
                      "", "", "", "", "", ""}},
        MeasuredCase{"NorthMarkerSouth",
                     Hemisphere::South,
                     2,
                     {" 0.50", " 1.00", " 6.00", " 0.00", " 0.00", " 0.00", "40.00", "40.00", "",
                      "", "", "", "", "", ""}},
        // 31 March and 2 May: April stays empty, May is treated like every other month.
        MeasuredCase{"EmptyApril", Hemisphere::Whole, 4, kEmptyRow},
        MeasuredCase{"LastMonth",
                     Hemisphere::Whole,
                     5,
                     {" 2.00", " 4.00", "24.00", " 0.00", " 0.00", " 0.00", " 7.00", " 7.00",
                      "  0.0", "  0.0", "  0.0", "  0.0", "  0.0", "  0.0", "  0.0"}},
        MeasuredCase{"RowAfterTheLastMonth", Hemisphere::North, 6, kEmptyRow}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(MeasuredTable, HeadersLabelsAndOneRowPastTheLastMonth) {
  const MonthlyTable table = BuildMeasuredTable(CollectMonths(MixedMonths()), Hemisphere::Whole);
  EXPECT_EQ(table.ColumnCount, 16);
  EXPECT_EQ(table.LastMonthRow, 5);
  ASSERT_EQ(table.RowCount(), 7);  // headers, January .. May, June
  EXPECT_EQ(table.Cell(0, 0), "");
  EXPECT_EQ(table.Cell(0, 1), "   g");
  EXPECT_EQ(table.Cell(0, 8), "   pol");
  EXPECT_EQ(table.Cell(0, 15), "   Q");
  EXPECT_EQ(table.Cell(1, 0), " 01.2001");
  EXPECT_EQ(table.Cell(4, 0), " 04.2001");
  EXPECT_EQ(table.Cell(6, 0), " 06.2001");
}

TEST(MeasuredTable, FindsTheRowOfAMonth) {
  const MonthlyTable table = BuildMeasuredTable(CollectMonths(MixedMonths()), Hemisphere::Whole);
  struct Case {
    int Year, Month, Row;
  };
  for (const Case& c : {Case{2001, 1, 1}, Case{2001, 4, 4}, Case{2001, 5, 5}, Case{2000, 12, 0},
                        Case{2002, 4, 0}, Case{2001, 0, 0}, Case{2001, 13, 0}})
    EXPECT_EQ(MonthlyTableRow(table, c.Year, c.Month), c.Row) << c.Year << "." << c.Month;
  EXPECT_EQ(
      MonthlyTableRow(BuildMeasuredTable(CollectMonths(Database{}), Hemisphere::Whole), 2001, 1),
      0);
}

TEST(MeasuredTable, EmptyDatabaseHasTheHeaderRowOnly) {
  const MonthlyTable table = BuildMeasuredTable(CollectMonths(Database{}), Hemisphere::Whole);
  EXPECT_EQ(table.RowCount(), 1);
  EXPECT_EQ(table.LastMonthRow, 0);
}

// One record per month from January 2000 with g = north g of `gPerMonth[i]`.
Database MonthlyRecords(const std::vector<std::uint16_t>& gPerMonth) {
  DatabaseBuilder builder;
  for (std::size_t i = 0; i < gPerMonth.size(); ++i) {
    const int month = static_cast<int>(i % 12) + 1;
    const int year = 2000 + static_cast<int>(i / 12);
    builder.Add(FormatDate({year, month, 15}), Normal(gPerMonth[i], 0));
  }
  return builder.Build();
}

TEST(SmoothedTable, FourteenMonthsShowExactlyRowSeven) {
  std::vector<std::uint16_t> g(14, 1);
  g[13] = 90;  // the last month is not complete and must not count
  const MonthlyTable table =
      BuildSmoothedTable(CollectMonths(MonthlyRecords(g)), Hemisphere::Whole);
  ASSERT_EQ(table.RowCount(), 16);
  EXPECT_EQ(table.ColumnCount, 9);
  for (int row = 1; row < table.RowCount(); ++row) {
    EXPECT_EQ(table.Cell(row, 1), row == 7 ? "1.00" : "") << "row " << row;
  }
  EXPECT_EQ(table.Cell(7, 3), "12.00");  // R = 12 g
  EXPECT_EQ(table.Cell(7, 7), "0.00");
  EXPECT_EQ(table.Cell(0, 8), "   pol");
}

TEST(SmoothedTable, EndMonthsHaveHalfWeightAndAGapEntersAsZero) {
  // Months 1..13 centred on 7: month 1 holds 24, all others 0 -> 24 x 10 / 240 = 1.0.
  std::vector<std::uint16_t> g(15, 0);
  g[0] = 24;
  Database db = MonthlyRecords(g);
  const MonthlyTable first = BuildSmoothedTable(CollectMonths(db), Hemisphere::North);
  EXPECT_EQ(first.Cell(7, 1), "1.00");
  EXPECT_EQ(first.Cell(8, 1), "0.00");
  // A month inside the window gets full weight: month 2 of 24 -> 2.0 at row 7, 1.0 at row 8.
  g[0] = 0;
  g[1] = 24;
  const MonthlyTable second =
      BuildSmoothedTable(CollectMonths(MonthlyRecords(g)), Hemisphere::Whole);
  EXPECT_EQ(second.Cell(7, 1), "2.00");
  EXPECT_EQ(second.Cell(8, 1), "1.00");
}

// Sixteen months from January 2000 with g = 6 a day, two records a month, except the months
// (1-based rows) in `Missing`, which have no record at all.
struct GapCase {
  const char* Name;
  std::vector<int> Missing;
  std::vector<std::string> Rows7To9;  // column g of the rows shown, 7..L - 7 = 9
};

class SmoothedGapTest : public ::testing::TestWithParam<GapCase> {};

TEST_P(SmoothedGapTest, MonthWithoutRecordsIsMissingNotZero) {
  const GapCase& c = GetParam();
  DatabaseBuilder builder;
  for (int row = 1; row <= 16; ++row) {
    if (std::find(c.Missing.begin(), c.Missing.end(), row) != c.Missing.end()) continue;
    const int year = 2000 + (row - 1) / 12;
    const int month = (row - 1) % 12 + 1;
    builder.Add(FormatDate({year, month, 3}), Normal(6, 0))
        .Add(FormatDate({year, month, 4}), Normal(6, 0));
  }
  const MonthlyTable table = BuildSmoothedTable(CollectMonths(builder.Build()), Hemisphere::Whole);
  ASSERT_EQ(table.LastMonthRow, 16);
  std::vector<std::string> cells;
  for (int row = 7; row <= 9; ++row) cells.push_back(table.Cell(row, 1));
  EXPECT_EQ(cells, c.Rows7To9);
  EXPECT_EQ(table.Cell(10, 1), "") << "the last six months and the last month stay empty";
  // The CSV of the table shows an empty value as an empty cell.
  const std::string csv = MonthlyCsvText(table, Hemisphere::Whole);
  const std::string row7 = " 07.2000;" + c.Rows7To9[0] + ";";
  EXPECT_NE(csv.find("\r\n" + row7), std::string::npos) << csv;
}

INSTANTIATE_TEST_SUITE_P(
    Gaps, SmoothedGapTest,
    ::testing::Values(
        // No gap: the values as they have always been.
        GapCase{"NoGap", {}, {"6.00", "6.00", "6.00"}},
        // Month 2 inside the window of row 7 (weight 2), at the start of row 8's window
        // (weight 1): the other months keep their weights. Was 5.50 and 5.75.
        GapCase{"OneInnerMonth", {2}, {"6.00", "6.00", "6.00"}},
        // Months 2 and 5 both in the windows of rows 7 and 8, only month 5 in that of row 9.
        GapCase{"TwoMonthsInAWindow", {2, 5}, {"", "", "6.00"}},
        // Month 15 lies at the end of row 9's window only (weight 1). Was 5.75.
        GapCase{"LateMonth", {15}, {"6.00", "6.00", "6.00"}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(SmoothedTable, MissingMonthRenormalisesUnequalValues) {
  // g = 1 in every month but month 1 (g = 25): row 7 is (25 + 2 x 11 + 1) / 24 = 2.00 without a
  // gap; without month 2 (weight 2) it is (25 + 2 x 10 + 1) / 22 = 2.09.
  std::vector<std::uint16_t> g(15, 1);
  g[0] = 25;
  EXPECT_EQ(BuildSmoothedTable(CollectMonths(MonthlyRecords(g)), Hemisphere::Whole).Cell(7, 1),
            "2.00");
  Database db = MonthlyRecords(g);
  // Move February's record into March: February has no record, March two.
  db.Record(2).SetDate("16.03.2000");
  SortRecords(db);
  const MonthlyTable table = BuildSmoothedTable(CollectMonths(db), Hemisphere::Whole);
  // March now holds g 1 twice: its mean stays 1.
  EXPECT_EQ(table.Cell(7, 1), FormatFloat("0.00", (25.0f + 20.0f + 1.0f) / 22.0f));
  EXPECT_EQ(table.Cell(7, 1), "2.09");
}

TEST(SmoothedTable, FewerThanFourteenRecordsDrawNoValues) {
  // 13 records spread over 25 months.
  DatabaseBuilder builder;
  for (int i = 0; i < 13; ++i)
    builder.Add(FormatDate({2000 + (2 * i) / 12, (2 * i) % 12 + 1, 1}), Normal(5, 5));
  const MonthlyTable table = BuildSmoothedTable(CollectMonths(builder.Build()), Hemisphere::Whole);
  // Nothing is drawn: the headers alone, no month labels with empty cells.
  EXPECT_EQ(table.RowCount(), 1);
  EXPECT_EQ(table.LastMonthRow, 0);
  // Its CSV is refused and leaves no file.
  const test::TempFolder folder;
  const auto refusal =
      WriteMonthlyCsv(folder.Path(), table, MonthlyTableKind::Smoothed, Hemisphere::Whole);
  ASSERT_TRUE(refusal.has_value());
  EXPECT_EQ(std::string(*refusal), kEmptyTableMessage);
  EXPECT_FALSE(std::filesystem::exists(
      MonthlyCsvPath(folder.Path(), MonthlyTableKind::Smoothed, Hemisphere::Whole)));
}

struct ResolutionCase {
  const char* Name;
  Quantity Which;
  int Records;
  std::uint16_t SumPerFirstRecord;  // the month's sum, all on its first record
  std::uint32_t Stored;
  float Contribution;  // the running mean of a buffer holding this word in all 13 months
};

class SmoothResolutionTest : public ::testing::TestWithParam<ResolutionCase> {};

TEST_P(SmoothResolutionTest, StoredTruncatedAndNotWrapped) {
  const ResolutionCase& c = GetParam();
  DatabaseBuilder builder;
  for (int day = 1; day <= c.Records; ++day) {
    DayValues v;
    if (day == 1) v.North[static_cast<std::size_t>(c.Which)] = c.SumPerFirstRecord;
    builder.Add(FormatDate({2003, 1, day}), v);
  }
  const SmoothBuffer buffer = FillSmoothBuffer(CollectMonths(builder.Build()), Hemisphere::North);
  ASSERT_EQ(buffer.LastRow(), 1);
  EXPECT_EQ(buffer.Rows[1][static_cast<std::size_t>(c.Which)], c.Stored);

  SmoothBuffer flat;
  flat.Rows.assign(15, {});
  flat.HasRecords.assign(15, true);
  for (auto& row : flat.Rows) row[static_cast<std::size_t>(c.Which)] = c.Stored;
  EXPECT_FLOAT_EQ(*SmoothedValue(flat, 7, c.Which), c.Contribution);
}

INSTANTIATE_TEST_SUITE_P(
    Means, SmoothResolutionTest,
    ::testing::Values(
        // Mean g 71 / 30 = 2.37 is kept as 23 and contributes 2.3.
        ResolutionCase{"MeanG237", Quantity::G, 30, 71, 23, 2.3f},
        // Mean area 1003 / 10 = 100.3 is kept as 401 (scale 4) and contributes 100.25.
        ResolutionCase{"MeanArea1003", Quantity::Area, 10, 1003, 401, 100.25f},
        // Mean RB 29 / 3 = 9.67 with scale 4: 38.67 truncated to 38 -> 9.5.
        ResolutionCase{"MeanRBTruncated", Quantity::RB, 3, 29, 38, 9.5f},
        // A mean corrected area of 20000 is 80000: a 16-bit word would show 14464 / 4.
        ResolutionCase{"LargeAreaDoesNotWrap", Quantity::CorrectedArea, 1, 20000, 80000, 20000.0f}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(SmoothedSpan, FourHundredDaysAreEnough) {
  const auto span = [](const char* last) {
    return CheckSmoothedSpan(
        DatabaseBuilder().Add("01.01.2001", Normal(1, 1)).Add(last, Normal(1, 1)).Build());
  };
  EXPECT_EQ(span("04.02.2002"), kNotEnoughDataMessage);  // 399 days
  EXPECT_EQ(span("05.02.2002"), std::nullopt);           // 400 days
  EXPECT_EQ(CheckSmoothedSpan(Database{}), kNotEnoughDataMessage);
}

}  // namespace
}  // namespace ardeno
