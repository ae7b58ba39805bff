// SPDX-License-Identifier: GPL-3.0-or-later
// The groups a read drawing proposes are stored exactly as the reading gave them: their places
// and areas on the standard drawing and on a drawing of another radius, the class proposed, the
// order from west to east, and no more groups than a record holds.
#include <gtest/gtest.h>

#include "core/photo/proposed_groups.h"

namespace ardeno {
namespace {

ProposedGroup Proposed(const std::string& type, std::uint16_t angle10, std::uint16_t distance10,
                       int areaDisk) {
  ProposedGroup g;
  g.ProposedClass = type;
  g.SpotCount = 5;
  g.PenumbralCount = 2;
  g.Angle10 = angle10;
  g.Distance10 = distance10;
  g.AreaDisk = areaDisk;
  g.Aux1Position = 130 * 128 + 65;
  g.Aux1Area = 102;
  g.Aux2Position = 0;
  return g;
}

ObservationRecord DatedRecord() {
  ObservationRecord record;
  record.SetDate("15.03.2024");
  record.SetTimeUT(930);
  return record;
}

TEST(ProposedGroups, StoredAsTheReadingGaveThemOnAnyDrawingRadius) {
  for (const float radius : {125.0f, 100.0f, 0.0f}) {
    const std::vector<ProposedGroup> groups = {Proposed("Dkc", 1234, 650, 204),
                                               Proposed("Axx", 200, 1000, 41)};
    const PendingGroups pending = PendingFromProposed(groups, radius);
    ASSERT_EQ(pending.size(), 2u);
    ObservationRecord record = DatedRecord();
    ASSERT_TRUE(Succeeded(StorePendingGroups(record, pending, radius)));
    const double scale = radius > 0 ? radius / 125.0 : 1.0;
    EXPECT_EQ(record.GroupCount(), 2);
    EXPECT_EQ(record.GroupType(1), "Dkc") << radius;
    EXPECT_EQ(record.SpotCount(1), 5);
    EXPECT_EQ(record.PenumbralCount(1), 2);
    EXPECT_EQ(record.Angle10(1), 1234);
    EXPECT_NEAR(record.Distance10(1), 650 * scale, 1) << radius;
    // The stored area is the reading's, in millionths of the disk, whatever the radius.
    EXPECT_NEAR(record.Area(1), 204, 1) << radius;
    EXPECT_EQ(record.Aux1Position(1) / 128, 130);
    EXPECT_NEAR(record.Aux1Position(1) % 128, 65 * scale, 1) << radius;
    EXPECT_NEAR(record.Aux1Area(1), 102, 13) << radius;  // whole square millimetres first
    EXPECT_EQ(record.Aux2Position(1), 0);
    EXPECT_EQ(record.GroupType(2), "Axx");
    EXPECT_NEAR(record.Area(2), 41, 1);
  }
}

TEST(ProposedGroups, NoMoreThanARecordHolds) {
  const std::vector<ProposedGroup> many(kMaxGroups + 3, Proposed("Axx", 100, 100, 10));
  const PendingGroups pending = PendingFromProposed(many, 125);
  EXPECT_EQ(pending.size(), static_cast<std::size_t>(kMaxGroups));
  EXPECT_EQ(pending.begin()->first, 1);
  EXPECT_EQ(pending.rbegin()->first, kMaxGroups);
}

}  // namespace
}  // namespace ardeno
