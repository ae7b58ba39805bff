// SPDX-License-Identifier: GPL-3.0-or-later
// The observer's corrections of a read drawing's groups: a spot moved into another group, taken
// out into a group of its own, two groups joined, spots added and taken away, and every step
// undone back to the reading.
#include "core/photo/spot_grouping.h"

#include <gtest/gtest.h>

namespace ardeno {
namespace {

SolarEphemeris Moment() { return Ephemeris(CalendarDate{2014, 3, 20}, 1200); }

// Two spots of one group near the centre (west) and one spot of another group to the east.
SpotGrouping Reading() {
  return SpotGrouping(Moment(), {{0, 20, 2, 0}, {2, 20, 1, -1}, {60, -30, 3, 1}});
}

TEST(SpotGrouping, TheRuleProposesTheGroupsFirst) {
  const SpotGrouping grouping = Reading();
  ASSERT_EQ(grouping.Groups().size(), 2u);
  EXPECT_EQ(grouping.GroupOfSpots(), (std::vector<int>{1, 1, 2}));
  EXPECT_FALSE(grouping.CanUndo());
}

TEST(SpotGrouping, ASpotMovedSeparatedAndGroupsJoined) {
  SpotGrouping grouping = Reading();
  EXPECT_FALSE(grouping.MoveSpot(0, 1));  // one group already
  ASSERT_TRUE(grouping.MoveSpot(1, 2));
  EXPECT_EQ(grouping.GroupOfSpots(), (std::vector<int>{1, 2, 2}));
  EXPECT_EQ(grouping.Groups()[1].SpotCount, 2);
  EXPECT_EQ(grouping.Groups()[1].PenumbralCount, 1);

  EXPECT_FALSE(grouping.SeparateSpot(0));  // alone in its group
  ASSERT_TRUE(grouping.SeparateSpot(1));
  EXPECT_EQ(grouping.Groups().size(), 3u);

  ASSERT_TRUE(grouping.JoinGroups(2, 0));
  ASSERT_TRUE(grouping.JoinGroups(1, 0));
  ASSERT_EQ(grouping.Groups().size(), 1u);
  EXPECT_EQ(grouping.Groups()[0].SpotCount, 3);
  EXPECT_EQ(grouping.Groups()[0].PenumbralCount, 2);
  // The joined group's extreme spots are the two farthest apart.
  EXPECT_GT(grouping.Groups()[0].ExtentDegrees, 10);
}

TEST(SpotGrouping, AddedSpotsJoinTheGroupTheRuleGivesThem) {
  SpotGrouping grouping = Reading();
  grouping.AddSpot(AddedSpot(1, 22));
  EXPECT_EQ(grouping.GroupOfSpots(), (std::vector<int>{1, 1, 2, 1}));
  grouping.AddSpot(AddedSpot(-70, -60));  // far from both: a group of its own, the most western
  ASSERT_EQ(grouping.Groups().size(), 3u);
  EXPECT_EQ(grouping.GroupOfSpots()[4], 1);
  grouping.RemoveSpot(2);
  EXPECT_EQ(grouping.Groups().size(), 2u);
  EXPECT_EQ(grouping.Spots().size(), 4u);
  grouping.RemoveSpot(99);  // no such spot: nothing happens, nothing to undo for it
  EXPECT_EQ(grouping.Spots().size(), 4u);
}

TEST(SpotGrouping, EveryStepIsUndoneBackToTheReading) {
  SpotGrouping grouping = Reading();
  const std::vector<int> read = grouping.GroupOfSpots();
  grouping.AddSpot(AddedSpot(-70, -60));
  ASSERT_TRUE(grouping.MoveSpot(1, 2));
  ASSERT_TRUE(grouping.JoinGroups(0, 2));
  grouping.RemoveSpot(0);
  int steps = 0;
  while (grouping.Undo()) ++steps;
  EXPECT_EQ(steps, 4);
  EXPECT_EQ(grouping.GroupOfSpots(), read);
  EXPECT_EQ(grouping.Spots().size(), 3u);
  EXPECT_EQ(grouping.Groups().size(), 2u);
}

}  // namespace
}  // namespace ardeno
