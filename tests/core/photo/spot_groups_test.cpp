// SPDX-License-Identifier: GPL-3.0-or-later
// Spots read from a drawing formed into groups on the Sun, and what each group then records.
#include "core/photo/spot_groups.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/data/group_types.h"
#include "core/solar/heliographic.h"

namespace ardeno {
namespace {

constexpr double kDeg = 3.14159265358979323846 / 180;

SolarEphemeris Moment() { return Ephemeris(CalendarDate{2014, 3, 20}, 1200); }

// A spot drawn where the point (central-meridian distance east, latitude) lies at the moment.
DrawingSpot SpotAt(double meridianEast, double latitude, double areaMm2 = 1, int penumbra = -1) {
  const SolarEphemeris eph = Moment();
  // East of the central meridian lies at smaller Carrington longitude: L = L0 - CMD.
  const double l = std::fmod(eph.EphL0 - meridianEast + 720, 360);
  const PolarPosition p =
      HeliographicToPolar(eph, static_cast<float>(l), static_cast<float>(latitude), 125.0f);
  return {p.PolarDistance * std::sin(p.PolarAngle * kDeg),
          p.PolarDistance * std::cos(p.PolarAngle * kDeg), areaMm2, penumbra};
}

struct GroupingCase {
  std::string Name;
  std::vector<DrawingSpot> Spots;
  std::size_t Groups = 0;
};

class SpotGroupingTest : public ::testing::TestWithParam<GroupingCase> {};

TEST_P(SpotGroupingTest, JoinsSpotsCloseOnTheSun) {
  EXPECT_EQ(FormSpotGroups(Moment(), GetParam().Spots).size(), GetParam().Groups);
}

INSTANTIATE_TEST_SUITE_P(
    Rule, SpotGroupingTest,
    ::testing::Values(
        GroupingCase{"NoSpots", {}, 0},
        GroupingCase{"FiveDegreesAlongTheParallel", {SpotAt(0, 10), SpotAt(5, 10)}, 1},
        GroupingCase{"NineDegreesAlongTheParallel", {SpotAt(0, 10), SpotAt(9, 10)}, 2},
        GroupingCase{"TwoAndAHalfDegreesInLatitude", {SpotAt(0, 10), SpotAt(0, 12.5)}, 1},
        GroupingCase{"FiveDegreesInLatitude", {SpotAt(0, 10), SpotAt(0, 15)}, 2},
        // A chain: each spot within reach of the next, the ends far apart.
        GroupingCase{
            "ChainOfFour", {SpotAt(-9, -12), SpotAt(-3, -12), SpotAt(3, -12), SpotAt(9, -12)}, 1},
        // Near the limb ten degrees lie a few millimetres apart on the paper: still two groups.
        GroupingCase{"SqueezedAtTheLimb", {SpotAt(72, 5), SpotAt(82, 5)}, 2},
        GroupingCase{"CloseAtTheLimb", {SpotAt(76, 5), SpotAt(81, 5)}, 1},
        // At high latitude a degree of longitude is shorter.
        GroupingCase{"HighLatitude", {SpotAt(0, 50), SpotAt(9, 50)}, 1},
        // Spots in one drawn penumbra share their group whatever their distance.
        GroupingCase{"OnePenumbra", {SpotAt(0, 10, 1, 3), SpotAt(9, 10, 1, 3)}, 1},
        GroupingCase{"TwoHemispheres", {SpotAt(0, 15), SpotAt(2, -15), SpotAt(30, 15)}, 3},
        // Two groups side by side in latitude, their spots interleaved in longitude: chained by
        // the reach, parted by the gap between their bands.
        GroupingCase{"TwoBandsInterleaved",
                     {SpotAt(0, 10), SpotAt(4, 10.3), SpotAt(8, 9.8), SpotAt(2, 12.5),
                      SpotAt(6, 12.8), SpotAt(10, 12.4)},
                     2},
        // Three bands: the parts are looked at again.
        GroupingCase{"ThreeBands",
                     {SpotAt(0, 10), SpotAt(4, 10), SpotAt(8, 10), SpotAt(2, 12.5), SpotAt(6, 12.5),
                      SpotAt(10, 12.5), SpotAt(0, 15), SpotAt(4, 15), SpotAt(8, 15)},
                     3},
        // A tilted group climbs through its latitudes without a gap: one group.
        GroupingCase{"TiltedGroup",
                     {SpotAt(0, 10), SpotAt(2, 10.8), SpotAt(4, 11.6), SpotAt(6, 12.4),
                      SpotAt(8, 13.2), SpotAt(10, 14)},
                     1},
        // Too few spots beside the gap to call them a group: one group.
        GroupingCase{
            "TwoSpotsBesideTheGap",
            {SpotAt(0, 10), SpotAt(4, 10), SpotAt(8, 10), SpotAt(2, 12.5), SpotAt(6, 12.5)},
            1},
        // The gap would part the umbrae of one penumbra: one group.
        GroupingCase{"GapThroughOnePenumbra",
                     {SpotAt(0, 10), SpotAt(4, 10.3, 1, 7), SpotAt(8, 9.8), SpotAt(2, 12.5),
                      SpotAt(6, 12.8, 1, 7), SpotAt(10, 12.4)},
                     1}),
    [](const auto& info) { return info.param.Name; });

// Two groups 1.2 degrees apart in latitude with their spots interleaved in longitude: one chain,
// no gap wide enough to part it by the rule alone.
std::vector<DrawingSpot> CloseBands() {
  return {SpotAt(0, 10),     SpotAt(3, 10.2),   SpotAt(6, 9.9),    SpotAt(9, 10.1),
          SpotAt(1.5, 11.4), SpotAt(4.5, 11.6), SpotAt(7.5, 11.3), SpotAt(10.5, 11.5)};
}

WrittenNumber WrittenBeside(const DrawingSpot& spot, double dx, double dy) {
  return {spot.X + dx, spot.Y + dy};
}

TEST(SpotGroupsTest, WrittenNumbersPartAChainIntoAsManyGroups) {
  const std::vector<DrawingSpot> spots = CloseBands();
  EXPECT_EQ(FormSpotGroups(Moment(), spots).size(), 1u);
  // One number beside the chain: one group; a number far from every spot says nothing.
  EXPECT_EQ(FormSpotGroups(Moment(), spots, {WrittenBeside(spots[3], 3, -3)}).size(), 1u);
  EXPECT_EQ(FormSpotGroups(Moment(), spots,
                           {WrittenBeside(spots[3], 3, -3), WrittenBeside(spots[7], 30, 30)})
                .size(),
            1u);
  // Two numbers, each beside one band: two groups (which spot goes where the observer checks;
  // every spot in one of them).
  const auto groups = FormSpotGroups(
      Moment(), spots, {WrittenBeside(spots[3], 3, -3), WrittenBeside(spots[7], 3, 3)});
  ASSERT_EQ(groups.size(), 2u);
  EXPECT_EQ(groups[0].SpotCount + groups[1].SpotCount, 8);
  // The same spots and numbers always part the same way.
  const auto again = FormSpotGroups(
      Moment(), spots, {WrittenBeside(spots[3], 3, -3), WrittenBeside(spots[7], 3, 3)});
  ASSERT_EQ(again.size(), 2u);
  EXPECT_EQ(again[0].Spots, groups[0].Spots);
}

TEST(SpotGroupsTest, ANeighboursNumberPartsNoSmallGroupAndANumberBetweenChainsTellsNothing) {
  // Three spots and a big group 12 degrees west: the big group's number written east of it
  // lies nearer to the small group, which keeps its three spots together.
  const std::vector<DrawingSpot> small = {SpotAt(20, 10), SpotAt(21.5, 10.5), SpotAt(23, 10)};
  const auto smallGroups = FormSpotGroups(
      Moment(), small, {WrittenBeside(small[2], 3, 3), WrittenBeside(small[0], -4, 3)});
  EXPECT_EQ(smallGroups.size(), 1u);
  // The interleaved bands with a second chain 8.5 degrees east: a number halfway between the
  // chains is as near to both and parts neither.
  std::vector<DrawingSpot> spots = CloseBands();
  for (const double east : {19.0, 22.0, 25.0}) spots.push_back(SpotAt(east, 10.5));
  const DrawingSpot& west = spots[7];
  const DrawingSpot& east = spots[8];
  const WrittenNumber between{(west.X + east.X) / 2, (west.Y + east.Y) / 2};
  EXPECT_EQ(FormSpotGroups(Moment(), spots, {WrittenBeside(spots[3], 3, -3), between}).size(), 2u);
}

TEST(SpotGroupsTest, TheGroupsOfThePreviousDrawingPartAChainThatHoldsTwoOfThem) {
  const std::vector<DrawingSpot> spots = CloseBands();
  // Yesterday's two groups, carried to today, where the two bands are: two groups, the bands'
  // spots each in their own.
  const auto groups = FormSpotGroups(Moment(), spots, {}, {{10, 4.5}, {11.5, 6}});
  ASSERT_EQ(groups.size(), 2u);
  const std::vector<int> groupOf = GroupOfEachSpot(groups, spots.size());
  for (int i : {1, 2, 3}) EXPECT_EQ(groupOf[i], groupOf[0]);
  for (int i : {5, 6, 7}) EXPECT_EQ(groupOf[i], groupOf[4]);
  EXPECT_NE(groupOf[0], groupOf[4]);
  // One expected group, or a second one beyond the rule's reach of every spot: one group.
  EXPECT_EQ(FormSpotGroups(Moment(), spots, {}, {{10, 4.5}}).size(), 1u);
  EXPECT_EQ(FormSpotGroups(Moment(), spots, {}, {{10, 4.5}, {11, 25}}).size(), 1u);
  // Two expected groups beside a chain of three spots would leave a part of one spot: a group
  // that has shrunk since, kept whole.
  const std::vector<DrawingSpot> small = {SpotAt(20, 10), SpotAt(21.5, 10.5), SpotAt(23, 10)};
  EXPECT_EQ(FormSpotGroups(Moment(), small, {}, {{10, 20}, {10.5, 23.5}}).size(), 1u);
  // Never through one penumbra.
  std::vector<DrawingSpot> outlined = spots;
  outlined[1].Penumbra = 2;
  outlined[5].Penumbra = 2;
  const std::vector<int> outlinedOf =
      GroupOfEachSpot(FormSpotGroups(Moment(), outlined, {}, {{10, 4.5}, {11.5, 6}}), 8);
  EXPECT_EQ(outlinedOf[1], outlinedOf[5]);
}

TEST(SpotGroupsTest, WrittenNumbersNeverPartOnePenumbra) {
  std::vector<DrawingSpot> spots = CloseBands();
  // One outline drawn around spots of both bands: they stay one group.
  spots[1].Penumbra = 4;
  spots[5].Penumbra = 4;
  const auto groups = FormSpotGroups(
      Moment(), spots, {WrittenBeside(spots[3], 3, -3), WrittenBeside(spots[7], 3, 3)});
  ASSERT_EQ(groups.size(), 2u);
  const std::vector<int> groupOf = GroupOfEachSpot(groups, spots.size());
  EXPECT_EQ(groupOf[1], groupOf[5]);
}

TEST(SpotGroupsTest, GroupCentreIsTheAreaWeightedMeanEastPositive) {
  const SolarEphemeris eph = Moment();
  // Three times the area at 20 degrees east as at 24 east: the centre at 21 east.
  const auto groups = FormSpotGroups(eph, {SpotAt(20, 10, 3, 0), SpotAt(24, 10, 1)});
  ASSERT_EQ(groups.size(), 1u);
  EXPECT_NEAR(groups[0].MeridianDistEast, 21, 0.1);
  EXPECT_NEAR(groups[0].Latitude, 10, 0.1);
  EXPECT_NEAR(groups[0].Longitude, std::fmod(eph.EphL0 - 21 + 360, 360), 0.1);
  EXPECT_EQ(groups[0].SpotCount, 2);
  EXPECT_EQ(groups[0].PenumbralCount, 1);
  // Stored as a drawing position, it reads back as the same place.
  const HeliographicPosition back =
      PolarToHeliographic(eph, groups[0].Angle10, groups[0].Distance10);
  EXPECT_NEAR(back.CentralMeridianDistance, 21, 0.2);
  EXPECT_NEAR(back.HelioLatitude, 10, 0.2);
}

TEST(SpotGroupsTest, GroupsRunFromWestToEastWithTheirExtremesAsAuxiliarySpots) {
  const auto groups =
      FormSpotGroups(Moment(), {SpotAt(-30, 5), SpotAt(34, -8), SpotAt(-34, 5), SpotAt(-32, 6)});
  ASSERT_EQ(groups.size(), 2u);
  EXPECT_LT(groups[0].MeridianDistEast, groups[1].MeridianDistEast);
  const ProposedGroup& west = groups[0];
  EXPECT_EQ(west.SpotCount, 3);
  EXPECT_NEAR(west.ExtentDegrees, 4, 0.2);
  // The auxiliary spots are the westmost (-34) and eastmost (-30) spots, as angle * 128 + mm.
  const DrawingSpot westmost = SpotAt(-34, 5), eastmost = SpotAt(-30, 5);
  const auto encoded = [](const DrawingSpot& s) {
    double angle = std::atan2(s.X, s.Y) / kDeg;
    if (angle < 0) angle += 360;
    return static_cast<int>(angle) * 128 + static_cast<int>(std::hypot(s.X, s.Y));
  };
  EXPECT_EQ(west.Aux1Position, encoded(westmost));
  EXPECT_EQ(west.Aux2Position, encoded(eastmost));
}

TEST(SpotGroupsTest, AreaIsCorrectedForTheForeshortening) {
  // 1 mm^2 of the 125 mm drawing is 20.37 millionths of the disk; at the centre half that of
  // the hemisphere, at 60 degrees from the centre the same again.
  const auto centre = FormSpotGroups(Moment(), {SpotAt(0, -7.1, 10)});
  ASSERT_EQ(centre.size(), 1u);
  EXPECT_EQ(centre[0].AreaDisk, 204);
  EXPECT_NEAR(centre[0].AreaHemisphere, 102, 2);
  const auto far = FormSpotGroups(Moment(), {SpotAt(60, -7.1, 10)});
  ASSERT_EQ(far.size(), 1u);
  EXPECT_NEAR(far[0].AreaHemisphere, 204, 6);
}

struct ClassCase {
  std::string Name;
  std::vector<DrawingSpot> Spots;
  std::string Class;
};

class ProposedClassTest : public ::testing::TestWithParam<ClassCase> {};

TEST_P(ProposedClassTest, FollowsExtentPenumbraeAndSpots) {
  const auto groups = FormSpotGroups(Moment(), GetParam().Spots);
  ASSERT_EQ(groups.size(), 1u);
  EXPECT_EQ(groups[0].ProposedClass, GetParam().Class);
  EXPECT_NE(GroupTypeCvValue(groups[0].ProposedClass), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Classes, ProposedClassTest,
    ::testing::Values(
        ClassCase{"SingleSpot", {SpotAt(0, 10, 0.5)}, "Axx"},
        ClassCase{"TwoSpots", {SpotAt(0, 10, 0.5), SpotAt(4, 10, 0.5)}, "Bxo"},
        ClassCase{"UnipolarWithPenumbra", {SpotAt(0, 10, 5, 0)}, "Hsx"},
        ClassCase{"LargeUnipolar", {SpotAt(0, 10, 30, 0)}, "Hkx"},
        ClassCase{"PenumbraAtOneEnd", {SpotAt(0, 10, 5, 0), SpotAt(5, 10, 0.5)}, "Cso"},
        ClassCase{
            "BothEndsShort", {SpotAt(0, 10, 5, 0), SpotAt(4, 10, 0.5), SpotAt(8, 10, 4, 1)}, "Dso"},
        ClassCase{
            "BothEndsLong", {SpotAt(0, 10, 5, 0), SpotAt(6, 10, 0.5), SpotAt(12, 10, 4, 1)}, "Eso"},
        ClassCase{
            "BothEndsVeryLong",
            {SpotAt(0, 10, 5, 0), SpotAt(6, 10, 0.5), SpotAt(11, 10, 0.5), SpotAt(17, 10, 4, 1)},
            "Fsi"}),
    [](const auto& info) { return info.param.Name; });

// A click within reach of a spot's centre takes it away; elsewhere a small umbra is added; the
// group of each spot follows the order of the groups.
TEST(SpotGroupsTest, ClickCorrectionsAndTheGroupOfEachSpot) {
  const std::vector<DrawingSpot> spots = {{10, 10, 1, -1}, {20, 5, 1, 0}};
  EXPECT_EQ(SpotWithinReach(spots, 10 + kSpotClickReachMm * 0.9, 10),
            std::optional<std::size_t>(0));
  EXPECT_EQ(SpotWithinReach(spots, 20, 5 - 1), std::optional<std::size_t>(1));
  EXPECT_EQ(SpotWithinReach(spots, 10 + kSpotClickReachMm * 1.1, 10), std::nullopt);
  const DrawingSpot added = AddedSpot(-3, 4);
  EXPECT_EQ(added.X, -3);
  EXPECT_EQ(added.Penumbra, -1);
  EXPECT_EQ(added.AreaMm2, kAddedSpotAreaMm2);
  ProposedGroup first, second;
  first.Spots = {2};
  second.Spots = {0, 3, 7};  // 7 is past the spots given and is passed over
  EXPECT_EQ(GroupOfEachSpot({first, second}, 4), (std::vector<int>{2, 0, 1, 2}));
}

}  // namespace
}  // namespace ardeno
