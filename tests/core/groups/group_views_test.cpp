// SPDX-License-Identifier: GPL-3.0-or-later
// East-west zones, group types per year, the largest groups of a year, the evolution grid of a
// rotation and the map-data grid: the rules that a slip in a bound or a filter would break.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/groups/east_west.h"
#include "core/groups/group_records.h"
#include "core/groups/group_types_per_year.h"
#include "core/groups/map_data.h"
#include "core/groups/rotation_evolution.h"
#include "support/temp_folder.h"

namespace ardeno {
namespace {

using test::AddGroup;
using test::DatabaseOf;
using test::Drawing;
using test::GroupSpec;
using test::Special;

std::string DaysAfter(const std::string& date, int days) {
  return FormatDate(DateFromSerial(DaySerial(*ParseDate(date)) + days));
}

// --- east-west zones ---

struct ZoneCase {
  std::string Name;
  double X;
  int Zone;
};

class EastWestZones : public ::testing::TestWithParam<ZoneCase> {};

TEST_P(EastWestZones, BoundsAreExcluded) { EXPECT_EQ(EastWestZone(GetParam().X), GetParam().Zone); }

INSTANTIATE_TEST_SUITE_P(
    Distances, EastWestZones,
    ::testing::Values(ZoneCase{"FarWest", -75, 0}, ZoneCase{"OnMinus60", -60, -1},
                      ZoneCase{"JustWestOfMinus30", -30.01, 1}, ZoneCase{"OnMinus30", -30, -1},
                      ZoneCase{"JustWest", -0.01, 2}, ZoneCase{"OnMeridian", 0, -1},
                      ZoneCase{"JustEast", 0.01, 3}, ZoneCase{"On30", 30, -1},
                      ZoneCase{"At45", 45, 4}, ZoneCase{"On60", 60, -1},
                      ZoneCase{"FarEast", 89.9, 5}, ZoneCase{"OnLimb", 90, -1}),
    [](const auto& info) { return info.param.Name; });

struct FilterCase {
  std::string Name;
  std::string Type;
  std::string Filter;
  bool Passes;
};

class TypeFilter : public ::testing::TestWithParam<FilterCase> {};

TEST_P(TypeFilter, ComparesTheFirstLetterExactly) {
  const std::string& type = GetParam().Type;
  EXPECT_EQ(PassesTypeFilter(type.empty() ? '\0' : type[0], GetParam().Filter), GetParam().Passes);
}

INSTANTIATE_TEST_SUITE_P(Filters, TypeFilter,
                         ::testing::Values(FilterCase{"AllTakesAnything", "***", "vše", true},
                                           FilterCase{"SameLetter", "Dkc", "D", true},
                                           FilterCase{"OtherLetter", "Ekc", "D", false},
                                           FilterCase{"LowerHTakesLowerH", "hsx", "h", true},
                                           FilterCase{"LowerHRefusesUpperH", "Hsx", "h", false},
                                           FilterCase{"EmptyType", "", "A", false}),
                         [](const auto& info) { return info.param.Name; });

TEST(EastWestPositions, CentreGroupIsInNoZoneAndSpecialRecordsAreLeftOut) {
  ObservationRecord day1 =
      Drawing("10.05.2014", {{45, 10.0, "Dso", 1, 7}, {-20, 5.0, "Axx", 2, 1}});
  // A group at the very centre of the drawing lies exactly on the central meridian.
  AddGroup(day1, {0, 0, "Hsx", 3, 4});
  day1.SetAngle10(3, 0);
  day1.SetDistance10(3, 0);
  ObservationRecord day2 = Drawing("11.05.2014", {{-70, -10.0, "Dso", 1, 5}});
  ObservationRecord special = Special(Drawing("12.05.2014", {{10, 10.0, "Dso", 1, 9}}));
  ObservationRecord june = Drawing("01.06.2014", {{50, 10.0, "Eso", 1, 2}});
  const Database db = DatabaseOf({day1, day2, special, june});
  const RecordPositions positions = ComputeRecordPositions(db);
  ASSERT_EQ(positions.GroupsOf(1)[2].CentralMeridianDistance, 0.0);

  const auto daily = ComputeZoneCounts(db, positions, PositionPeriod::Daily, "vše");
  ASSERT_EQ(daily.size(), 3u);
  EXPECT_EQ(daily[0].Label, "10.05.2014");
  const int east45 = EastWestZone(positions.GroupsOf(1)[0].CentralMeridianDistance);
  ASSERT_GE(east45, 0);
  EXPECT_EQ(daily[0].Groups[static_cast<std::size_t>(east45)], 1u);
  EXPECT_EQ(daily[0].Spots[static_cast<std::size_t>(east45)], 7u);
  std::uint32_t total = 0;
  for (auto g : daily[0].Groups) total += g;
  EXPECT_EQ(total, 2u);  // the centre group is in no zone

  const auto monthly = ComputeZoneCounts(db, positions, PositionPeriod::Monthly, "D");
  ASSERT_EQ(monthly.size(), 2u);
  EXPECT_EQ(monthly[0].Label, "05.2014");
  total = 0;
  for (auto g : monthly[0].Groups) total += g;
  EXPECT_EQ(total, 2u);  // the two D groups of May, not the special record's
  total = 0;
  for (auto g : monthly[1].Groups) total += g;
  EXPECT_EQ(total, 0u);

  const auto yearly = ComputeZoneCounts(db, positions, PositionPeriod::Yearly, "vše");
  ASSERT_EQ(yearly.size(), 1u);
  EXPECT_EQ(yearly[0].Label, "2014");
}

TEST(EastWestPositions, TextFileHasTheFourHeadLinesAndSixCharacterColumns) {
  ZoneCounts counts{"05.2014", {1, 0, 2, 0, 0, 3}, {10, 0, 20, 0, 0, 300}};
  const TextGrid grid = EastWestGrid({counts}, PositionPeriod::Monthly);
  EXPECT_EQ(grid.Cell(1, 6), "3");
  EXPECT_EQ(grid.Cell(1, 13), "300");
  EXPECT_EQ(grid.Cell(1, 7), "");
  const auto lines = PositionsFileLines(grid);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], std::string(24, ' ') + "Polohy skupin         " + std::string(29, ' ') +
                          " Plolohy skvrn   ");
  const std::string westBounds = "  -90   -60   -30     0    30     60";
  const std::string eastBounds = "  -60   -30     0    30    60     90";
  EXPECT_EQ(lines[1], std::string(10, ' ') + westBounds + "|" + westBounds);
  EXPECT_EQ(lines[2], std::string(10, ' ') + eastBounds + "|" + eastBounds);
  EXPECT_EQ(lines[3], "     Datum");
  EXPECT_EQ(lines[4],
            "   05.2014     1     0     2     0     0     3|    10     0    20     0     0   300");

