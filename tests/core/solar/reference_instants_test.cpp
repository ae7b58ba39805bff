// SPDX-License-Identifier: GPL-3.0-or-later
// Values that stored records hold and that must never drift: the ephemeris at fixed instants
// (every record's Rotation and CentralL0 come from it) and the rounding of a group's area.
#include <gtest/gtest.h>

#include <string>

#include "core/solar/day_results.h"
#include "core/solar/ephemeris.h"
#include "core/solar/rotation_count.h"

namespace ardeno {
namespace {

struct Instant {
  std::string Name;
  CalendarDate Date;
  std::uint16_t TimeUT;
  double P, B0, L0;
  std::int32_t Rotation;
};

class EphemerisPinned : public ::testing::TestWithParam<Instant> {};

// The program's own values, taken when the model was checked against published tables; a change
// of any constant of the model (even 14.184397 to 14.1844 in L0) moves L0 by far more than 1e-9.
TEST_P(EphemerisPinned, GivesTheValuesRecordsHold) {
  const Instant& c = GetParam();
  const SolarEphemeris eph = Ephemeris(c.Date, c.TimeUT);
  EXPECT_NEAR(eph.EphP, c.P, 1e-9);
  EXPECT_NEAR(eph.EphB0, c.B0, 1e-9);
  EXPECT_NEAR(eph.EphL0, c.L0, 1e-9);
  EXPECT_EQ(eph.RotationNumber, c.Rotation);
}

INSTANTIATE_TEST_SUITE_P(
    Instants, EphemerisPinned,
    ::testing::Values(
        Instant{"Midnight1950",
                {1950, 1, 1},
                0,
                2.277462052687,
                -3.051428404652,
                204.319095575393,
                1288},
        Instant{
            "Noon1989", {1989, 7, 15}, 1230, 3.754203420559, 4.376951856113, 46.454289114058, 1817},
        Instant{"J2000", {2000, 1, 1}, 1200, 2.127433616510, -3.016294430911, 1.464230107847, 1957},
        Instant{"Morning2004",
                {2004, 3, 5},
                845,
                -22.674366687885,
                -7.249592038670,
                37.142812522055,
                2013},
        Instant{"LastMinute2014",
                {2014, 12, 31},
                2359,
                2.204320478987,
                -2.976265237933,
                51.908934959554,
                2158},
        Instant{"LeapDay2024",
                {2024, 2, 29},
                600,
                -21.460320299082,
                -7.212365298402,
                167.370359166746,
                2281},
        Instant{"Solstice2038",
                {2038, 6, 21},
                1800,
                -6.883960875387,
                1.758092033282,
                302.448653065112,
                2473}),
    [](const auto& info) { return info.param.Name; });

struct CountStart {
  std::string Name;
  CalendarDate Date;
  std::uint16_t TimeUT;
  std::int32_t Rotation;
};

class SynodicRatePinned : public ::testing::TestWithParam<CountStart> {};

// Minutes before and after the synodic count turns to rotations 1200, 2000 and 2300. Far from
// 1989 a change of the rate in its fourth decimal (13.1985 to 13.1986 or 13.1984) moves these
// turns by an hour (2000) to three hours (1200), so one instant of each pair changes its number.
// The ephemeris itself re-reads the count a day away near longitude 0, where such a change
// does not show.
TEST_P(SynodicRatePinned, CountTurnsWithinMinutesOfTheTable) {
  const CountStart& c = GetParam();
  EXPECT_EQ(SynodicRotation(EphemerisDays(c.Date, c.TimeUT)), c.Rotation);
}

INSTANTIATE_TEST_SUITE_P(Turns, SynodicRatePinned,
                         ::testing::Values(CountStart{"Before1200", {1943, 5, 25}, 1451, 1199},
                                           CountStart{"After1200", {1943, 5, 25}, 1502, 1200},
                                           CountStart{"Before2000", {2003, 2, 20}, 643, 1999},
                                           CountStart{"After2000", {2003, 2, 20}, 654, 2000},
                                           CountStart{"Before2300", {2025, 7, 17}, 40, 2299},
                                           CountStart{"After2300", {2025, 7, 17}, 51, 2300}),
                         [](const auto& info) { return info.param.Name; });

TEST(SynodicRatePinned, ModelTimeCountsFromTheStartOf1989) {
  EXPECT_EQ(EphemerisDays({1989, 1, 1}, 0), 0.0);
  EXPECT_EQ(EphemerisDays({1989, 1, 2}, 1200), 1.5);
  EXPECT_NEAR(EphemerisDays({1943, 5, 25}, 1502), -16657.37361, 1e-5);
}

TEST(GroupAreaRounding, AnExactHalfRoundsToEven) {
  // Five small spots weigh 5 x 15.3 = 76.5 millionths: stored as 76, not 77.
  ObservationRecord record;
  record.SetDate("15.05.2014");
  record.SetTimeUT(830);
  record.SetGroupCount(1);
  record.SetGroupType(1, "Bxo");
  record.SetSpotCount(1, 5);
  record.SetSmallSpots(1, 5);
  record.SetAngle10(1, 300);  // north-east of the centre, in the northern hemisphere
  record.SetDistance10(1, 500);
  const auto eph = RecordEphemeris(record);
  ASSERT_TRUE(eph);
  record.SetResultsBlock(ComputeDayResults(record, *eph));
  EXPECT_EQ(record.ResultWord(kAreaN), 76);
  // 1 + 76.5 = 77.5 rounds up to the even 78.
  record.SetArea(1, 1);
  record.SetResultsBlock(ComputeDayResults(record, *eph));
  EXPECT_EQ(record.ResultWord(kAreaN), 78);
}

}  // namespace
}  // namespace ardeno
