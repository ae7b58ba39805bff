// SPDX-License-Identifier: GPL-3.0-or-later
// Butterfly marks and curves: one mark per group number and rotation at the integer mean of its
// pixel latitudes, numbers 0 and above 70 without a mark, special records left out, and the mean
// curve at the equator for a rotation without northern groups.
#include "core/butterfly/butterfly_marks.h"
#include "core/butterfly/butterfly_curves.h"

#include <gtest/gtest.h>

#include "core/groups/group_records.h"

namespace ardeno {
namespace {

using test::DatabaseOf;
using test::Drawing;
using test::Special;

constexpr ButterflyScale kScale{2, 3, 400, 10, 2100};

TEST(ButterflyMarks, GroupSeenOnSeveralDaysGivesOneMarkAtTheIntegerMean) {
  Database db = DatabaseOf({Drawing("10.05.2014", {{-20, 10.0, "Dso", 4}}),
                            Drawing("11.05.2014", {{-7, 11.0, "Dso", 4}}),
                            Drawing("12.05.2014", {{6, 12.5, "Dso", 4}})});
  const RecordPositions positions = ComputeRecordPositions(db);
  ASSERT_EQ(db.Record(1).Rotation(), db.Record(3).Rotation());
  int sum = 0;
  for (int i = 1; i <= 3; ++i) sum += static_cast<int>(3 * positions.GroupsOf(i)[0].HelioLatitude);
  const int m = sum / 3;
  const auto marks = GroupMarks(db, positions, kScale);
  ASSERT_EQ(marks.size(), 1u);
  const int x = 2 * (db.Record(1).Rotation() - 2100) + 50 - 10;
  EXPECT_EQ(marks[0], (MarkRect{x, 400 + 1 - m, x + 2 - 1 + 1, 400 - 2 - m}));
}

TEST(ButterflyMarks, NumbersZeroAndAbove70AndSpecialRecordsGiveNoMark) {
  Database db = DatabaseOf(
      {Drawing("10.05.2014", {{0, 10.0, "Dso", 0}, {5, 12.0, "Dso", 71}, {10, -8.0, "Axx", 70}}),
       Special(Drawing("11.05.2014", {{0, 20.0, "Hsx", 5}}))});
  const auto marks = GroupMarks(db, ComputeRecordPositions(db), kScale);
  ASSERT_EQ(marks.size(), 1u);
  EXPECT_GT(marks[0].Y1, 400);  // the southern group 70
}

TEST(ButterflyMarks, GroupsOfDifferentRotationsGiveSeparateMarks) {
  Database db = DatabaseOf(
      {Drawing("10.05.2014", {{0, 10.0, "Dso", 4}}), Drawing("10.06.2014", {{0, 10.0, "Dso", 4}})});
  const auto marks = GroupMarks(db, ComputeRecordPositions(db), kScale);
  ASSERT_EQ(marks.size(), 2u);
  EXPECT_EQ(marks[1].X1 - marks[0].X1, 2 * (db.Record(2).Rotation() - db.Record(1).Rotation()));
}

// A rotation without groups in a hemisphere has no mean latitude there: the curve has a gap, it
// does not plunge to the equator; the smoothed curve has points only where it has a value.
TEST(ButterflyCurves, RotationWithoutNorthernGroupsLeavesAGapInTheMeanCurve) {
  RotationStatistics stats;
  stats.FirstRotation = 2150;
  stats.Rotations.resize(8);
  stats.Smoothed.resize(8);
  for (RotationStats& r : stats.Rotations) {
    r.MeanNorth = 12.5f;
    r.SightingsNorth = 1;
  }
  stats.Rotations[3].MeanNorth = 0;
  stats.Rotations[3].SightingsNorth = 0;
  stats.Rotations[3].MeanSouth = -7.9f;
  stats.Rotations[3].SightingsSouth = 2;
  stats.Smoothed[2] = {11.0f, -6.0f, true, true};
  stats.Smoothed[3] = {12.0f, 0.0f, true, false};
  stats.Smoothed[4] = {12.5f, 0.0f, true, false};
  const LatitudeCurves mean = MeanLatitudeCurves(stats, kScale);
  const int x0 = (2150 - 2100 - 1) * 2 + 50;
  // Rotations 1..3 and 5..8: two runs; rotation 4 alone in the south.
  ASSERT_EQ(mean.North.size(), 2u);
  ASSERT_EQ(mean.North[0].size(), 3u);
  ASSERT_EQ(mean.North[1].size(), 4u);
  EXPECT_EQ(mean.North[0][0], (CurvePoint{x0 + 2 - 10, 400 - 37}));
  EXPECT_EQ(mean.North[1][0], (CurvePoint{x0 + 10 - 10, 400 - 37}));
  for (const auto& run : mean.North)
    for (const CurvePoint& point : run) EXPECT_NE(point.Y, 400) << "no point on the equator";
  ASSERT_EQ(mean.South.size(), 1u);
  EXPECT_EQ(mean.South[0], (std::vector<CurvePoint>{{x0 + 8 - 10, 400 + 23}}));  // trunc(-23.7)
  const LatitudeCurves smoothed = SmoothedLatitudeCurves(stats, kScale);
  ASSERT_EQ(smoothed.North.size(), 1u);
  ASSERT_EQ(smoothed.North[0].size(), 3u);  // k = 3..5
  EXPECT_EQ(smoothed.North[0][0], (CurvePoint{x0 + 6 - 10, 400 - 33}));
  ASSERT_EQ(smoothed.South.size(), 1u);
  EXPECT_EQ(smoothed.South[0], (std::vector<CurvePoint>{{x0 + 6 - 10, 400 + 18}}));
}

}  // namespace
}  // namespace ardeno