  const test::TempFolder folder;
  const std::filesystem::path& dir = folder.Path();
  ASSERT_TRUE(Succeeded(WritePositionsFile(dir, grid, PositionPeriod::Monthly)));
  std::ifstream in(dir / "Polohy-skupin" / "polohymesicni.dat", std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  EXPECT_EQ(bytes.str().substr(bytes.str().size() - 2), "\r\n");
  EXPECT_NE(bytes.str().find("     Datum\r\n   05.2014"), std::string::npos);
}

// --- group types and largest groups ---

TEST(GroupTypesPerYear, EveryRecordCountsSpecialOnesToo) {
  ObservationRecord r1 = Drawing("10.05.2013", {{0, 10.0, "Dkc"}, {10, 5.0, "Axx"}});
  ObservationRecord r2 = Special(Drawing("11.05.2013", {{0, 10.0, "Dkc"}}));
  ObservationRecord r3 = Drawing("11.05.2015", {{0, 10.0, "Xyz"}});
  const TextGrid grid =
      TypeCountGrid(ComputeTypeCounts(ComputeRecordPositions(DatabaseOf({r1, r2, r3}))));
  ASSERT_EQ(grid.RowCount(), 62);
  ASSERT_EQ(grid.ColumnCount(), 4);
  EXPECT_EQ(grid.Cell(0, 1), "2013");
  EXPECT_EQ(grid.Cell(0, 3), "2015");
  EXPECT_EQ(grid.Cell(1, 0), "Axx");
  EXPECT_EQ(grid.Cell(1, 1), "1");
  EXPECT_EQ(grid.Cell(55, 0), "Dkc");
  EXPECT_EQ(grid.Cell(55, 1), "2");
  EXPECT_EQ(grid.Cell(55, 2), "0");
  EXPECT_EQ(grid.Cell(61, 0), "jiný");
  EXPECT_EQ(grid.Cell(61, 3), "1");
}

TEST(LargestGroups, KeepsTheFiftyLargestOfTheYearFromNormalRecords) {
  std::vector<ObservationRecord> records;
  for (int d = 0; d < 3; ++d) {
    ObservationRecord r = Drawing(DaysAfter("01.02.2012", d));
    for (int k = 0; k < 30; ++k) {
      AddGroup(r, {-40.0 + 2 * k, 10.0, "Cso", k + 1, 1, 10 * (d * 30 + k), 0});
    }
    records.push_back(r);
  }
  records[0].SetSmallSpots(1, 1);  // area 0 + 15.3 -> 15
  ObservationRecord special = Special(Drawing("05.02.2012", {{0, 10.0, "Fkc", 1, 1, 9999}}));
  ObservationRecord otherYear = Drawing("05.02.2013", {{0, 10.0, "Fkc", 1, 1, 9000}});
  records.push_back(special);
  records.push_back(otherYear);
  const Database db = DatabaseOf(records);
  const auto largest = LargestGroups(db, 2012);
  ASSERT_EQ(largest.size(), 50u);
  EXPECT_EQ(largest.front().Area, 890);
  EXPECT_EQ(largest.back().Area, 400);
  for (std::size_t i = 1; i < largest.size(); ++i) EXPECT_GE(largest[i - 1].Area, largest[i].Area);
  EXPECT_EQ(largest.front().Date, "03.02.2012");
  const TextGrid grid = LargestGroupsGrid(largest);
  EXPECT_EQ(grid.RowCount(), 51);
  EXPECT_EQ(grid.Cell(1, 4), "890");
  EXPECT_EQ(grid.Cell(50, 0), "50");
  const YearRange years = RecordYears(db);
  EXPECT_EQ(years.First, 2012);
  EXPECT_EQ(years.Last, 2013);
}

TEST(LargestGroups, SmallSpotAreaRoundsHalfToEvenAndZeroAreaIsLeftOut) {
  ObservationRecord r = Drawing("01.02.2012", {{0, 10.0, "Axx", 1, 1, 0, 0}});
  AddGroup(r, {10, 10.0, "Bxo", 2, 1, 10, 5});  // 10 + 76.5 -> 86
  AddGroup(r, {20, 10.0, "Bxo", 3, 1, 2, 5});   // 2 + 76.5 -> 78.5 -> 78
  const auto largest = LargestGroups(DatabaseOf({r}), 2012);
  ASSERT_EQ(largest.size(), 2u);
  EXPECT_EQ(largest[0].Area, 86);
  EXPECT_EQ(largest[1].Area, 78);
}

// --- evolution of a rotation ---

TEST(RotationEvolution, ShowsEachNumberedGroupOfTheRotationPerDrawing) {
  std::vector<ObservationRecord> records;
  ObservationRecord first = Drawing("01.05.2014");
  const int rotation = first.Rotation();
  for (int d = 0; d < 40; ++d) {
    records.push_back(
        Drawing(DaysAfter("01.05.2014", d),
                {{-20.0 + 3 * (d % 5), 12.0, "Dso", 5, 3, 100, 0}, {0, -5.0, "Axx", 0, 1, 0, 0}}));
  }
  const Database db = DatabaseOf(records);
  const RecordPositions positions = ComputeRecordPositions(db);
  const RotationEvolution evolution = ComputeRotationEvolution(db, positions, rotation + 1);
  ASSERT_TRUE(evolution.Shown);
  EXPECT_EQ(evolution.Grid.RowCount(), 71);
  EXPECT_EQ(evolution.Grid.Cell(5, 0), "   5");
  EXPECT_EQ(evolution.Grid.Cell(0, 1), db.Record(evolution.FirstRecord).Date());
  // At most 41 days after the first drawing shown.
  const auto t0 = DaySerial(*ParseDate(db.Record(evolution.FirstRecord).Date()));
  EXPECT_LE(DaySerial(*ParseDate(db.Record(evolution.LastRecord).Date())) - t0, 41);
  int shown = 0;
  for (int c = 1; c < evolution.Grid.ColumnCount(); ++c) {
    const std::string& cell = evolution.Grid.Cell(5, c);
    if (cell.empty()) continue;
    ++shown;
    const int i = evolution.FirstRecord + c - 1;
    const ObservationRecord& r = db.Record(i);
    // Drawn in the rotation or at the edge of a neighbouring one.
    EXPECT_LE(std::abs(r.Rotation() - (rotation + 1)), 1) << i;
    EXPECT_EQ(cell, "3  Dso  " + std::to_string(EvolutionCorrectedArea(r, 1)));
  }
  EXPECT_GT(shown, 0);
}

TEST(RotationEvolution, RotationStartingWithASpecialRecordIsNotShown) {
  ObservationRecord special = Special(Drawing("01.05.2014", {{0, 10.0, "Dso", 1}}));
  const Database db = DatabaseOf({special, Drawing("02.05.2014", {{0, 10.0, "Dso", 1}})});
  const auto evolution =
      ComputeRotationEvolution(db, ComputeRecordPositions(db), special.Rotation());
  EXPECT_FALSE(evolution.Shown);
  EXPECT_EQ(evolution.Grid.RowCount(), 1);
}

TEST(RotationEvolution, CorrectedAreaUsesTheReducedDistance) {
  ObservationRecord r = Drawing("01.05.2014", {{0, 0.0, "Axx", 1, 1, 100, 0}});
  r.SetDistance10(1, 0);
  EXPECT_EQ(EvolutionCorrectedArea(r, 1), 50);
  r.SetDistance10(1, 1000);  // rho = 0.799: 100 * 0.5 / sqrt(1 - 0.638401) = 83.15
  EXPECT_EQ(EvolutionCorrectedArea(r, 1), 83);
  r.SetDistance10(1, 1250);  // rho = 0.999: 50 / 0.0447 = 1118.3
  EXPECT_EQ(EvolutionCorrectedArea(r, 1), 1118);
  r.SetDistance10(1, 4000);  // damaged: taken on the limb
  EXPECT_EQ(EvolutionCorrectedArea(r, 1), 1118);
}

TEST(RotationEvolution, SpinValueStaysBetweenTheFirstAndLastRotation) {
  const Database db = DatabaseOf({Drawing("01.05.2014"), Drawing("01.08.2014")});
  const int first = db.Record(1).Rotation();
  const int last = db.Record(2).Rotation();
  EXPECT_EQ(ClampEvolutionRotation(db, 3), first);
  EXPECT_EQ(ClampEvolutionRotation(db, first - 5), first);
  EXPECT_EQ(ClampEvolutionRotation(db, last + 9), last);
  EXPECT_EQ(ClampEvolutionRotation(db, first + 1), first + 1);
}

// --- map data ---

// Latitudes below one degree keep their leading zero.
TEST(MapData, LatitudesBelowOneDegreeHaveALeadingZero) {
  RotationStatistics stats;
  stats.FirstRotation = 2100;
  stats.Rotations.resize(1);
  stats.Smoothed.resize(1);
  RotationStats& r = stats.Rotations[0];
  r.MeanNorth = 0.0f;
  r.MeanSouth = -0.65f;
  r.GroupNumbersSouth = 1;
  r.HighestNorth10 = 4;
  r.MostSouthern10 = -7;
  stats.Smoothed[0] = {0.5f, -0.25f, true, true};
  RotationGroupCounts classes;
  classes.Classes.resize(1);
  const TextGrid grid = MapDataGrid(stats, classes);
  ASSERT_EQ(grid.RowCount(), 2);
  EXPECT_EQ(grid.Cell(1, 3), "0.00");
  EXPECT_EQ(grid.Cell(1, 4), "-0.65");
  EXPECT_EQ(grid.Cell(1, 5), "0.50");
  EXPECT_EQ(grid.Cell(1, 6), "-0.25");
  EXPECT_EQ(grid.Cell(1, 7), "0.4");
  EXPECT_EQ(grid.Cell(1, 9), "-0.7");
  EXPECT_EQ(grid.Cell(1, 11), "-0.65");
}

TEST(MapData, RowsShowCountsMeansExtremesAndClassesOrDashesWithoutGroups) {
  RotationStatistics stats;
  stats.FirstRotation = 2100;
  stats.Rotations.resize(7);
  stats.Smoothed.resize(7);
  RotationStats& r1 = stats.Rotations[0];
  r1.MeanNorth = 12.345f;
  r1.MeanSouth = -8.5f;
  r1.GroupNumbersNorth = 3;
  r1.GroupNumbersSouth = 1;
  r1.HighestNorth10 = 205;
  r1.LowestNorth10 = 51;
  r1.MostSouthern10 = -123;
  r1.SouthNearestEquator10 = -40;
  stats.Smoothed[0] = {0, 0};
  stats.Rotations[3].MeanNorth = 5;
  stats.Smoothed[3] = {6.5f, -7.25f, true, true};
  RotationGroupCounts classes;
  classes.Classes.resize(7);
  classes.Classes[0] = {1, 2, 0, 300, 0, 0, 4};
  const TextGrid grid = MapDataGrid(stats, classes);
  ASSERT_EQ(grid.RowCount(), 8);
  EXPECT_EQ(grid.Cell(0, 12), "   A");
  EXPECT_EQ(grid.Cell(0, 18), "   H");
  EXPECT_EQ(grid.Rows[1], (std::vector<std::string>{"2100", "3", "1", "12.35", "-8.50", "---",
                                                    "---", "20.5", "5.1", "-12.3", "-4.0", "3.85",
                                                    "1", "2", "0", "300", "0", "0", "4"}));
  EXPECT_EQ(grid.Cell(2, 0), "2101");
  for (int c = 1; c < 19; ++c) EXPECT_EQ(grid.Cell(2, c), "----");
  EXPECT_EQ(grid.Cell(4, 5), "6.50");
  EXPECT_EQ(grid.Cell(4, 6), "-7.25");
  EXPECT_EQ(MapDataCountLabel(stats), "Počet hodnot je = 7");
}

}  // namespace
}  // namespace ardeno
