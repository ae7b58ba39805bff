// The smoothed and asymmetry graphs' data: monthly means x 8 with interpolated gaps, the 13-month
// smoothing and where it stops, per-record asymmetry and the picture names.
#include <gtest/gtest.h>

#include "core/graphs/asymmetry_bars.h"
#include "core/graphs/month_series.h"
#include "core/graphs/record_asymmetry.h"
#include "core/graphs/reference_months.h"
#include "core/graphs/smoothed_graph_layout.h"
#include "graph_records.h"

namespace ardeno {
namespace {

using test::GraphDatabase;
using test::GraphRecord;

Database RDatabase(const std::vector<GraphRecord>& rows) {
  return GraphDatabase(rows, kRelativeN, kRelativeS);
}

TEST(MonthSeriesTest, MeansTimesEightWithAnInterpolatedGap) {
  const Database db = RDatabase(
      {{"03.01.2004", 10, 0}, {"20.01.2004", 20, 5}, {"11.03.2004", 30, 0}, {"01.06.2004", 0, 60}});
  const MonthSeries s = BuildMonthSeries(CollectMonths(db), SmoothedIndex::R);
  EXPECT_EQ(s.FirstYear, 2004);
  EXPECT_EQ(s.FirstMonth, 1);
  EXPECT_EQ(s.ObservedMonths, 3);
  // January: north 30 x 8 / 2, south 5 x 8 / 2 truncated, total 35 x 8 / 2; March 240, 0, 240;
  // June 0, 480, 480. February and April, May lie on the straight lines between them.
  EXPECT_EQ(s.North, (std::vector<int>{120, 180, 240, 160, 80, 0}));
  EXPECT_EQ(s.South, (std::vector<int>{20, 10, 0, 160, 320, 480}));
  EXPECT_EQ(s.Total, (std::vector<int>{140, 190, 240, 320, 400, 480}));
  EXPECT_EQ(&s.Of(SmoothedView::South), &s.South);
  EXPECT_EQ(&s.Of(SmoothedView::Whole), &s.Total);
}

// A report from elsewhere counts for the whole disk but, without a hemisphere marker, not for
// the hemispheres, as in the monthly statistics; it still counts among the month's records.
TEST(MonthSeriesTest, SpecialRecordFollowsTheMonthlyRule) {
  const MonthSeries s = BuildMonthSeries(
      CollectMonths(RDatabase({{"01.07.2004", 10, 10}, {"02.07.2004", 30, 10, "zvlášťní"}})),
      SmoothedIndex::R);
  EXPECT_EQ(s.Total, (std::vector<int>{(20 + 40) * 8 / 2}));
  EXPECT_EQ(s.North, (std::vector<int>{10 * 8 / 2}));
  EXPECT_EQ(s.South, (std::vector<int>{10 * 8 / 2}));
}

TEST(MonthSeriesTest, InterpolationRoundsToNearest) {
  // 8 -> 0 over three steps: 5.33 -> 5, 2.67 -> 3.
  const MonthSeries s = BuildMonthSeries(
      CollectMonths(RDatabase({{"01.11.2003", 1, 0}, {"01.02.2004", 0, 0}})), SmoothedIndex::R);
  EXPECT_EQ(s.FirstMonth, 11);
  EXPECT_EQ(s.North, (std::vector<int>{8, 5, 3, 0}));
}

TEST(MonthSeriesTest, RecordsWithoutDateAreLeftOut) {
  const MonthSeries s = BuildMonthSeries(
      CollectMonths(RDatabase({{"bad"}, {"05.05.2005", 4, 4}, {""}})), SmoothedIndex::R);
  EXPECT_EQ(s.SkippedRecords, 2);
  EXPECT_EQ(s.FirstYear, 2005);
  EXPECT_EQ(s.FirstMonth, 5);
  EXPECT_EQ(s.Total, (std::vector<int>{64}));
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
  const std::vector<int> values(static_cast<std::size_t>(c.Months), 80);
  int first = -1;
  int last = -1;
  for (int i = 0; i < c.Months; ++i) {
    const std::optional<std::int64_t> sum = SmoothedSum(values, i);
    if (!sum) continue;
    EXPECT_EQ(*sum, 24 * 80);
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

TEST(SmoothedSumTest, HalfWeightsAtBothEnds) {
  std::vector<int> values(13, 0);
  values[0] = 100;    // weight 1
  values[1] = 10;     // weight 2
  values[12] = 1000;  // weight 1
  EXPECT_EQ(SmoothedSum(values, 6), 100 + 20 + 1000);
}

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

// One grid row is one unit of the index: a monthly mean of 40 (kept x 8) and a smoothed value
// of 40 (kept as 24 x 8 x 40) both stand one row above the zero line.
TEST(SmoothedLayoutTest, OneUnitIsOneRow) {
  const SmoothedLayout layout = SmoothedLayoutFor(440, 1);
  EXPECT_EQ(layout.PlotHeight, 400);
  EXPECT_EQ(layout.GridY(1), 360);
  EXPECT_EQ(layout.MeanY(40 * 8, 40), 360);
  EXPECT_EQ(layout.SmoothedY(24 * 8 * 40, 40), 360);
  EXPECT_EQ(layout.MeanY(0, 40), 400);
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
TEST(SidcMonthMeansTest, MeansTimesEightOnTheSeriesMonths) {
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
  EXPECT_EQ(months.Values, (std::vector<int>{(16 * 20 + 15 * 40) * 8 / 31}));
  const ReferenceMonths earlier = SidcMonthMeans(table, 2003, 2003);
  EXPECT_EQ(earlier.FirstMonth, 1);
  EXPECT_EQ(earlier.Values.size(), 13u);
  EXPECT_EQ(earlier.Values[11], 80);
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
