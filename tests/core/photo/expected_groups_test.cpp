// SPDX-License-Identifier: GPL-3.0-or-later
// The groups of the observer's previous drawing, where they stand when the next one is read.
#include "core/photo/expected_groups.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/reference/source_day.h"
#include "core/solar/heliographic.h"

namespace ardeno {
namespace {

// A drawing of `date` at 10:00 UT with one group at (central-meridian distance east, latitude).
ObservationRecord Drawn(const CalendarDate& date, double meridianEast, double latitude,
                        const std::string& observer = "Hájek") {
  const SolarEphemeris eph = Ephemeris(date, 1000);
  const double l = std::fmod(eph.EphL0 - meridianEast + 720, 360);
  const PolarPosition p =
      HeliographicToPolar(eph, static_cast<float>(l), static_cast<float>(latitude), 125.0f);
  ObservationRecord record;
  record.SetDate(FormatDate(date));
  record.SetTimeUT(1000);
  record.SetObserver(observer);
  record.SetGroupCount(1);
  record.SetAngle10(
      1, static_cast<std::uint16_t>(std::lround(std::fmod(p.PolarAngle + 360, 360) * 10) % 3600));
  record.SetDistance10(1, static_cast<std::uint16_t>(std::lround(p.PolarDistance * 10)));
  return record;
}

constexpr CalendarDate kToday{2014, 3, 20};

std::vector<ExpectedGroup> ExpectedToday(const std::vector<ObservationRecord>& records) {
  return ExpectedGroupsBefore(records, kToday, 1000, Ephemeris(kToday, 1000));
}

TEST(ExpectedGroupsTest, YesterdaysGroupHasTurnedWestByTheSunsRotation) {
  const auto expected = ExpectedToday({Drawn({2014, 3, 19}, 20, 10)});
  ASSERT_EQ(expected.size(), 1u);
  EXPECT_NEAR(expected[0].Latitude, 10, 0.1);
  // A day carries a group at 10 degrees about 13.4 degrees towards the west limb (the synodic
  // rate and the group's own faster turn); the central-meridian distance is east-positive.
  EXPECT_NEAR(expected[0].MeridianDistEast, 20 - 13.4, 0.3);
}

TEST(ExpectedGroupsTest, TheLatestOwnDrawingWithinThreeDaysCountsAlone) {
  const ObservationRecord twoDaysAgo = Drawn({2014, 3, 18}, 40, -12);
  const ObservationRecord yesterday = Drawn({2014, 3, 19}, 20, 10);
  const ObservationRecord today = Drawn(kToday, 0, 5);
  ObservationRecord catalogue =
      Drawn({2014, 3, 19}, -30, 20, SourceObserver(GroupSource::NoaaReport));
  catalogue.SetStation(SourceStation(GroupSource::NoaaReport, 2014));
  catalogue.SetTimeUT(2359);
  // The latest own drawing before today: yesterday's, neither today's nor the catalogue's.
  const auto expected = ExpectedToday({twoDaysAgo, today, catalogue, yesterday});
  ASSERT_EQ(expected.size(), 1u);
  EXPECT_NEAR(expected[0].Latitude, 10, 0.1);
  // Four days back tells nothing; nor does a drawing of today alone.
  EXPECT_TRUE(ExpectedToday({Drawn({2014, 3, 16}, 40, -12)}).empty());
  EXPECT_TRUE(ExpectedToday({today}).empty());
}

TEST(ExpectedGroupsTest, AGroupTurnedBeyondTheWestLimbIsLeftOut) {
  EXPECT_TRUE(ExpectedToday({Drawn({2014, 3, 18}, -70, 10)}).empty());
  EXPECT_EQ(ExpectedToday({Drawn({2014, 3, 18}, -60, 10)}).size(), 1u);
}

}  // namespace
}  // namespace ardeno
