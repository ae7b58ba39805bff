// SPDX-License-Identifier: GPL-3.0-or-later
// The smoothed and asymmetry graphs' data: the measured monthly means with months without records
// left empty, the 13-month smoothing, where it stops and how it bridges a missing month,
// per-record asymmetry and the picture names.
#include <gtest/gtest.h>

#include "core/graphs/asymmetry_bars.h"
#include "core/graphs/month_series.h"
#include "core/graphs/record_asymmetry.h"
#include "core/graphs/reference_months.h"
#include "core/graphs/smoothed_graph_layout.h"
#include "core/results/measured_table.h"
#include "core/results/results_records.h"
#include "core/text/number_format.h"
#include "graph_records.h"

namespace ardeno {
namespace {

using test::GraphDatabase;
using test::GraphRecord;

Database RDatabase(const std::vector<GraphRecord>& rows) {
  return GraphDatabase(rows, kRelativeN, kRelativeS);
}

constexpr std::nullopt_t kNone = std::nullopt;

TEST(MonthSeriesTest, MonthlyMeansWithMonthsWithoutRecordsLeftEmpty) {
  const Database db = RDatabase(
      {{"03.01.2004", 10, 0}, {"20.01.2004", 20, 5}, {"11.03.2004", 30, 0}, {"01.06.2004", 0, 60}});
  const MonthSeries s = BuildMonthSeries(CollectMonths(db), SmoothedIndex::R);
  EXPECT_EQ(s.FirstYear, 2004);
  EXPECT_EQ(s.FirstMonth, 1);
  EXPECT_EQ(s.ObservedMonths, 3);
  // January: north 30 / 2, south 5 / 2, total 35 / 2; March 30, 0, 30; June 0, 60, 60.
  // February, April and May have no record: no value, not a zero and not an invented one.
  EXPECT_EQ(s.North, (MonthlyValues{15.0, kNone, 30.0, kNone, kNone, 0.0}));
  EXPECT_EQ(s.South, (MonthlyValues{2.5, kNone, 0.0, kNone, kNone, 60.0}));
  EXPECT_EQ(s.Total, (MonthlyValues{17.5, kNone, 30.0, kNone, kNone, 60.0}));
  EXPECT_EQ(&s.Of(SmoothedView::South), &s.South);
  EXPECT_EQ(&s.Of(SmoothedView::Whole), &s.Total);
}

// A report from elsewhere (a special record) counts for the whole disk; without a hemisphere
// marker it is in neither the sum nor the divisor of a hemisphere, and never in those of the
// areas: a record is in both or in neither.
struct SpecialMonthCase {
  const char* Name;
  int NorthWord, SouthWord;
  SmoothedIndex Index;
  std::vector<GraphRecord> Rows;
  MonthlyValues Total, North, South;
};

class SpecialMonthTest : public ::testing::TestWithParam<SpecialMonthCase> {};

TEST_P(SpecialMonthTest, RecordInBothSumAndDivisorOrInNeither) {
  const SpecialMonthCase& c = GetParam();
  const MonthSeries s =
      BuildMonthSeries(CollectMonths(GraphDatabase(c.Rows, c.NorthWord, c.SouthWord)), c.Index);
  EXPECT_EQ(s.Total, c.Total);
  EXPECT_EQ(s.North, c.North);
  EXPECT_EQ(s.South, c.South);
}

INSTANTIATE_TEST_SUITE_P(
    Months, SpecialMonthTest,
    ::testing::Values(
        SpecialMonthCase{"RelativeNumber",
                         kRelativeN,
                         kRelativeS,
                         SmoothedIndex::R,
                         {{"01.07.2004", 10, 10}, {"02.07.2004", 30, 10, "zvlášťní"}},
                         {(20.0 + 40.0) / 2},
                         {10.0},
                         {10.0}},
        // Was drawn (100 + 0) / 2 = 50: half the measured area.
        SpecialMonthCase{"Area",
                         kAreaN,
                         kAreaS,
                         SmoothedIndex::Area,
                         {{"01.07.2004", 100, 60}, {"02.07.2004", 300, 0, "zvlášťní"}},
                         {160.0},
                         {100.0},
                         {60.0}},
        SpecialMonthCase{"CorrectedAreaOfSpecialRecordsOnly",
                         kHemisphereAreaN,
                         kHemisphereAreaS,
                         SmoothedIndex::HemisphereArea,
                         {{"01.07.2004", 100, 60, "zvlášťní"}, {"02.07.2004", 300, 0, "zvlášťní"}},
                         {kNone},
                         {kNone},
                         {kNone}}),
    [](const auto& info) { return std::string(info.param.Name); });

// The graph's monthly points are the results window's measured monthly values: every index,
// every hemisphere, every month of a database with special records with and without markers.
TEST(MonthSeriesTest, PointsAreTheMeasuredTableValues) {
  using test::DatabaseBuilder;
  using test::DayValues;
  using test::Marker;
  DayValues normal = test::Normal(2, 1, 120, 40);
  normal.North[3] = 17;
  normal.South[5] = 9;
  DayValues special = test::Normal(4, 3, 300, 200);
  special.Special = true;
  DayValues marked = special;
  marked.FirstGroup = Marker::South;
  const RecordMonths months = CollectMonths(DatabaseBuilder()
                                                .Add("10.01.2001", special)
                                                .Add("11.01.2001", normal)
                                                .Add("12.01.2001", normal)
                                                .Add("01.02.2001", marked)
                                                .Add("02.02.2001", normal)
                                                .Add("03.02.2001", special)
                                                .Add("02.04.2001", test::Normal(1, 1, 7, 0))
                                                .Build());
  const struct {
    Hemisphere Side;
    SmoothedView View;
  } sides[] = {{Hemisphere::Whole, SmoothedView::Whole},
               {Hemisphere::North, SmoothedView::North},
               {Hemisphere::South, SmoothedView::South}};
  for (const auto& side : sides) {
    const MonthlyTable table = BuildMeasuredTable(months, side.Side);
    for (const SmoothedIndexInfo& info : SmoothedIndexes()) {
      const MonthSeries series = BuildMonthSeries(months, info.Index);
      const MonthlyValues& values = series.Of(side.View);
      ASSERT_EQ(values.size(), 4u);
      for (int row = 1; row <= 4; ++row) {
        SCOPED_TRACE(std::string(info.Title) + " row " + std::to_string(row) + " side " +
                     std::to_string(static_cast<int>(side.Side)));
        const std::string& cell = table.Cell(row, static_cast<int>(info.Index));
        const std::optional<double>& value = values[static_cast<std::size_t>(row - 1)];
        if (cell.empty()) {
          EXPECT_FALSE(value.has_value());
        } else if (value) {
          EXPECT_EQ(FormatFixed(*value, 5, 2), cell);
        } else {
          EXPECT_EQ(cell, " 0.00") << "only a month without a counting record lacks a value";
        }
      }
    }
  }
}

TEST(MonthSeriesTest, RecordsWithoutDateAreLeftOut) {
  const MonthSeries s = BuildMonthSeries(
      CollectMonths(RDatabase({{"bad"}, {"05.05.2005", 4, 4}, {""}})), SmoothedIndex::R);
  EXPECT_EQ(s.SkippedRecords, 2);
  EXPECT_EQ(s.FirstYear, 2005);
  EXPECT_EQ(s.FirstMonth, 5);
  EXPECT_EQ(s.Total, (MonthlyValues{8.0}));
  EXPECT_EQ(BuildMonthSeries(CollectMonths(RDatabase({{"bad"}})), SmoothedIndex::R).Count(), 0);
}

struct SmoothCase {
  const char* Name;
  int Months;
  int FirstSmoothed;  // -1: none
  int LastSmoothed;
};

class SmoothedRangeTest : public ::testing::TestWithParam<SmoothCase> {};

TEST_P(SmoothedRangeTest, FromTheSeventhMonthToTheSeventhBeforeTheEnd) {
  const SmoothCase& c = GetParam();
  const MonthlyValues values(static_cast<std::size_t>(c.Months), 10.0);
  int first = -1;
  int last = -1;
  for (int i = 0; i < c.Months; ++i) {
    const std::optional<double> mean = SmoothedMean(values, i);
    if (!mean) continue;
    EXPECT_DOUBLE_EQ(*mean, 10.0);
    if (first < 0) first = i;
    last = i;
  }
  EXPECT_EQ(first, c.FirstSmoothed);
  EXPECT_EQ(last, c.LastSmoothed);
}

INSTANTIATE_TEST_SUITE_P(Lengths, SmoothedRangeTest,
                         ::testing::Values(SmoothCase{"NoMonths", 0, -1, -1},
                                           SmoothCase{"TwelveMonthsNoCurve", 12, -1, -1},
                                           SmoothCase{"ThirteenMonthsOnePoint", 13, 6, 6},
                                           SmoothCase{"TwoYears", 24, 6, 17}),
                         [](const auto& info) { return std::string(info.param.Name); });

// Thirteen months 0..12 around centre 6; values 100 at the start (weight 1), 10 next to it
// (weight 2), 1000 at the end (weight 1), 0 elsewhere; `missing` months have no value.
struct MissingMonthCase {
  const char* Name;
  std::vector<int> Missing;
  std::optional<double> Mean;
};

class SmoothedMissingTest : public ::testing::TestWithParam<MissingMonthCase> {};

TEST_P(SmoothedMissingTest, MonthsPresentKeepTheirWeights) {
  MonthlyValues values(13, 0.0);
  values[0] = 100.0;
  values[1] = 10.0;
  values[12] = 1000.0;
  for (const int m : GetParam().Missing) values[static_cast<std::size_t>(m)] = std::nullopt;
  const std::optional<double> mean = SmoothedMean(values, 6);
  ASSERT_EQ(mean.has_value(), GetParam().Mean.has_value());
  if (mean) EXPECT_DOUBLE_EQ(*mean, *GetParam().Mean);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, SmoothedMissingTest,
    ::testing::Values(MissingMonthCase{"NoneMissingHalfWeightsAtBothEnds", {}, 1120.0 / 24},
                      MissingMonthCase{"InnerMonthMissing", {1}, 1100.0 / 22},
                      MissingMonthCase{"OtherInnerMonthMissing", {6}, 1120.0 / 22},
                      MissingMonthCase{"EndMonthMissing", {12}, 120.0 / 23},
                      MissingMonthCase{"TwoMissing", {3, 9}, std::nullopt},
                      MissingMonthCase{"BothEndsMissing", {0, 12}, std::nullopt}),
    [](const auto& info) { return std::string(info.param.Name); });

struct AsymmetryCase {
  const char* Name;
  int North, South;
  AsymmetryKind Kind;
  int Value;
};

class AsymmetryValueTest : public ::testing::TestWithParam<AsymmetryCase> {};

TEST_P(AsymmetryValueTest, Value) {
  const AsymmetryCase& c = GetParam();
  EXPECT_EQ(AsymmetryValue(c.North, c.South, c.Kind), c.Value);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, AsymmetryValueTest,
    ::testing::Values(AsymmetryCase{"RatioOfEmptyDayIsZero", 0, 0, AsymmetryKind::Ratio, 0},
                      AsymmetryCase{"RatioAllNorth", 40, 0, AsymmetryKind::Ratio, 100},
                      AsymmetryCase{"RatioTruncatedTowardZero", 10, 20, AsymmetryKind::Ratio, -33},
                      AsymmetryCase{"Difference", 10, 25, AsymmetryKind::Difference, -15},
                      AsymmetryCase{"DifferenceOfEmptyDay", 0, 0, AsymmetryKind::Difference, 0}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(RecordAsymmetryTest, DaysFromTheFirstRecordSpecialRecordsLeftOut) {
  const Database db = RDatabase({{"15.01.2004", 30, 10},
                                 {"16.01.2004", 0, 0},
                                 {"17.01.2004", 50, 0, "zvlášťní"},
                                 {"bad"},
                                 {"15.02.2004", 10, 30}});
  const RecordAsymmetry a = BuildRecordAsymmetry(db, SmoothedIndex::R, AsymmetryKind::Ratio);
  EXPECT_EQ(a.Day, (std::vector<int>{15, 16, 46}));
  EXPECT_EQ(a.Value, (std::vector<int>{50, 0, -50}));
  EXPECT_EQ(a.SkippedRecords, 1);
}

struct SaveNameCase {
  const char* Name;
  SmoothedIndex Index;
  bool Asymmetry;
  AsymmetryDiagram Diagram;
  AsymmetryKind Kind;
  const char* Expected;
};

class SaveNameTest : public ::testing::TestWithParam<SaveNameCase> {};

TEST_P(SaveNameTest, Name) {
  const SaveNameCase& c = GetParam();
  EXPECT_EQ(SmoothedSaveName(c.Index, c.Asymmetry, c.Diagram, c.Kind), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, SaveNameTest,
    ::testing::Values(SaveNameCase{"SmoothedG", SmoothedIndex::G, false, AsymmetryDiagram::Monthly,
                                   AsymmetryKind::Ratio, "Vyhl_g"},
                      SaveNameCase{"SmoothedHemisphere", SmoothedIndex::HemisphereArea, false,
                                   AsymmetryDiagram::Yearly, AsymmetryKind::Difference,
                                   "Vyhl_Polo"},
                      SaveNameCase{"PerRecordRatio", SmoothedIndex::R, true,
                                   AsymmetryDiagram::PerRecord, AsymmetryKind::Ratio, "Asy_r_Z_P"},
                      SaveNameCase{"YearlyDifference", SmoothedIndex::HemisphereArea, true,
                                   AsymmetryDiagram::Yearly, AsymmetryKind::Difference,
                                   "Asy_Polo_R_R"}),
    [](const auto& info) { return std::string(info.param.Name); });

// One grid row is one unit of the index: a monthly or smoothed mean of 40 stands one row above
// the zero line.
TEST(SmoothedLayoutTest, OneUnitIsOneRow) {
  const SmoothedLayout layout = SmoothedLayoutFor(440, 1);
  EXPECT_EQ(layout.PlotHeight, 400);
  EXPECT_EQ(layout.GridY(1), 360);
  EXPECT_EQ(layout.ValueY(40, 40), 360);
  EXPECT_EQ(layout.ValueY(400, 40), layout.GridY(10));
  EXPECT_EQ(layout.ValueY(0, 40), 400);
  EXPECT_EQ(layout.MonthX(13), 13 * 30 + 30);
}

struct CompressionCase {
  const char* Name;
  int Compression, MonthWidth;
  bool ShortYears;
};

class SmoothedCompressionTest : public ::testing::TestWithParam<CompressionCase> {};

TEST_P(SmoothedCompressionTest, MonthWidth) {
  const SmoothedLayout layout = SmoothedLayoutFor(500, GetParam().Compression);
  EXPECT_EQ(layout.MonthWidth, GetParam().MonthWidth);
  EXPECT_EQ(layout.ShortYears(), GetParam().ShortYears);
}

INSTANTIATE_TEST_SUITE_P(Compressions, SmoothedCompressionTest,
                         ::testing::Values(CompressionCase{"DayPerPixel", 1, 30, false},
                                           CompressionCase{"Eight", 8, 3, false},
                                           CompressionCase{"Sixteen", 16, 1, true},
                                           CompressionCase{"BeyondSixteen", 64, 1, true}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(AsymmetryLayoutTest, FiveRowsEachSideOfTheMiddle) {
  const AsymmetryLayout layout = AsymmetryLayoutFor(600, 2);
  EXPECT_EQ(layout.ZeroY, 300);
  EXPECT_EQ(layout.RowHeight, 50);
  EXPECT_EQ(layout.BarHeight(100, kRatioUnit), 250);  // all north: five rows up
  EXPECT_EQ(layout.BarHeight(-20, kRatioUnit), -50);
  EXPECT_EQ(layout.DayX(46), 50 + 23);
  EXPECT_EQ(layout.MonthLabelStep(), 1);
  EXPECT_EQ(AsymmetryLayoutFor(600, 8).MonthLabelStep(), 3);
  EXPECT_EQ(AsymmetryLayoutFor(600, 16).MonthLabelStep(), 0);
}

TEST(AsymmetryAxisTest, MonthStartsWithTheLeapDay) {
  const std::vector<AxisMonth> leap = AsymmetryAxisMonths(2004, 2, 62);
  ASSERT_EQ(leap.size(), 3u);
  EXPECT_EQ(leap[1].Day, 1 + 29);
  EXPECT_EQ(leap[2].Day, 1 + 29 + 31);
  EXPECT_EQ(leap[2].Month, 4);
  const std::vector<AxisMonth> common = AsymmetryAxisMonths(2003, 12, 70);
  EXPECT_EQ(common[1].Year, 2004);
  EXPECT_EQ(common[1].Month, 1);
  EXPECT_EQ(common[2].Day, 1 + 31 + 31);
}

}  // namespace
}  // namespace ardeno

namespace ardeno {
namespace {

// Two months of official numbers from 1.12.2003 (table day 0 = 1.1.2003): December's mean 10,
// January 2004's 31 days of 20 and 40 alternating.
TEST(SidcMonthMeansTest, MeansOnTheSeriesMonths) {
  SidcDailyTable table;
  const int december = static_cast<int>(DaysBetween({2003, 1, 1}, {2003, 12, 1}));
  table.DaysFilled = december + 31 + 31;
  table.Cells.resize(static_cast<std::size_t>(3 * table.DaysFilled));
  for (int d = december; d < december + 31; ++d) table.Cells[static_cast<std::size_t>(3 * d)] = 10;
  for (int d = 0; d < 31; ++d)
    table.Cells[static_cast<std::size_t>(3 * (december + 31 + d))] = d % 2 == 0 ? 20 : 40;
  const ReferenceMonths months = SidcMonthMeans(table, 2003, 2004);
  // Months before the series' first year are not on its axis.
  EXPECT_EQ(months.FirstMonth, 1);
  ASSERT_EQ(months.Values.size(), 1u);
  EXPECT_DOUBLE_EQ(*months.Values[0], (16 * 20 + 15 * 40) / 31.0);
  const ReferenceMonths earlier = SidcMonthMeans(table, 2003, 2003);
  EXPECT_EQ(earlier.FirstMonth, 1);
  EXPECT_EQ(earlier.Values.size(), 13u);
  EXPECT_EQ(earlier.Values[0], 0.0) << "a published zero is a spotless month";
  EXPECT_EQ(earlier.Values[11], 10.0);
}

// Days without a published number (the blank end of the current year's file) are missing: a
// month's mean is over the days that have one, a month without any has no value, and months
// after the last published day are not on the series at all.
TEST(SidcMonthMeansTest, DaysWithoutNumberAreMissingNotZero) {
  SidcDailyTable table;
  table.DaysFilled = 366;  // 2024
  table.Cells.assign(3 * 366, kSidcNoValue);
  const auto set = [&](CalendarDate date, std::uint16_t value) {
    table.Cells[static_cast<std::size_t>(3 * DaysBetween({2024, 1, 1}, date))] = value;
  };
  for (int day = 1; day <= 31; ++day) set({2024, 1, day}, 100);
  set({2024, 2, 10}, 150);  // the rest of February is blank
  set({2024, 2, 11}, 50);
  // March has nothing; April has one day; May onwards is blank.
  set({2024, 4, 30}, 0);
  const ReferenceMonths months = SidcMonthMeans(table, 2024, 2024);
  EXPECT_EQ(months.FirstMonth, 1);
  EXPECT_EQ(months.Values, (MonthlyValues{100.0, 100.0, kNone, 0.0}));
}

TEST(SidcMonthMeansTest, BrusselsFactorOfTheScrollBar) {
  EXPECT_FLOAT_EQ(BrusselsFactorFor(0), 1.0f);
  EXPECT_FLOAT_EQ(BrusselsFactorFor(25), 1.25f);
  EXPECT_FLOAT_EQ(BrusselsFactorFor(-40), 0.6f);
}

}  // namespace
}  // namespace ardeno

namespace ardeno {
namespace {

// Bars from the asymmetry tables: January and February 2004 finished (north 30, south 10:
// 50 % and 20 per record), March (the last record's month) only counted; the year 2004 finished
// at its last record. Ends counted from 15.01.2004 as day 15.
TEST(AsymmetryBarsTest, FinishedPeriodsOnTheTimeAxis) {
  const Database db = test::GraphDatabase({{"15.01.2004", 30, 10},
                                           {"20.01.2004", 30, 10},
                                           {"10.02.2004", 30, 10},
                                           {"05.03.2004", 30, 10}},
                                          kRelativeN, kRelativeS);
  const AsymmetryTables tables = ComputeAsymmetry(db);
  const CalendarDate first{2004, 1, 15};
  const std::vector<AsymmetryBar> months = AsymmetryBars(
      tables, SmoothedIndex::R, AsymmetryKind::Ratio, AsymmetryDiagram::Monthly, first);
  ASSERT_EQ(months.size(), 2u);
  EXPECT_EQ(months[0].EndDay, 31);
  EXPECT_EQ(months[1].EndDay, 31 + 29);
  EXPECT_NEAR(months[0].Value, 50.0, 0.01);
  const std::vector<AsymmetryBar> difference = AsymmetryBars(
      tables, SmoothedIndex::R, AsymmetryKind::Difference, AsymmetryDiagram::Monthly, first);
  EXPECT_NEAR(difference[1].Value, 20.0, 0.01);
  const std::vector<AsymmetryBar> years = AsymmetryBars(
      tables, SmoothedIndex::R, AsymmetryKind::Ratio, AsymmetryDiagram::Yearly, first);
  ASSERT_EQ(years.size(), 1u);
  EXPECT_EQ(years[0].EndDay, 366);
  EXPECT_NEAR(years[0].Value, 50.0, 0.01);
}

}  // namespace
}  // namespace ardeno

namespace ardeno {
namespace {

struct LabelStepCase {
  const char* Name;
  int Compression;
  int LabelWidth;
  int Step;
};

class YearLabelStepTest : public ::testing::TestWithParam<LabelStepCase> {};

// Year numbers never run together: at high compression only every 2nd, 5th ... year is written.
TEST_P(YearLabelStepTest, NumbersStayApart) {
  const LabelStepCase& c = GetParam();
  const SmoothedLayout layout = SmoothedLayoutFor(600, c.Compression);
  const int step = layout.YearLabelStep(c.LabelWidth);
  EXPECT_EQ(step, c.Step);
  EXPECT_GE(step * 12 * layout.MonthWidth, c.LabelWidth + 4);
}

INSTANTIATE_TEST_SUITE_P(Compressions, YearLabelStepTest,
                         ::testing::Values(LabelStepCase{"WideMonthsEveryYear", 1, 28, 1},
                                           LabelStepCase{"FourDaysPerPixelEveryYear", 4, 28, 1},
                                           LabelStepCase{"ShortYearsEverySecond", 16, 14, 2},
                                           LabelStepCase{"FullYearsEveryFifth", 16, 28, 5},
                                           LabelStepCase{"JustFits", 8, 32, 1},
                                           LabelStepCase{"JustTooWide", 8, 33, 2}),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace ardeno
