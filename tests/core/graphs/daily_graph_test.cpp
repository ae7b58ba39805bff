// SPDX-License-Identifier: GPL-3.0-or-later
// The daily graphs' geometry and values: panel rows and baselines, the records' x, the month
// ticks with their leap rule, scaling, the east-centre-west zones and the facular area.
#include <gtest/gtest.h>

#include "core/graphs/daily_graph_axis.h"
#include "core/graphs/daily_graph_values.h"
#include "graph_records.h"

namespace ardeno {
namespace {

using test::GraphDatabase;
using test::GraphRecord;

// The graphs other than east-centre-west never read the positions.
const RecordPositions kNoPositions;

struct GeometryCase {
  const char* Name;
  int ClientHeight;
  int RowHeight;
  int Baseline1, Baseline2, Baseline3, Single;
};

class DailyGeometryTest : public ::testing::TestWithParam<GeometryCase> {};

TEST_P(DailyGeometryTest, RowsAndBaselines) {
  const GeometryCase& c = GetParam();
  const DailyGeometry g = DailyGeometryFor(c.ClientHeight);
  EXPECT_EQ(g.RowHeight, c.RowHeight);
  EXPECT_EQ(g.PanelHeight, 11 * c.RowHeight);
  EXPECT_EQ(g.Baseline(1), c.Baseline1);
  EXPECT_EQ(g.Baseline(2), c.Baseline2);
  EXPECT_EQ(g.Baseline(3), c.Baseline3);
  EXPECT_EQ(g.SingleBaseline(), c.Single);
}

INSTANTIATE_TEST_SUITE_P(
    ClientHeights, DailyGeometryTest,
    ::testing::Values(
        GeometryCase{"Height1000", 1000, 26, 311, 622, 933, 858},
        GeometryCase{"Height600", 600, 14, 179, 358, 537, 462},
        // 120 + 3 x 22 = 186 is the first height with 2-pixel rows.
        GeometryCase{"JustBelowTwoPixelRows", 185, 1, 36, 72, 108, 33},
        GeometryCase{"TwoPixelRows", 186, 2, 47, 94, 141, 66},
        // A window shorter than the margins keeps a 1-pixel row, never a negative one.
        GeometryCase{"ShorterThanMargins", 100, 1, 36, 72, 108, 33}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(DailyTimeAxisTest, DaysSinceFirstJanuaryTimesDayWidth) {
  const Database db = GraphDatabase(
      {{"01.01.2004"}, {"05.03.2004"}, {"01.01.2005"}, {"31.12.2005"}}, kRelativeN, kRelativeS);
  const DailyTimeAxis axis = BuildDailyTimeAxis(db, 2);
  EXPECT_EQ(axis.FirstYear, 2004);
  EXPECT_EQ(axis.RecordX, (std::vector<int>{0, (31 + 29 + 4) * 2, 366 * 2, (366 + 364) * 2}));
  EXPECT_EQ(axis.ScrollRange(), 730 * 2 + 200);
  EXPECT_EQ(axis.NewestScrollPosition(), 730 * 2 - 750);
  EXPECT_EQ(BuildDailyTimeAxis(db, 1).RecordX.back(), 730);
  // The newest data 800 pixels from the left edge, unless the range ends before that; a window
  // narrower than that shows them 20 pixels from its right edge.
  EXPECT_EQ(axis.OpeningScroll(300), 1460 + 50 + 20 - 300);
  EXPECT_EQ(axis.OpeningScroll(1000), 1660 - 1000);
  EXPECT_EQ(axis.OpeningScroll(3000), 0);
  // A chosen day at the left edge (a bulletin's month); before the data, the start; after the
  // range, its end.
  EXPECT_EQ(axis.ScrollToDay({2004, 3, 5}), (31 + 29 + 4) * 2);
  EXPECT_EQ(BuildDailyTimeAxis(db, 16).ScrollToDay({2005, 3, 1}), (366 + 31 + 28) * 16);
  EXPECT_EQ(axis.ScrollToDay({2003, 12, 1}), 0);
  EXPECT_EQ(axis.ScrollToDay({2010, 1, 1}), axis.ScrollRange());
}

struct SaveSizeCase {
  const char* Name;
  int ClientWidth;
  int DayWidth;
};

class NewestInViewTest : public ::testing::TestWithParam<SaveSizeCase> {};

// Twenty years of monthly records: wherever the window opens, the newest record is drawn inside it.
TEST_P(NewestInViewTest, NewestRecordIsDrawnInsideTheWindow) {
  std::vector<GraphRecord> days;
  for (int year = 2000; year <= 2020; ++year) {
    for (int month = 1; month <= 12; ++month)
      days.push_back({"15." + std::to_string(month) + "." + std::to_string(year)});
  }
  const Database db = GraphDatabase(days, kRelativeN, kRelativeS);
  const DailyTimeAxis axis = BuildDailyTimeAxis(db, GetParam().DayWidth);
  const int width = GetParam().ClientWidth;
  const int newestX = axis.LastX() + 50 - axis.OpeningScroll(width);
  EXPECT_GE(newestX, 0);
  EXPECT_LT(newestX, width);
}

INSTANTIATE_TEST_SUITE_P(
    SaveSizes, NewestInViewTest,
    ::testing::Values(SaveSizeCase{"Save400", 400, 1}, SaveSizeCase{"Save500", 500, 1},
                      SaveSizeCase{"Save600", 600, 1}, SaveSizeCase{"Screen1000", 1000, 2},
                      SaveSizeCase{"Screen1580", 1580, 2}, SaveSizeCase{"Narrow200", 200, 2}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(DailyTimeAxisTest, RecordWithBadDateIsLeftOutAndCounted) {
  const Database db = GraphDatabase({{"32.01.2004"}, {"02.01.2004"}, {"xx"}, {"04.01.2004"}},
                                    kRelativeN, kRelativeS);
  const DailyTimeAxis axis = BuildDailyTimeAxis(db, 2);
  EXPECT_EQ(axis.Skipped, 2);
  EXPECT_EQ(axis.RecordIndex, (std::vector<int>{2, 4}));
  EXPECT_EQ(axis.RecordX, (std::vector<int>{2, 6}));
  EXPECT_EQ(SkippedRecordsText(2), "Záznamů s neplatným datem vynechaných v grafu: 2");
  EXPECT_EQ(SkippedRecordsText(0), "");
}

// The program's arrays once stopped at 20,000 records; a larger database is drawn whole.
TEST(DailyTimeAxisTest, DatabaseBeyondTwentyThousandRecordsIsDrawnWhole) {
  std::vector<GraphRecord> rows;
  const std::int64_t first = DaySerial({1950, 1, 1});
  for (int i = 0; i < 20500; ++i) rows.push_back({FormatDate(DateFromSerial(first + i)), i % 300});
  const Database db = GraphDatabase(rows, kRelativeN, kRelativeS);
  const DailyTimeAxis axis = BuildDailyTimeAxis(db, 1);
  ASSERT_EQ(axis.RecordX.size(), 20500u);
  EXPECT_EQ(axis.LastX(), 20499);
  const DailyValues values = ReadDailyValues(db, kNoPositions, axis, DailyGraph::R);
  EXPECT_EQ(values.First.back(), 20499 % 300);
}

struct TickCase {
  const char* Name;
  int FirstYear;
  int Month;  // 1..12 of the first year
  int X;      // with day width 1
};

class DailyMonthTickTest : public ::testing::TestWithParam<TickCase> {};

TEST_P(DailyMonthTickTest, TickOfMonth) {
  const TickCase& c = GetParam();
  const std::vector<MonthTick> ticks = DailyMonthTicks(c.FirstYear, 400, 1);
  const MonthTick& tick = ticks[static_cast<std::size_t>(c.Month - 1)];
  EXPECT_EQ(tick.Year, c.FirstYear);
  EXPECT_EQ(tick.Month, c.Month);
  EXPECT_EQ(tick.X, c.X);
  // With two pixels a day every tick doubles.
  EXPECT_EQ(DailyMonthTicks(c.FirstYear, 800, 2)[static_cast<std::size_t>(c.Month - 1)].X, 2 * c.X);
}

INSTANTIATE_TEST_SUITE_P(
    LeapRule, DailyMonthTickTest,
    ::testing::Values(TickCase{"FebruaryOfLeapYear", 2004, 2, 31},
                      TickCase{"MarchOfLeapYearMovesOneDay", 2004, 3, 60},
                      TickCase{"DecemberOfLeapYear", 2004, 12, 335},
                      TickCase{"MarchOfCommonYear", 2003, 3, 59},
                      TickCase{"DecemberOfCommonYear", 2003, 12, 334},
                      // The axis knows no century rule: 1900 is drawn as a leap year.
                      TickCase{"MarchOf1900", 1900, 3, 60}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(DailyMonthTicksTest, CountFollowsTheLastRecordAndCrossesYears) {
  // N = nint(0 / 61.2) + 2: months 0..2.
  EXPECT_EQ(DailyMonthTicks(2001, 0, 2).size(), 3u);
  // 732 / 61.2 = 11.96 -> 12, + 2: months 0..14, the last in March of the next year.
  const std::vector<MonthTick> ticks = DailyMonthTicks(2001, 732, 2);
  ASSERT_EQ(ticks.size(), 15u);
  EXPECT_EQ(ticks[12].Year, 2002);
  EXPECT_EQ(ticks[12].Month, 1);
  EXPECT_EQ(ticks[12].X, 365 * 2);
  EXPECT_EQ(ticks[14].Month, 3);
}

struct ScaleCase {
  const char* Name;
  int Value, RowHeight, Units, Scaled;
};

class ScaledValueTest : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(ScaledValueTest, TruncatedPixels) {
  const ScaleCase& c = GetParam();
  EXPECT_EQ(ScaledValue(c.Value, c.RowHeight, c.Units), c.Scaled);
}

INSTANTIATE_TEST_SUITE_P(Values, ScaledValueTest,
                         ::testing::Values(ScaleCase{"OneUnitIsOneRow", 50, 26, 50, 26},
                                           ScaleCase{"Truncated", 49, 26, 50, 25},
                                           ScaleCase{"GroupCountsPerTwo", 3, 26, 2, 39},
                                           ScaleCase{"LargeAreaBeyondSixteenBits", 65535, 80, 1000,
                                                     5242},
                                           ScaleCase{"Zero", 0, 26, 3, 0}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(DailyValuesTest, IndexWordsAndScaling) {
  const Database db =
      GraphDatabase({{"01.01.2004", 50, 20}, {"02.01.2004", 75, 0}}, kRelativeN, kRelativeS);
  const DailyTimeAxis axis = BuildDailyTimeAxis(db, 2);
  const DailyValues raw = ReadDailyValues(db, kNoPositions, axis, DailyGraph::R);
  EXPECT_EQ(raw.First, (std::vector<int>{50, 75}));
  EXPECT_EQ(raw.Second, (std::vector<int>{20, 0}));
  EXPECT_EQ(raw.Third, (std::vector<int>{0, 0}));
  const DailyValues scaled = ScaleDailyValues(raw, 26, 50);
  EXPECT_EQ(scaled.First, (std::vector<int>{26, 39}));
  EXPECT_EQ(scaled.Second, (std::vector<int>{10, 0}));
  // g reads other words of the same records: nothing was written there.
  EXPECT_EQ(ReadDailyValues(db, kNoPositions, axis, DailyGraph::G).First, (std::vector<int>{0, 0}));
}

TEST(DailyValuesTest, FacularAreaHasNoSouthSeries) {
  Database db = GraphDatabase({{"01.01.2004", 9, 9}, {"02.01.2004", 9, 9}, {"03.01.2004", 9, 9}},
                              kRelativeN, kRelativeS);
  db.Record(1).SetFaculaAreaText("1234");
  db.Record(2).SetFaculaAreaText("");
  db.Record(3).SetFaculaAreaText(" 77");
  const DailyValues raw =
      ReadDailyValues(db, kNoPositions, BuildDailyTimeAxis(db, 2), DailyGraph::FaculaArea);
  EXPECT_EQ(raw.First, (std::vector<int>{1234, 0, 77}));
  EXPECT_EQ(raw.Second, (std::vector<int>{0, 0, 0}));
}

struct FaculaTextCase {
  const char* Name;
  const char* Text;
  int Value;
};

class FaculaAreaTextTest : public ::testing::TestWithParam<FaculaTextCase> {};

TEST_P(FaculaAreaTextTest, Number) {
  ObservationRecord r;
  r.SetFaculaAreaText(GetParam().Text);
  EXPECT_EQ(FaculaAreaValue(r), GetParam().Value);
}

INSTANTIATE_TEST_SUITE_P(Texts, FaculaAreaTextTest,
                         ::testing::Values(FaculaTextCase{"Plain", "2500", 2500},
                                           FaculaTextCase{"Empty", "", 0},
                                           FaculaTextCase{"LeadingBlanks", "  12", 12},
                                           FaculaTextCase{"NotANumber", "12a", 0},
                                           FaculaTextCase{"Decimal", "1.5", 0}),
                         [](const auto& info) { return std::string(info.param.Name); });

struct ZoneCase {
  const char* Name;
  double Distance;
  CentralZone Zone;
};

class CentralZoneTest : public ::testing::TestWithParam<ZoneCase> {};

TEST_P(CentralZoneTest, Zone) {
  EXPECT_EQ(ZoneOfCentralMeridianDistance(GetParam().Distance), GetParam().Zone);
}

INSTANTIATE_TEST_SUITE_P(Distances, CentralZoneTest,
                         ::testing::Values(ZoneCase{"ExactlyZero", 0.0, CentralZone::None},
                                           ZoneCase{"JustEast", 0.01, CentralZone::Centre},
                                           ZoneCase{"InsideWest", -29.99, CentralZone::Centre},
                                           ZoneCase{"ExactlyPlus30", 30.0, CentralZone::None},
                                           ZoneCase{"ExactlyMinus30", -30.0, CentralZone::None},
                                           ZoneCase{"BeyondPlus30", 30.01, CentralZone::Positive},
                                           ZoneCase{"BeyondMinus30", -45.0, CentralZone::Negative}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(EastWestCountsTest, GroupsOfARecordByZone) {
  Database db = GraphDatabase({{"21.06.2004"}}, kRelativeN, kRelativeS);
  ObservationRecord& r = db.Record(1);
  r.SetGroupCount(4);
  // Near the centre, and three close to the east and west limbs (position angle 90 and 270).
  const std::uint16_t angles[] = {450, 900, 2700, 2650};
  const std::uint16_t distances[] = {100, 1200, 1200, 1150};
  for (int k = 1; k <= 4; ++k) {
    r.SetAngle10(k, angles[k - 1]);
    r.SetDistance10(k, distances[k - 1]);
  }
  const RecordPositions positions = ComputeRecordPositions(db);
  const CentralZoneCounts counts = CountGroupsByZone(positions.GroupsOf(1));
  EXPECT_EQ(counts.Centre, 1);
  // The east limb (position angle 90) lies on the positive side, the west limb on the negative.
  EXPECT_EQ(counts.Negative, 2);
  EXPECT_EQ(counts.Positive, 1);
  const DailyValues raw =
      ReadDailyValues(db, positions, BuildDailyTimeAxis(db, 2), DailyGraph::EastWest);
  EXPECT_EQ(raw.First[0], 1);
  EXPECT_EQ(raw.Second[0], counts.Negative);
  EXPECT_EQ(raw.Third[0], counts.Positive);
}

}  // namespace
}  // namespace ardeno
