// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/maps/map_rotation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/map_records.h"

namespace ardeno {
namespace {

TEST(MapRotationDates, RotationStartEndAndCoronaDay) {
  // Rotation 1811: 107.6 / 13.1985 = 8.15 days after 1.1.1989.
  const MapRotationDates dates = RotationDates(1811);
  EXPECT_EQ(dates.Start, (CalendarDate{1989, 1, 9}));
  EXPECT_EQ(dates.End, (CalendarDate{1989, 2, 5}));
  EXPECT_EQ(dates.CoronaDayIndex, 17898 + 9) << "49 years with 13 leap days since 1.1.1940";
  EXPECT_EQ(MapCaption(dates), "Mapa   09.01.1989 - 05.02.1989");
  // One rotation later is 27.28 days later.
  EXPECT_EQ(DaysBetween(RotationDates(1811).Start, RotationDates(1812).Start), 27);
}

struct Stored {
  int rotation;
  int l0;
};

Database StoredRotations(const std::vector<Stored>& stored) {
  std::vector<ObservationRecord> records;
  for (const Stored& s : stored) {
    ObservationRecord r;
    r.SetDate("01.01.2000");
    r.SetRotation(static_cast<std::uint16_t>(s.rotation));
    r.SetCentralL0(static_cast<std::uint16_t>(s.l0));
    records.push_back(r);
  }
  return test::DatabaseOf(records);
}

struct RangeCase {
  std::string name;
  std::vector<Stored> records;
  int rotation;
  int first;
  int last;
};

class MapRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(MapRange, QuarterRotationsOnBothSides) {
  const RangeCase& c = GetParam();
  const MapRecordRange range = RecordRangeOf(StoredRotations(c.records), c.rotation);
  EXPECT_EQ(range.First, c.first);
  if (c.first != 0) EXPECT_EQ(range.Last, c.last);
}

INSTANTIATE_TEST_SUITE_P(
    Records, MapRange,
    ::testing::Values(
        RangeCase{"LastQuarterOfPreviousRotation",
                  {{2000, 200}, {2000, 80}, {2001, 300}, {2001, 10}, {2002, 300}, {2002, 260}},
                  2001,
                  2,
                  5},
        RangeCase{"WithoutPreviousQuarterStartsAtTheRotation",
                  {{2000, 200}, {2000, 120}, {2001, 300}, {2002, 280}},
                  2001,
                  3,
                  4},
        RangeCase{"LaterRotationEndsTheRange", {{2001, 300}, {2001, 100}, {2003, 300}}, 2001, 1, 2},
        RangeCase{"RunsToTheLastRecord", {{2001, 300}, {2002, 350}, {2002, 290}}, 2001, 1, 3},
        RangeCase{"NoRecordOfTheRotation", {{1990, 100}, {1995, 100}}, 1993, 0, 0},
        RangeCase{"EmptyDatabase", {}, 2001, 0, 0}),
    [](const auto& info) { return info.param.name; });

TEST(MapRotationList, FirstRecordOfEachRisingRotation) {
  Database db =
      StoredRotations({{1900, 10}, {1900, 5}, {1901, 300}, {1899, 1}, {1901, 200}, {1903, 100}});
  const auto list = BuildRotationList(db);
  ASSERT_EQ(list.size(), 4u);
  EXPECT_EQ(list[0].RecordIndex, 1);
  EXPECT_EQ(list[1].RecordIndex, 3);
  EXPECT_EQ(list[2].RecordIndex, 5) << "a rise after a damaged lower rotation adds again";
  EXPECT_EQ(list[3].Rotation, 1903);
  EXPECT_EQ(RotationListPosition(list, 2), 0);
  EXPECT_EQ(RotationListPosition(list, 4), 1);
  EXPECT_EQ(RotationListPosition(list, 6), 3);
  EXPECT_EQ(RotationListPosition({}, 6), 0);
}

struct SightingCase {
  std::string name;
  double l0;
  double cmd;
  int recordRotation;
  int rotation;
};

class MapSightingRotation : public ::testing::TestWithParam<SightingCase> {};

TEST_P(MapSightingRotation, LongitudeDecides) {
  const SightingCase& c = GetParam();
  EXPECT_EQ(SightingRotation(c.l0, c.cmd, c.recordRotation), c.rotation);
}

INSTANTIATE_TEST_SUITE_P(
    Sightings, MapSightingRotation,
    ::testing::Values(SightingCase{"OnTheCentralMeridian", 180, 0, 2000, 2000},
                      SightingCase{"EastOfLongitude360BelongsToThePreviousRotation", 350, -30, 2001,
                                   2000},
                      SightingCase{"WestOfLongitude0BelongsToTheNextRotation", 20, 40, 2000, 2001},
                      SightingCase{"NearTheStartButInside", 350, -5, 2001, 2001},
                      SightingCase{"NearTheEndButInside", 20, 15, 2000, 2000}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace ardeno
