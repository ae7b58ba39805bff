// SPDX-License-Identifier: GPL-3.0-or-later
// Which sums a record enters: whole disk, hemispheres, areas, by kind and hemisphere marker.
#include <gtest/gtest.h>

#include "core/results/measured_table.h"
#include "core/results/month_totals.h"
#include "core/results/month_walk.h"
#include "core/results/results_records.h"

namespace ardeno {
namespace {

using test::DatabaseBuilder;
using test::DayValues;
using test::MakeRecord;
using test::Marker;

DayValues Values(bool special, Marker marker) {
  DayValues v;
  v.North = {2, 5, 25, 7, 11, 3, 120, 130};
  v.South = {1, 4, 14, 6, 9, 2, 40, 50};
  v.Special = special;
  v.FirstGroup = marker;
  v.Central = {1, 2, 12, 3};
  v.Quality = {2, 3, 4};
  return v;
}

struct TotalsCase {
  const char* Name;
  bool Special;
  Marker FirstGroup;
  bool CountsForHemispheres;
  bool CountsForAreas;
};

class AddRecordToTotalsTest : public ::testing::TestWithParam<TotalsCase> {};

TEST_P(AddRecordToTotalsTest, EntersTheSumsItsKindAllows) {
  const TotalsCase& c = GetParam();
  MonthTotals totals;
  AddRecordToTotals(totals, MakeRecord("05.03.2001", Values(c.Special, c.FirstGroup)));

  // Whole disk g, f, R, CV, SN, RB always: N + S.
  EXPECT_EQ(totals.Sum(Quantity::G, Hemisphere::Whole), 3);
  EXPECT_EQ(totals.Sum(Quantity::R, Hemisphere::Whole), 39);
  EXPECT_EQ(totals.Sum(Quantity::RB, Hemisphere::Whole), 5);
  EXPECT_EQ(totals.Sum(Quantity::G, Hemisphere::North), c.CountsForHemispheres ? 2 : 0);
  EXPECT_EQ(totals.Sum(Quantity::SN, Hemisphere::South), c.CountsForHemispheres ? 9 : 0);
  EXPECT_EQ(totals.Sum(Quantity::Area, Hemisphere::Whole), c.CountsForAreas ? 160 : 0);
  EXPECT_EQ(totals.Sum(Quantity::CorrectedArea, Hemisphere::North), c.CountsForAreas ? 130 : 0);
  // Central-zone and quality values from the record header, always.
  EXPECT_EQ(totals.Sums[24], 1);
  EXPECT_EQ(totals.Sums[26], 12);
  EXPECT_EQ(totals.Sums[30], 4);
  EXPECT_EQ(totals.Records, 1);
  EXPECT_EQ(totals.SpecialRecords, c.Special ? 1 : 0);
  EXPECT_EQ(totals.HemisphereRecords, c.CountsForHemispheres ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, AddRecordToTotalsTest,
    ::testing::Values(TotalsCase{"Normal", false, Marker::None, true, true},
                      TotalsCase{"NormalWithMarkerPosition", false, Marker::North, true, true},
                      TotalsCase{"SpecialWithoutMarker", true, Marker::None, false, false},
                      TotalsCase{"SpecialNorthMarker", true, Marker::North, true, false},
                      TotalsCase{"SpecialSouthMarker", true, Marker::South, true, false}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(HemisphereMarker, OnlyTheTwoMarkerPositionsOfTheFirstGroup) {
  ObservationRecord r;
  r.SetAngle10(1, kNorthMarkerAngle10);
  r.SetDistance10(1, 1199);
  EXPECT_FALSE(HasHemisphereMarker(r));
  r.SetDistance10(1, kMarkerDistance10);
  EXPECT_TRUE(HasHemisphereMarker(r));
  r.SetAngle10(1, kSouthMarkerAngle10);
  EXPECT_TRUE(HasHemisphereMarker(r));
  r.SetAngle10(1, 900);
  EXPECT_FALSE(HasHemisphereMarker(r));
  // A marker in the second group does not count.
  r.SetAngle10(2, kNorthMarkerAngle10);
  r.SetDistance10(2, kMarkerDistance10);
  EXPECT_FALSE(HasHemisphereMarker(r));
}

TEST(WalkMonths, NumbersRowsFromTheFirstMonthAndLeavesGapsEmpty) {
  const Database db = DatabaseBuilder()
                          .Add("30.11.2000", test::Normal(1, 0))
                          .Add("31.03.2001", test::Normal(1, 1))
                          .Add("02.05.2001", test::Normal(2, 0))
                          .Add("03.05.2001", test::Normal(2, 0))
                          .Build();
  std::vector<std::pair<int, int>> rowsAndRecords;
  const MonthSpan span = WalkMonths(
      db, [&](const RecordMonth& m) { rowsAndRecords.emplace_back(m.Row, m.Totals.Records); });
  EXPECT_EQ(rowsAndRecords, (std::vector<std::pair<int, int>>{{1, 1}, {5, 1}, {7, 2}}));
  EXPECT_EQ(span.LastRow, 7);
  EXPECT_EQ(span.YearOfRow(3), 2001);
  EXPECT_EQ(span.MonthOfRow(3), 1);
  EXPECT_EQ(MonthLabel(2001, 3), " 03.2001");
}

TEST(WalkMonths, RecordWithoutReadableDateBelongsToNoMonth) {
  const Database db = DatabaseBuilder()
                          .Add("15.01.2001", test::Normal(1, 0))
                          .Add("xx.01.2001", test::Normal(9, 9))
                          .Add("16.01.2001", test::Normal(3, 0))
                          .Build();
  const RecordMonths data = CollectMonths(db);
  ASSERT_EQ(data.Months.size(), 1u);
  EXPECT_EQ(data.Months[0].Totals.Records, 2);
  EXPECT_EQ(data.Months[0].Totals.Sum(Quantity::G, Hemisphere::Whole), 4);
}

}  // namespace
}  // namespace ardeno
