// SPDX-License-Identifier: GPL-3.0-or-later
// Per-rotation latitude statistics and groups per rotation: which rotation a sighting goes to,
// means, extremes, smoothing, class and group-number counts, and the table bounds.
#include "core/groups/rotation_statistics.h"

#include <gtest/gtest.h>

#include "core/groups/group_records.h"
#include "core/groups/rotation_groups.h"
#include "core/groups/rotation_membership.h"

namespace ardeno {
namespace {

using test::AddGroup;
using test::DatabaseOf;
using test::Drawing;
using test::GroupSpec;
using test::Special;

// The first date from `from` on whose noon central longitude lies in [lo, hi).
std::string DateWithL0(CalendarDate from, double lo, double hi) {
  for (std::int64_t s = DaySerial(from);; ++s) {
    const CalendarDate d = DateFromSerial(s);
    const double l0 = Ephemeris(d, 1200).EphL0;
    if (l0 >= lo && l0 < hi) return FormatDate(d);
  }
}

std::string DaysAfter(const std::string& date, int days) {
  return FormatDate(DateFromSerial(DaySerial(*ParseDate(date)) + days));
}

struct Computed {
  RotationStatistics Stats;
  RotationGroupCounts Groups;
};

Computed Compute(const Database& db) {
  const RecordPositions positions = ComputeRecordPositions(db);
  Computed c{ComputeRotationStatistics(db, positions), {}};
  c.Groups = ComputeRotationGroups(db, positions, c.Stats);
  return c;
}

// --- which rotation a sighting belongs to ---

struct MembershipCase {
  std::string Name;
  double Longitude;
  double L0;
  int RecordRotation;
  bool InRotation2000;
};

class Membership : public ::testing::TestWithParam<MembershipCase> {};

TEST_P(Membership, FollowsLongitudeCentralMeridianAndRecordRotation) {
  const MembershipCase& c = GetParam();
  EXPECT_EQ(GroupBelongsToRotation(c.Longitude, c.L0, c.RecordRotation, 2000), c.InRotation2000);
}

INSTANTIATE_TEST_SUITE_P(
    Conditions, Membership,
    ::testing::Values(
        MembershipCase{"PreviousRotationLateGroupPastLongitude270", 300, 40, 1999, true},
        MembershipCase{"PreviousRotationLateGroupJustPast270", 275, 40, 1999, true},
        MembershipCase{"PreviousRotationLateGroupBelow270", 265, 40, 1999, false},
        MembershipCase{"PreviousRotationCentralMeridianAbove90", 300, 120, 1999, false},
        MembershipCase{"OwnRotationWestHalf", 250, 150, 2000, true},
        MembershipCase{"OwnRotationEastHalf", 100, 150, 2000, true},
        MembershipCase{"OwnRotationEarlyGroupBelow90BelongsToPrevious", 40, 300, 2000, false},
        MembershipCase{"OwnRotationLateGroupAbove270BelongsToNext", 300, 40, 2000, false},
        MembershipCase{"NextRotationEarlyGroupBelow90", 40, 300, 2001, true},
        MembershipCase{"NextRotationEarlyGroupAbove90", 120, 300, 2001, false},
        MembershipCase{"TwoRotationsAway", 100, 150, 2002, false}),
    [](const auto& info) { return info.param.Name; });

// --- ComputeRotationStatistics ---

TEST(RotationStatistics, MeansAreTheSightingAveragesPerHemisphere) {
  const std::string day = DateWithL0({2014, 3, 1}, 150, 200);
  Database db = DatabaseOf({Drawing(day, {{0, 10.0}, {10, 20.0}, {-5, -12.0}}),
                            Drawing(DaysAfter(day, 1), {{5, 15.0}})});
  const RecordPositions positions = ComputeRecordPositions(db);
  const RotationStatistics stats = ComputeRotationStatistics(db, positions);
  ASSERT_EQ(stats.RotationStatsCount(), 1);
  const double north =
      (positions.GroupsOf(1)[0].HelioLatitude + positions.GroupsOf(1)[1].HelioLatitude +
       positions.GroupsOf(2)[0].HelioLatitude) /
      3;
  EXPECT_FLOAT_EQ(stats.At(1).MeanNorth, static_cast<float>(north));
  EXPECT_NEAR(stats.At(1).MeanNorth, 15.0, 0.1);
  EXPECT_NEAR(stats.At(1).MeanSouth, -12.0, 0.1);
  EXPECT_EQ(stats.At(1).SightingsNorth, 3);
  EXPECT_EQ(stats.At(1).SightingsSouth, 1);
  EXPECT_EQ(stats.At(1).HighestNorth10, 200);
  EXPECT_EQ(stats.At(1).LowestNorth10, 100);
  EXPECT_EQ(stats.At(1).MostSouthern10, -120);
  EXPECT_EQ(stats.At(1).SouthNearestEquator10, -120);
  EXPECT_NEAR(stats.YearAt(1).HighestNorth, 20.0, 0.1);
  EXPECT_NEAR(stats.YearAt(1).LowestNorth, 10.0, 0.1);
  EXPECT_EQ(stats.StatsFirstYear, 2014);
  EXPECT_EQ(stats.StatsLastYear, 2014);
}

TEST(RotationStatistics, RotationWithoutNorthernGroupsHasMeanZeroAndNoExtremes) {
  const std::string day = DateWithL0({2014, 3, 1}, 150, 200);
  Database db = DatabaseOf({Drawing(day, {{0, -8.0}, {20, -25.0}})});
  const RotationStatistics stats = Compute(db).Stats;
  ASSERT_EQ(stats.RotationStatsCount(), 1);
  EXPECT_EQ(stats.At(1).MeanNorth, 0.0f);
  EXPECT_EQ(stats.At(1).HighestNorth10, 0);
  EXPECT_EQ(stats.At(1).LowestNorth10, 0);  // the start value never shows
  EXPECT_EQ(stats.At(1).SouthNearestEquator10, -80);
  EXPECT_EQ(stats.At(1).MostSouthern10, -250);
  EXPECT_EQ(stats.YearAt(1).LowestNorth, 0.0f);
  EXPECT_NEAR(stats.YearAt(1).SouthNearestEquator, -8.0, 0.1);
}

TEST(RotationStatistics, GroupSeenLateGoesToTheNextRotationAndSpecialRecordsOnlyExtendTheCount) {
  const std::string early = DateWithL0({2014, 3, 1}, 150, 200);
  const std::string late = DateWithL0(*ParseDate(early), 30, 60);
  ObservationRecord special = Special(Drawing(DaysAfter(late, 27), {{0, 30.0}}));
  Database db = DatabaseOf({Drawing(early, {{0, 10.0}}),
                            Drawing(late, {{60, 20.0}}),  // longitude above 270: next rotation
                            special});
  const RotationStatistics stats = Compute(db).Stats;
  ASSERT_EQ(stats.RotationStatsCount(), 2);
  EXPECT_NEAR(stats.At(1).MeanNorth, 10.0, 0.1);
  EXPECT_NEAR(stats.At(2).MeanNorth, 20.0, 0.1);
  EXPECT_EQ(stats.At(2).SightingsNorth, 1);
}

TEST(RotationStatistics, GroupOfTheFirstRotationGivenToTheOneBeforeIsLeftOut) {
  const std::string early = DateWithL0({2014, 3, 1}, 300, 340);
  // Longitude below 90 while the central meridian is above 270: rotation index 0.
  Database db = DatabaseOf({Drawing(early, {{-60, 10.0}, {0, 20.0}})});
  const RotationStatistics stats = Compute(db).Stats;
  ASSERT_EQ(stats.RotationStatsCount(), 1);
  EXPECT_EQ(stats.At(1).SightingsNorth, 1);
  EXPECT_NEAR(stats.At(1).MeanNorth, 20.0, 0.1);
  EXPECT_FALSE(stats.LeftOut);
}

TEST(RotationStatistics, SmoothingWeighsFiveRotationsOneTwoTwoTwoOne) {
  // One drawing per rotation (every 27 days) with one northern group at 10 + k degrees.
  std::vector<ObservationRecord> records;
  const std::string first = DateWithL0({2014, 3, 1}, 150, 200);
  for (int k = 0; k < 9; ++k) {
    records.push_back(Drawing(DaysAfter(first, 27 * k + (k > 4 ? 1 : 0)), {{0, 10.0 + k}}));
  }
  Database db = DatabaseOf(records);
  const RotationStatistics stats = Compute(db).Stats;
  const int count = stats.RotationStatsCount();
  ASSERT_GE(count, 8);
  for (int k = 1; k <= count; ++k) {
    SCOPED_TRACE(k);
    if (k < 3 || k > count - 3) {
      EXPECT_EQ(stats.SmoothedAt(k).North, 0.0f);
      continue;
    }
    auto mean = [&](int j) { return static_cast<double>(stats.At(j).MeanNorth); };
    EXPECT_FLOAT_EQ(
        stats.SmoothedAt(k).North,
        static_cast<float>(
            (0.5 * mean(k - 2) + mean(k - 1) + mean(k) + mean(k + 1) + 0.5 * mean(k + 2)) * 0.25));
  }
}

// A rotation without a northern group has no mean there: the smoothing takes the rotations of
// the five that have one, with their weights, instead of counting it as the equator.
TEST(RotationStatistics, SmoothingLeavesOutRotationsWithoutGroups) {
  std::vector<ObservationRecord> records;
  const std::string first = DateWithL0({2014, 3, 1}, 150, 200);
  for (int k = 0; k < 11; ++k) {
    if (k == 5) continue;  // no drawing near the sixth rotation
    records.push_back(Drawing(DaysAfter(first, 27 * k + k / 3), {{0, 10.0 + k}}));
  }
  Database db = DatabaseOf(records);
  const RotationStatistics stats = Compute(db).Stats;
  const int count = stats.RotationStatsCount();
  ASSERT_GE(count, 10);
  int gaps = 0;
  for (int k = 3; k <= count - 3; ++k) {
    SCOPED_TRACE(k);
    constexpr double kWeights[5] = {0.5, 1, 1, 1, 0.5};
    double sum = 0;
    double weight = 0;
    for (int i = 0; i < 5; ++i) {
      const RotationStats& r = stats.At(k - 2 + i);
      if (r.SightingsNorth == 0) continue;
      sum += kWeights[i] * r.MeanNorth;
      weight += kWeights[i];
    }
    if (weight < 4) ++gaps;
    ASSERT_TRUE(stats.SmoothedAt(k).HasNorth);
    EXPECT_FLOAT_EQ(stats.SmoothedAt(k).North, static_cast<float>(sum / weight));
    EXPECT_GT(stats.SmoothedAt(k).North, 10.0f) << "never pulled toward the equator";
    EXPECT_FALSE(stats.SmoothedAt(k).HasSouth) << "no southern group at all";
  }
  EXPECT_GT(gaps, 0) << "the data must hold a rotation without groups";
}

// The tables grow with the data: a rotation 1300 after record 1's and a year 105 after its year
// are counted; only a record whose rotation lies before record 1's is left out, and counted.
TEST(RotationStatistics, FarRecordsAreCountedAndOnlyEarlierRotationsLeftOut) {
  ObservationRecord first = Drawing("10.03.1900", {{0, 10.0}});
  ObservationRecord farRotation = Drawing("12.03.1900", {{0, 40.0}});
  farRotation.SetRotation(static_cast<std::uint16_t>(first.Rotation() + 1300));
  ObservationRecord earlier = Drawing("13.03.1900", {{0, 50.0}});
  earlier.SetRotation(static_cast<std::uint16_t>(first.Rotation() - 1));
  ObservationRecord farYear = Drawing("11.03.2005", {{0, 30.0}});
  farYear.SetRotation(first.Rotation());  // keeps the rotation table small
  Database db = DatabaseOf({first, farRotation, earlier, farYear});
  const RotationStatistics stats = ComputeRotationStatistics(db, ComputeRecordPositions(db));
  EXPECT_EQ(stats.LeftOut.Count, 1);
  EXPECT_NE(stats.LeftOut.Message().find("(1)"), std::string::npos);
  EXPECT_FALSE(stats.LeftOutYears);
  ASSERT_EQ(stats.RotationStatsCount(), 1301);
  EXPECT_NEAR(stats.At(1301).MeanNorth, 40.0, 0.1);
  EXPECT_NEAR(stats.At(1).MeanNorth, 20.0, 0.1);  // the far year counts for its rotation
  ASSERT_EQ(stats.YearCount(), 2005 - 1900 + 1);
  EXPECT_NEAR(stats.YearAt(1).HighestNorth, 40.0, 0.1);
  EXPECT_NEAR(stats.YearAt(stats.YearCount()).HighestNorth, 30.0, 0.1);
  EXPECT_EQ(stats.StatsLastYear, 2005);
}

// --- ComputeRotationGroups ---

TEST(RotationGroups, PreviousRotationLateSightingCountsForTheNextRotation) {
  const std::string late = DateWithL0({2014, 3, 1}, 30, 60);
  ObservationRecord seenLate = Drawing(late, {{60, 15.0, "Dso", 3}});
  ObservationRecord next = Drawing(DaysAfter(late, 10), {{0, -5.0, "Axx", 4}});
  Database db = DatabaseOf({seenLate, next});
  const Computed c = Compute(db);
  ASSERT_EQ(c.Stats.RotationStatsCount(), 2);
  EXPECT_EQ(c.Stats.At(1).GroupNumbersNorth, 0);
  EXPECT_EQ(c.Stats.At(2).GroupNumbersNorth, 1);
  EXPECT_EQ(c.Stats.At(2).GroupNumbersSouth, 1);
  // Class counts stay with the record's own rotation.
  EXPECT_EQ(c.Groups.At(1)[3], 1u);  // D
  EXPECT_EQ(c.Groups.At(2)[0], 1u);  // A
}

TEST(RotationGroups, NextRotationEarlySightingCountsForThePreviousRotation) {
  const std::string mid = DateWithL0({2014, 3, 1}, 150, 200);
  const std::string early = DateWithL0(*ParseDate(mid), 300, 330);
  Database db =
      DatabaseOf({Drawing(mid, {{0, 8.0, "Cso", 1}}), Drawing(early, {{-60, -12.0, "Cso", 2}})});
  const Computed c = Compute(db);
  ASSERT_EQ(c.Stats.RotationStatsCount(), 2);
  EXPECT_EQ(c.Stats.At(1).GroupNumbersNorth, 1);
  EXPECT_EQ(c.Stats.At(1).GroupNumbersSouth, 1);
  EXPECT_EQ(c.Stats.At(2).GroupNumbersSouth, 0);
}

TEST(RotationGroups, GroupNumbersCountOnceSightingsEachTimeAndSpecialRecordsNever) {
  const std::string mid = DateWithL0({2014, 3, 1}, 170, 200);
  Database db = DatabaseOf({Drawing(mid, {{0, 10.0, "Eki", 7}, {5, 11.0, "Eki", 0}}),
                            Drawing(DaysAfter(mid, 1), {{-10, 10.5, "Eki", 7}}),
                            Special(Drawing(DaysAfter(mid, 2), {{0, 20.0, "Hsx", 9}})),
                            Drawing(DaysAfter(mid, 3), {{-30, 10.2, "Eki", 7}})});
  const Computed c = Compute(db);
  EXPECT_EQ(c.Stats.At(1).GroupNumbersNorth, 1);  // number 7; number 0 and the special one no
  EXPECT_EQ(c.Groups.At(1)[4], 4u);               // four E sightings
  EXPECT_EQ(c.Groups.At(1)[6], 0u);               // the special record's H is not counted
}

TEST(RotationGroups, LastLatitudeOfANumberDecidesItsHemisphere) {
  const std::string mid = DateWithL0({2014, 3, 1}, 170, 200);
  Database db = DatabaseOf(
      {Drawing(mid, {{0, 2.0, "Bxo", 5}}), Drawing(DaysAfter(mid, 1), {{-10, -1.0, "Bxo", 5}})});
  const Computed c = Compute(db);
  EXPECT_EQ(c.Stats.At(1).GroupNumbersNorth, 0);
  EXPECT_EQ(c.Stats.At(1).GroupNumbersSouth, 1);
}

TEST(RotationGroups, RecordsMoreThan41DaysAfterTheWindowStartAreNotRead) {
  const std::string mid = DateWithL0({2014, 3, 1}, 170, 200);
  // The same rotation number on a record 50 days later (as a damaged file could hold).
  ObservationRecord late = Drawing(DaysAfter(mid, 50), {{0, 12.0, "Cso", 3}});
  ObservationRecord first = Drawing(mid, {{0, 10.0, "Cso", 1}});
  late.SetRotation(first.Rotation());
  late.SetCentralL0(first.CentralL0());
  Database db = DatabaseOf({first, late});
  const Computed c = Compute(db);
  EXPECT_EQ(c.Stats.At(1).GroupNumbersNorth, 1);
  EXPECT_EQ(c.Groups.At(1)[2], 1u);
}

TEST(RotationGroups, ClassCountsAbove255DoNotWrapAndHighGroupNumbersAreLeftOut) {
  const std::string mid = DateWithL0({2014, 3, 1}, 170, 200);
  std::vector<ObservationRecord> records;
  for (int d = 0; d < 8; ++d) {
    ObservationRecord r = Drawing(DaysAfter(mid, d));
    for (int k = 0; k < 40; ++k) AddGroup(r, {-40.0 + 2 * k, 5.0, "Fkc", k == 0 ? 71 : k});
    records.push_back(r);
  }
  Database db = DatabaseOf(records);
  const Computed c = Compute(db);
  EXPECT_EQ(c.Groups.At(1)[5], 320u);
  EXPECT_EQ(c.Groups.LeftOut.Count, 8);
  EXPECT_EQ(c.Stats.At(1).GroupNumbersNorth, 39);
}

TEST(RotationGroups, EmptyOrUnorderedDatabasesGiveNothing) {
  EXPECT_TRUE(Compute(DatabaseOf({})).Groups.Classes.empty());
  Database db = DatabaseOf({Drawing("10.03.2014"), Drawing("10.03.2013")});
  EXPECT_TRUE(Compute(db).Groups.Classes.empty());
}

}  // namespace
}  // namespace ardeno
