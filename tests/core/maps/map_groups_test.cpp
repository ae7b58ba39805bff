// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/maps/map_groups.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/groups/group_statistics.h"
#include "core/maps/map_faculae.h"
#include "core/maps/map_plot_data.h"
#include "core/maps/map_strips.h"
#include "support/map_records.h"

namespace ardeno {
namespace {

using test::AddGroup;
using test::AuxWord;
using test::MapRecord;

constexpr int kScale = 32;  // map units of two pixels

// The first date from `from` whose L0 at noon lies in [low, high).
CalendarDate DateWithL0(CalendarDate from, double low, double high) {
  for (int d = 0; d < 60; ++d, from = DateFromSerial(DaySerial(from) + 1)) {
    const double l0 = Ephemeris(from, 1200).EphL0;
    if (l0 >= low && l0 < high) return from;
  }
  ADD_FAILURE() << "no such date";
  return from;
}

CalendarDate NextDay(const CalendarDate& d, int days = 1) {
  return DateFromSerial(DaySerial(d) + days);
}

struct Built {
  Database db;
  RecordPositions positions;
  MapSightings sightings;
};

Built Build(const std::vector<ObservationRecord>& records) {
  Built b;
  b.db = test::DatabaseOf(records);
  b.positions = ComputeRecordPositions(b.db);
  b.sightings = ComputeMapSightings(b.db, b.positions);
  return b;
}

std::vector<MapGroupDrawing> Drawings(const Built& b, int rotation, int areaMultiple = 1,
                                      bool outlines = true) {
  const GroupMapStats stats =
      AccumulateGroups(b.sightings, RecordRangeOf(b.db, rotation), rotation, kScale);
  return MapGroupDrawings(stats, kScale, areaMultiple, outlines);
}

// Three days of one rotation, the group near the central meridian.
struct ThreeDays {
  std::vector<ObservationRecord> records;
  int rotation = 0;
  double l = 0;
};

ThreeDays GroupOnThreeDays(std::uint16_t a1, std::uint16_t a2, std::uint16_t a3) {
  ThreeDays t;
  const CalendarDate d1 = DateWithL0({2003, 5, 1}, 150, 170);
  t.l = Ephemeris(NextDay(d1), 1200).EphL0;
  const std::uint16_t areas[3] = {a1, a2, a3};
  for (int d = 0; d < 3; ++d) {
    ObservationRecord r = MapRecord(NextDay(d1, d));
    AddGroup(r, 5, t.l, 12.0 + d, areas[d]);
    t.records.push_back(r);
  }
  t.rotation = t.records[0].Rotation();
  return t;
}

TEST(MapGroups, SeveralDaysGiveOneDiscAtTheMean) {
  const ThreeDays t = GroupOnThreeDays(100, 400, 900);
  const Built b = Build(t.records);
  const auto drawings = Drawings(b, t.rotation);
  ASSERT_EQ(drawings.size(), 1u);
  const MapGroupDrawing& d = drawings[0];
  EXPECT_EQ(d.GroupNumber, 5);
  ASSERT_TRUE(d.Group);
  EXPECT_NEAR(d.Group->X, MapPixels(MapX(t.l), kScale), 2);
  EXPECT_NEAR(d.Group->Y, MapPixels(MapY(13), kScale), 2) << "latitudes 12, 13, 14";
  const int radii =
      MapDiscRadius(kScale, 100) + MapDiscRadius(kScale, 400) + MapDiscRadius(kScale, 900);
  EXPECT_EQ(d.Group->R, radii / 3);
  EXPECT_FALSE(d.Aux1 || d.Aux2 || d.Outline) << "no auxiliary spot: only the group's disc";
  const auto table =
      MapTable(AccumulateGroups(b.sightings, RecordRangeOf(b.db, t.rotation), t.rotation, kScale));
  ASSERT_EQ(table.size(), 1u);
  EXPECT_EQ(table[0].Latitude, "13.0");
}

// The maps read the shared statistics: their data and the facular vertices are prepared when a
// map first asks, and every change of the data (a corrected group, a new facula) reaches them.
TEST(MapGroups, SharedStatisticsFollowEachChangeOfTheData) {
  ThreeDays t = GroupOnThreeDays(100, 400, 900);
  Database db = test::DatabaseOf(t.records);
  GroupStatisticsCache cache;
  EXPECT_FALSE(cache.All(db).Positions.HasFaculaVertices) << "statistics alone need no vertices";
  const MapSightings& before = cache.Maps(db);
  ASSERT_EQ(before.Sightings.size(), 3u);
  EXPECT_NEAR(before.Sightings[1].Place.Latitude, 13, 0.5);
  EXPECT_TRUE(cache.All(db).Positions.HasFaculaVertices);

  db.Record(2).SetDistance10(1, 0);  // the group moved to the disk's centre: latitude B0
  db.Record(3).SetFacularCount(1);
  db.Record(3).SetFaculaVertex(1, 1, 90 * 128 + 30);
  db.Record(3).SetFaculaVertex(1, 2, 100 * 128 + 30);
  cache.Invalidate();
  const MapSightings& after = cache.Maps(db);
  const RecordPositions& positions = cache.WithFaculae(db).Positions;
  EXPECT_EQ(after.Sightings[1].Place.Latitude, positions.GroupsOf(2)[0].HelioLatitude);
  EXPECT_NEAR(after.Sightings[1].Place.Latitude, positions.Record(2).Eph.EphB0, 1e-6);
  ASSERT_EQ(after.FaculaeOf(3).size(), 1u);
  EXPECT_EQ(after.VerticesOf(after.FaculaeOf(3)[0]).size(), 2u);
  const MapSightings fresh = ComputeMapSightings(db, ComputeRecordPositions(db));
  EXPECT_EQ(after.Vertices.size(), fresh.Vertices.size());
  EXPECT_EQ(after.Vertices[0], fresh.Vertices[0]);
}

TEST(MapGroups, AreaMultipleDoublesTheRadiusNotTheArea) {
  const ThreeDays t = GroupOnThreeDays(300, 300, 300);
  const Built b = Build(t.records);
  const auto once = Drawings(b, t.rotation, 1);
  const auto twice = Drawings(b, t.rotation, 2);
  ASSERT_TRUE(once.size() == 1 && twice.size() == 1);
  EXPECT_EQ(twice[0].Group->R, 2 * once[0].Group->R);
  EXPECT_EQ(twice[0].Group->X, once[0].Group->X);
}

TEST(MapGroups, UnnumberedAndTooHighGroupNumbersAreNotDrawn) {
  ThreeDays t = GroupOnThreeDays(300, 300, 300);
  AddGroup(t.records[1], 0, t.l - 20, -10, 200);
  AddGroup(t.records[1], 72, t.l + 20, -10, 200);
  AddGroup(t.records[1], 71, t.l + 10, -20, 200);
  const Built b = Build(t.records);
  const auto drawings = Drawings(b, t.rotation);
  ASSERT_EQ(drawings.size(), 2u);
  EXPECT_EQ(drawings[0].GroupNumber, 5);
  EXPECT_EQ(drawings[1].GroupNumber, 71);
}

struct SharedNumberCase {
  std::string name;
  double dl;  // second group's longitude from the first's
  double db;  // and latitude
  std::size_t discs;
};

class SharedGroupNumber : public ::testing::TestWithParam<SharedNumberCase> {};

TEST_P(SharedGroupNumber, FarApartAreTwoGroupsNearAreOne) {
  // Group 5 on three days at l, 12..14; on the middle day another group numbered 5 as well.
  const SharedNumberCase& c = GetParam();
  ThreeDays t = GroupOnThreeDays(300, 300, 300);
  AddGroup(t.records[1], 5, t.l + c.dl, 13 + c.db, 300);
  const Built b = Build(t.records);
  const auto drawings = Drawings(b, t.rotation);
  ASSERT_EQ(drawings.size(), c.discs);
  const auto table =
      MapTable(AccumulateGroups(b.sightings, RecordRangeOf(b.db, t.rotation), t.rotation, kScale));
  ASSERT_EQ(table.size(), c.discs);
  if (c.discs == 2) {
    // Each at its own place, never at the mean of both.
    EXPECT_EQ(drawings[0].GroupNumber, 5);
    EXPECT_EQ(drawings[1].GroupNumber, 5);
    EXPECT_NEAR(drawings[0].Group->X, MapPixels(MapX(t.l), kScale), 2);
    EXPECT_NEAR(drawings[0].Group->Y, MapPixels(MapY(13), kScale), 2);
    // Near the limb 0.1 mm of the drawing is up to 3 degrees of longitude (6 pixels here).
    EXPECT_NEAR(drawings[1].Group->X, MapPixels(MapX(t.l + c.dl), kScale), 8);
    EXPECT_NEAR(drawings[1].Group->Y, MapPixels(MapY(13 + c.db), kScale), 2);
  }
  // Two groups side by side on one strip as well.
  const auto strips = BuildStrips(b.db, b.sightings, StripVariant::Long, 2, t.rotation, 1, 1);
  EXPECT_EQ(strips[0].Groups.size(), c.discs);
}

INSTANTIATE_TEST_SUITE_P(Places, SharedGroupNumber,
                         ::testing::Values(SharedNumberCase{"Reported88DegreesEast", -88, 0, 2},
                                           SharedNumberCase{"OtherHemisphere", 0, -26, 2},
                                           SharedNumberCase{"SixteenDegreesWest", 16, 0, 2},
                                           SharedNumberCase{"SameGroupTenDegreesOn", 10, 0, 1},
                                           SharedNumberCase{"SameGroupFourteenDegreesNorth", 0, 14,
                                                            1}),
                         [](const auto& info) { return info.param.name; });

TEST(MapPlotData, GroupRowsAreTheTablesValuesAndAuxSpotsComeBackInDegrees) {
  ThreeDays t = GroupOnThreeDays(300, 300, 300);
  const int far = AddGroup(t.records[1], 5, t.l - 60, -20, 300);
  t.records[1].SetAux1Position(far, AuxWord(t.records[1], t.l - 56, -20));
  t.records[1].SetAux1Area(far, 100);
  const Built b = Build(t.records);
  const PlotData data = MapPlotData(b.db, b.sightings, {t.rotation}, {true, true, false});
  EXPECT_EQ(data.Columns,
            (std::vector<std::string>{"otocka", "delka", "sirka", "skupina", "druh"}));
  const auto table =
      MapTable(AccumulateGroups(b.sightings, RecordRangeOf(b.db, t.rotation), t.rotation, kScale));
  std::vector<std::vector<std::string>> groups;
  std::vector<std::vector<std::string>> aux;
  for (const auto& row : data.Rows) (row[4] == "skupina" ? groups : aux).push_back(row);
  ASSERT_EQ(groups.size(), table.size());
  ASSERT_EQ(groups.size(), 2u) << "two groups numbered 5";
  for (const auto& row : groups) {
    EXPECT_EQ(row[0], std::to_string(t.rotation));
    EXPECT_EQ(row[3], "5");
    const bool listed = std::any_of(table.begin(), table.end(), [&row](const MapTableCell& c) {
      return std::abs(std::stod(c.Longitude) - std::stod(row[1])) < 0.051 &&
             std::abs(std::stod(c.Latitude) - std::stod(row[2])) < 0.051;
    });
    EXPECT_TRUE(listed) << row[1] << " " << row[2];
  }
  ASSERT_EQ(aux.size(), 1u);
  EXPECT_EQ(aux[0][4], "pomocna_skvrna_1");
  // Whole degrees of the position word and half-degree map units: within a degree.
  EXPECT_NEAR(std::stod(aux[0][1]), t.l - 56, 1.0);
  EXPECT_NEAR(std::stod(aux[0][2]), -20, 1.0);
  // The strips draw the groups alone.
  EXPECT_EQ(MapPlotData(b.db, b.sightings, {t.rotation, t.rotation + 1}, {}).Rows.size(), 2u);
}

TEST(MapGroups, SightingInTheNextRotationCountsWhereItsLongitudeBelongs) {
  // The next rotation has just begun (L0 near 350); a group at longitude 10 is still east.
  const CalendarDate early = DateWithL0({2003, 5, 1}, 340, 358);
  ObservationRecord r = MapRecord(early);
  AddGroup(r, 3, 10, 5, 300);
  const int next = r.Rotation();
  const Built b = Build({MapRecord(NextDay(early, -3)), r});
  ASSERT_EQ(b.sightings.Sightings.size(), 1u);
  EXPECT_EQ(b.sightings.Sightings[0].Rotation, next - 1);
  const auto previous = Drawings(b, next - 1);
  ASSERT_EQ(previous.size(), 1u);
  EXPECT_NEAR(previous[0].Group->X, MapPixels(MapX(10), kScale), 2) << "near the map's right edge";
  EXPECT_TRUE(Drawings(b, next).empty());
}

TEST(MapGroups, AuxiliarySpotsAndTheirOutline) {
  const CalendarDate date = DateWithL0({2003, 5, 1}, 150, 170);
  ObservationRecord r = MapRecord(date);
  const double l0 = Ephemeris(date, 1200).EphL0;
  const int near = AddGroup(r, 1, l0, 10, 300);
  r.SetAux1Position(near, AuxWord(r, l0 + 4, 10));
  r.SetAux1Area(near, 100);
  r.SetAux2Position(near, AuxWord(r, l0 - 4, 12));
  r.SetAux2Area(near, 50);
  const int far = AddGroup(r, 2, l0 - 10, -15, 300);
  r.SetAux1Position(far, AuxWord(r, l0 + 40, -15));  // 100 map units = 200 pixels away
  r.SetAux1Area(far, 100);
  const Built b = Build({r});
  const auto drawings = Drawings(b, r.Rotation());
  ASSERT_EQ(drawings.size(), 2u);
  ASSERT_TRUE(drawings[0].Aux1 && drawings[0].Aux2);
  EXPECT_TRUE(drawings[0].Outline);
  EXPECT_NEAR(drawings[0].Aux1->X, MapPixels(MapX(l0 + 4), kScale), 4);
  EXPECT_EQ(drawings[0].Aux1->R, MapDiscRadius(kScale, 100));
  ASSERT_TRUE(drawings[1].Aux1);
  EXPECT_FALSE(drawings[1].Outline) << "more than 100 pixels apart";
  EXPECT_FALSE(Drawings(b, r.Rotation(), 1, false)[0].Outline) << "outlines switched off";
}

TEST(MapGroups, AuxSpotAcrossTheMapEdgeJoinsItsGroup) {
  GroupMapStats stats(2);
  const int k = 16;  // one pixel per unit
  stats[0].GroupNumber = 4;
  stats[0].Group = {MapX(359), MapY(0), 5, 1};
  stats[0].Aux[0] = {MapX(1), MapY(0), 3, 1};  // 716 units to the right
  stats[1].GroupNumber = 6;
  stats[1].Group = {MapX(1), MapY(0), 5, 1};
  stats[1].Aux[0] = {MapX(358), MapY(0), 3, 1};
  const auto drawings = MapGroupDrawings(stats, k, 1, true);
  ASSERT_EQ(drawings.size(), 2u);
  EXPECT_EQ(drawings[0].Aux1->X, MapX(1) - 721);
  EXPECT_TRUE(drawings[0].Outline);
  EXPECT_EQ(drawings[1].Aux1->X, MapX(358) + 721) << "moved, not mirrored";
  EXPECT_EQ(drawings[1].Aux1->X - drawings[1].Group->X, 7) << "3 degrees apart, 721 units a turn";
}

TEST(MapTable, HighLongitudesFirstAndRowsOf23Then24) {
  GroupMapStats stats(50);
  for (int g = 1; g <= 50; ++g) {
    GroupMapEntry& entry = stats[static_cast<std::size_t>(g - 1)];
    entry.GroupNumber = g;
    entry.Group.Count = 1;
    entry.MeanLongitude = static_cast<float>(g * 7 % 360);
    entry.MeanLatitude = -3.25f;
  }
  const auto cells = MapTable(stats);
  ASSERT_EQ(cells.size(), 50u);
  for (std::size_t i = 1; i < cells.size(); ++i)
    EXPECT_GE(stats[static_cast<std::size_t>(cells[i - 1].GroupNumber - 1)].MeanLongitude,
              stats[static_cast<std::size_t>(cells[i].GroupNumber - 1)].MeanLongitude);
  EXPECT_EQ(cells[22].Row, 1);
  EXPECT_EQ(cells[22].Column, 23);
  EXPECT_EQ(cells[23].Row, 2) << "the 24th entry opens a new row";
  EXPECT_EQ(cells[23].Column, 1);
  EXPECT_EQ(cells[47].Row, 3);
  EXPECT_EQ(cells[0].Latitude, "-3.3") << "one decimal, half away from zero";
}

struct FaculaCase {
  std::string name;
  double l;
  int recordRotation;
  int recordL0;
  double expected;
};

class MapFaculaLongitude : public ::testing::TestWithParam<FaculaCase> {};

TEST_P(MapFaculaLongitude, MovedAcrossTheRotationBoundary) {
  const FaculaCase& c = GetParam();
  EXPECT_EQ(FaculaMapLongitude(c.l, c.recordRotation, c.recordL0, 2000), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, MapFaculaLongitude,
    ::testing::Values(FaculaCase{"PreviousRotationLateLowLongitude", 80, 1999, 300, 440},
                      FaculaCase{"PreviousRotationBothBelow180", 170, 1999, 100, 530},
                      FaculaCase{"PreviousRotationOtherwiseKept", 200, 1999, 300, 200},
                      FaculaCase{"ThisRotationStartLowLongitude", 30, 2000, 300, 390},
                      FaculaCase{"ThisRotationEndHighLongitude", 300, 2000, 40, -60},
                      FaculaCase{"ThisRotationMiddleKept", 300, 2000, 200, 300},
                      FaculaCase{"NextRotationStartHighLongitude", 200, 2001, 290, -160},
                      FaculaCase{"NextRotationStartLowLongitudeKept", 100, 2001, 290, 100}),
    [](const auto& info) { return info.param.name; });

TEST(MapFaculae, OnlyFieldsWhollyInsideTheMap) {
  MapSightings s;
  s.Records.push_back({true, 2000, 180, 0, 0, 0, 2});
  s.Vertices = {{100, 10}, {104, 10}, {104, 14}, {300, 85}, {304, 91}};
  s.Faculae = {{0, 3}, {3, 2}};
  const auto polygons = MapFaculae(s, {1, 1}, 2000);
  ASSERT_EQ(polygons.size(), 1u);
  EXPECT_EQ(polygons[0][0], (MapUnitPoint{MapX(100), MapY(10)}));
  EXPECT_TRUE(MapFaculae(s, {1, 1}, 2002).empty()) << "a record two rotations before";
}

struct StripCase {
  std::string name;
  StripVariant variant;
  int k;
  int strip;
  double l;
  double b;
  int x;
  int y;
};

class MapStripPlace : public ::testing::TestWithParam<StripCase> {};

TEST_P(MapStripPlace, GroupsAtTheirStripPositions) {
  const StripCase& c = GetParam();
  EXPECT_EQ(StripX(c.variant, c.k, c.strip, c.l), c.x);
  EXPECT_EQ(StripY(c.variant, c.k, c.strip, c.b), c.y);
}

INSTANTIATE_TEST_SUITE_P(
    Strips, MapStripPlace,
    ::testing::Values(
        // Long map, k = 2: strips 120 pixels wide; 1/6 pixel per degree, 6 per degree of b.
        StripCase{"LongFirstStripLongitude0", StripVariant::Long, 2, 0, 0, 0, 120, 350},
        StripCase{"LongThirdStrip", StripVariant::Long, 2, 2, 180, 10, 240 + 120 - 30, 350 - 60},
        StripCase{"LongLastStripSouth", StripVariant::Long, 2, 15, 360, -20.4, 1800 + 120 - 60,
                  350 + 122},
        StripCase{"LongScaleOne", StripVariant::Long, 1, 3, 90, 5, 180 + 60 - 8, 175 - 15},
        // High map, k = 2: 8/3 half-units per degree, strips 80 pixels apart; longitude 360 at
        // 20 k, where its grid line and label stand.
        StripCase{"HighFirstStrip", StripVariant::High, 2, 0, 360, 20, 40, 60 - 10},
        StripCase{"HighFourthStrip", StripVariant::High, 2, 3, 90, -30, 40 + 960 - 240, 300 + 15},
        StripCase{"HighLongitude0", StripVariant::High, 1, 0, 0, 0, 20 + 480, 30},
        StripCase{"TwoMapsLower", StripVariant::Two, 1, 1, 180, 45, 480 - 120, 195 - 22}),
    [](const auto& info) { return info.param.name; });

TEST(MapStrips, HowManyRotations) {
  EXPECT_EQ(StripCount(StripVariant::Long, 2000, 2003, 500, 2), 16);
  EXPECT_EQ(StripCount(StripVariant::Two, 2000, 2003, 500, 2), 2);
  EXPECT_EQ(StripCount(StripVariant::High, 2000, 2100, 830, 2), 10) << "(830 - 30) div 80";
  EXPECT_EQ(StripCount(StripVariant::High, 2000, 2003, 830, 2), 4) << "up to the last rotation";
  EXPECT_EQ(StripCount(StripVariant::High, 2005, 2003, 830, 2), 0);
  EXPECT_EQ(StripScale(1900), 2);
  EXPECT_EQ(StripScale(300), 1);
  EXPECT_EQ(StripPrintScale(4960), 9);
}

TEST(MapStrips, EachRotationGetsItsOwnGroups) {
  const ThreeDays t = GroupOnThreeDays(300, 300, 300);
  const Built b = Build(t.records);
  const auto strips = BuildStrips(b.db, b.sightings, StripVariant::Long, 2, t.rotation - 1, 16, 1);
  ASSERT_EQ(strips.size(), 16u);
  EXPECT_TRUE(strips[0].Groups.empty());
  ASSERT_EQ(strips[1].Groups.size(), 1u);
  EXPECT_EQ(strips[1].Rotation, t.rotation);
  EXPECT_NEAR(strips[1].Groups[0].Disc.X, StripX(StripVariant::Long, 2, 1, t.l), 1);
  EXPECT_EQ(strips[1].Groups[0].Disc.Y, StripY(StripVariant::Long, 2, 1, 13));
}

}  // namespace
}  // namespace ardeno
