// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/quality/noaa_crosscheck.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/quality/quality_check_parts.h"
#include "core/reference/group_placement.h"
#include "core/solar/day_results.h"
#include "core/solar/differential_rotation.h"
#include "support/map_records.h"

namespace ardeno {
namespace {

constexpr CalendarDate kDay{2014, 3, 10};

// A region of the report of kDay (positions valid at its 24:00 UT).
SourceGroup Region(int number, double latitude, double west, int area, const char* mcIntosh) {
  SourceGroup g;
  g.Region = number;
  g.Latitude = latitude;
  g.MeridianDistanceWest = west;
  g.CorrectedArea = area;
  g.Class = mcIntosh;
  g.EpochDate = kDay;
  g.EpochTime = 2400;
  return g;
}

// Where the region stands at 10:00 UT of kDay, 14 hours before its report's positions hold.
double LongitudeAtDrawing(const SourceGroup& g) {
  const double l = CarringtonLongitudeAt(Ephemeris(kDay, 2359), g.MeridianDistanceWest);
  return RotatedLongitude(l, g.Latitude, -14.0 / 24);
}

// The report of kDay: 12000 drawn 1 degree north of its place (class differs), 12001 drawn in the
// south instead of the north, 12002 missed (large, near the meridian), 12003 missed but too small,
// 12004 missed but near the limb; the drawing adds a group of its own.
struct Scene {
  Database Db;
  std::vector<SourceDay> Reports;
};

Scene Build() {
  SourceDay report;
  report.Date = kDay;
  report.Groups = {Region(12000, 12, -20, 200, "Dao"), Region(12001, 18, 30, 100, "Cso"),
                   Region(12002, -8, 10, 60, "Bxo"), Region(12003, -20, -30, 20, "Axx"),
                   Region(12004, 25, 80, 300, "Hsx")};
  ObservationRecord r = test::MapRecord(kDay, 1000);
  r.SetObserver("Novák");
  test::AddGroup(r, 1, LongitudeAtDrawing(report.Groups[0]), 13, 100);
  r.SetGroupType(1, "Dai");
  test::AddGroup(r, 2, LongitudeAtDrawing(report.Groups[1]), -18, 100);
  test::AddGroup(r, 3, LongitudeAtDrawing(report.Groups[0]) + 40, -30, 100);
  StoreDayResults(r, *RecordEphemeris(r));
  // A drawing two days later has no report within a day; a catalogue day is not the station's.
  ObservationRecord later = test::MapRecord({2014, 3, 12}, 1000);
  ObservationRecord noaa = test::MapRecord({2014, 3, 10}, 1200);
  noaa.SetObserver("NOAA");
  noaa.SetStation("NOAA SWPC");
  test::AddGroup(noaa, 1, 100, 50, 10);
  return {test::DatabaseOf({r, noaa, later}), {report}};
}

TEST(NoaaCrossCheckTest, PairsSwapsLoneGroupsAndMissedRegions) {
  const Scene scene = Build();
  const CrossCheckResult result =
      CrossCheck(scene.Db, ComputeRecordPositions(scene.Db), scene.Reports);
  EXPECT_EQ(result.Drawings, 1);
  EXPECT_EQ(result.Groups, 3);
  EXPECT_EQ(result.Matched, 1);
  EXPECT_EQ(result.WrongHemisphere, 1);
  EXPECT_EQ(result.MissedRegions, 1);
  EXPECT_NEAR(result.MedianAbsLatitude, 1.0, 0.15);
  EXPECT_LT(result.MedianAbsLongitude, 0.3);
  EXPECT_EQ(CrossCheckSummary(result), "Shoda: 1 z 3 skupin; medián |Δb| " +
                                           Degrees(result.MedianAbsLatitude) + "°, |Δl| " +
                                           Degrees(result.MedianAbsLongitude) +
                                           "°; opačná polokoule: 1; chybějící oblasti: 1");
  ASSERT_EQ(result.Lines.size(), 4u);
  EXPECT_EQ(result.Lines[0].rfind("10.03.2014 č.1 skupina 1 = AR 12000: Δb ", 0), 0u)
      << result.Lines[0];
  EXPECT_NE(result.Lines[0].find("třída Dai / Dao (rozdíl)"), std::string::npos);
  EXPECT_EQ(result.Lines[1].rfind("10.03.2014 č.1 skupina 2: opačná polokoule, AR 12001", 0), 0u)
      << result.Lines[1];
  EXPECT_EQ(result.Lines[2].rfind("10.03.2014 č.1 skupina 3: žádná oblast NOAA", 0), 0u);
  EXPECT_EQ(result.Lines[3].rfind("10.03.2014 č.1: chybí AR 12002 ", 0), 0u) << result.Lines[3];
}

// A group typed twice finds its region taken by its first copy: that is what the line says, not
// that NOAA has no region there.
TEST(NoaaCrossCheckTest, RepeatedGroupNamesTheGroupThatTookTheRegion) {
  SourceDay report;
  report.Date = kDay;
  report.Groups = {Region(12000, 12, -20, 200, "Dao")};
  ObservationRecord r = test::MapRecord(kDay, 1000);
  r.SetObserver("Novák");
  for (int copy = 0; copy < 2; ++copy)
    test::AddGroup(r, 1, LongitudeAtDrawing(report.Groups[0]), 12, 100);
  test::AddGroup(r, 2, LongitudeAtDrawing(report.Groups[0]) + 40, -30, 100);
  StoreDayResults(r, *RecordEphemeris(r));
  const Database db = test::DatabaseOf({r});
  const CrossCheckResult result = CrossCheck(db, ComputeRecordPositions(db), {report});
  ASSERT_EQ(result.Lines.size(), 3u);
  EXPECT_EQ(result.Lines[0].rfind("10.03.2014 č.1 skupina 1 = AR 12000", 0), 0u) << result.Lines[0];
  EXPECT_EQ(result.Lines[1].rfind("10.03.2014 č.1 skupina 2: AR 12000 leží 0.", 0), 0u)
      << result.Lines[1];
  EXPECT_NE(result.Lines[1].find("je už přiřazena skupině 1"), std::string::npos)
      << result.Lines[1];
  EXPECT_EQ(result.Lines[2], "10.03.2014 č.1 skupina 3: žádná oblast NOAA do 5.0°");
}

TEST(NoaaCrossCheckTest, NothingToCompareGivesZeros) {
  const Scene scene = Build();
  const CrossCheckResult result = CrossCheck(scene.Db, ComputeRecordPositions(scene.Db), {});
  EXPECT_EQ(CrossCheckSummary(result),
            "Shoda: 0 z 0 skupin; medián |Δb| 0.0°, |Δl| 0.0°; opačná polokoule: 0; chybějící "
            "oblasti: 0");
  EXPECT_TRUE(result.Lines.empty());
}

}  // namespace
}  // namespace ardeno
