// SPDX-License-Identifier: GPL-3.0-or-later
// A database spanning 150 years (1874-2023, about 2000 rotations) is shown to its newest rotation
// by every view that reads rotations: the rotation statistics, the map data, the butterfly marks
// and its scroll range, and the synoptic maps.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/butterfly/butterfly_scene.h"
#include "core/groups/group_records.h"
#include "core/groups/group_statistics.h"
#include "core/groups/map_data.h"
#include "core/maps/map_groups.h"
#include "core/maps/map_rotation.h"
#include "core/maps/map_sightings.h"

namespace ardeno {
namespace {

using test::DatabaseOf;
using test::Drawing;

constexpr int kDaysBetweenDrawings = 5;

// A drawing every five days from 1.1.1874 to 31.12.2023, each with a northern group numbered 1
// and a southern one numbered 2 near the central meridian.
struct LongDatabase {
  Database Db;
  GroupStatistics Stats;
  int FirstRotation = 0;
  int LastRotation = 0;
};

const LongDatabase& Sample() {
  static const LongDatabase sample = [] {
    LongDatabase s;
    std::vector<ObservationRecord> records;
    const std::int64_t last = DaySerial({2023, 12, 31});
    for (std::int64_t day = DaySerial({1874, 1, 1}); day <= last; day += kDaysBetweenDrawings) {
      records.push_back(
          Drawing(FormatDate(DateFromSerial(day)), {{-10, 15.0, "Cso", 1}, {10, -15.0, "Dao", 2}}));
    }
    s.Db = DatabaseOf(std::move(records));
    s.Stats = ComputeGroupStatistics(s.Db);
    s.FirstRotation = s.Db.Record(1).Rotation();
    s.LastRotation = s.Db.Record(s.Db.RecordCount).Rotation();
    return s;
  }();
  return sample;
}

// The newest rotation a view shows.
struct ViewCase {
  const char* Name;
  std::function<int(const LongDatabase&)> NewestRotation;
};

int NewestStatisticsRotation(const LongDatabase& s) {
  const RotationStatistics& r = s.Stats.Rotations;
  for (int k = r.RotationStatsCount(); k >= 1; --k)
    if (r.At(k).SightingsNorth > 0 && r.At(k).SightingsSouth > 0) return r.FirstRotation + k - 1;
  return 0;
}

int NewestMapDataRow(const LongDatabase& s) {
  const TextGrid grid = MapDataGrid(s.Stats.Rotations, s.Stats.Classes);
  for (auto row = grid.Rows.rbegin(); row != grid.Rows.rend(); ++row)
    if ((*row)[1] != "----") return std::stoi((*row)[0]);
  return 0;
}

int NewestClassCounts(const LongDatabase& s) {
  for (int r = static_cast<int>(s.Stats.Classes.Classes.size()); r >= 1; --r) {
    const ClassCounts counts = s.Stats.Classes.At(r);
    if (counts[2] > 0 && counts[3] > 0) return s.FirstRotation + r - 1;  // C and D
  }
  return 0;
}

int NewestButterflyMark(const LongDatabase& s) {
  ButterflyData data(s.Db, s.Stats, nullptr, nullptr);
  return data.GroupCells(3).back().Rotation;
}

// The window scrolled as far right as its range lets it: the rightmost group mark drawn.
int NewestButterflyMarkInView(const LongDatabase& s) {
  ButterflyData data(s.Db, s.Stats, nullptr, nullptr);
  ButterflyView view;
  view.Width = 1000;
  view.Height = 700;
  view.TimeFactor = 2;
  view.ScrollRange = 2 * 1000 + 1000;  // the range the main window gives at T = 2
  view.ScrollX = ButterflyScrollRangeFor(data, view) - view.Width;
  const ButterflyScene scene = BuildButterflyScene(data, view);
  int newest = 0;
  for (const MarkRect& mark : scene.Groups) {
    if (mark.X1 < 0 || mark.X2 > view.Width) continue;
    const int rotation = (mark.X1 - kButterflyLeftAxisX + view.ScrollX) / view.TimeFactor +
                         scene.Scale.StartRotation;
    newest = std::max(newest, rotation);
  }
  return newest;
}

int NewestRotationInMapList(const LongDatabase& s) {
  return BuildRotationList(s.Db).back().Rotation;
}

int NewestSynopticMapWithGroups(const LongDatabase& s) {
  const MapSightings sightings = ComputeMapSightings(s.Db, s.Stats.Positions);
  for (int rotation = s.LastRotation; rotation > s.FirstRotation; --rotation) {
    const GroupMapStats stats =
        AccumulateGroups(sightings, RecordRangeOf(s.Db, rotation), rotation, 16);
    for (const MapGroupDrawing& group : MapGroupDrawings(stats, 16, 1, false))
      if (group.Group) return rotation;
  }
  return 0;
}

class LongDatabaseView : public ::testing::TestWithParam<ViewCase> {};

TEST_P(LongDatabaseView, ShowsTheNewestRotation) {
  const LongDatabase& s = Sample();
  ASSERT_GT(s.LastRotation - s.FirstRotation, 1900);  // far beyond the old 1200 and 1300 rows
  EXPECT_EQ(GetParam().NewestRotation(s), s.LastRotation);
}

INSTANTIATE_TEST_SUITE_P(
    Views, LongDatabaseView,
    ::testing::Values(ViewCase{"RotationStatistics", NewestStatisticsRotation},
                      ViewCase{"MapData", NewestMapDataRow},
                      ViewCase{"ClassCounts", NewestClassCounts},
                      ViewCase{"ButterflyMarks", NewestButterflyMark},
                      ViewCase{"ButterflyScrolledToTheEnd", NewestButterflyMarkInView},
                      ViewCase{"MapRotationList", NewestRotationInMapList},
                      ViewCase{"SynopticMap", NewestSynopticMapWithGroups}),
    [](const ::testing::TestParamInfo<ViewCase>& info) { return std::string(info.param.Name); });

TEST(LongDatabase, YearBoundsAndAsymmetryReachTheLastYearAndNothingIsLeftOut) {
  const LongDatabase& s = Sample();
  const RotationStatistics& r = s.Stats.Rotations;
  ASSERT_EQ(r.YearCount(), 150);
  EXPECT_NEAR(r.YearAt(150).HighestNorth, 15.0, 1.0);
  EXPECT_NEAR(r.YearAt(150).MostSouthern, -15.0, 1.0);
  EXPECT_EQ(r.StatsLastYear, 2023);
  EXPECT_EQ(s.Stats.Asymmetry.YearAsym.size(), 150u);
  EXPECT_EQ(s.Stats.Asymmetry.MonthAsym.size(), 150u * 12);
  EXPECT_TRUE(s.Stats.LeftOutMessages().empty());
}

// The rotation numbers under the diagram reach the scroll range: the newest hundred is labelled.
TEST(LongDatabase, ButterflyFrameLabelsTheNewestHundred) {
  const LongDatabase& s = Sample();
  ButterflyData data(s.Db, s.Stats, nullptr, nullptr);
  ButterflyView view;
  view.Width = 1000;
  view.Height = 700;
  view.ScrollX = ButterflyScrollRangeFor(data, view) - view.Width;
  const ButterflyScene scene = BuildButterflyScene(data, view);
  const std::string newestHundred = std::to_string(s.LastRotation / 100 * 100);
  bool labelled = false;
  for (const FrameLabel& label : scene.Frame.Labels) labelled |= label.Text == newestHundred;
  EXPECT_TRUE(labelled) << newestHundred;
}

}  // namespace
}  // namespace ardeno
