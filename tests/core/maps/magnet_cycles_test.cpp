// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/maps/magnet_cycles.h"

#include <gtest/gtest.h>

namespace ardeno {
namespace {

// A summary long enough for three cycles from rotation 1958.
MagnetSummary EmptySummary() {
  MagnetSummary summary;
  summary.Cells.assign(MagnetRecordsFor(1958 + 3 * kRotationsPerCycle) * kMagnetRecordBytes, 0);
  return summary;
}

void Store(MagnetSummary& summary, double b, double l, int rotation, int code) {
  const auto index = MagnetCellIndex(summary, b, l, rotation);
  ASSERT_TRUE(index);
  summary.Cells[*index] = static_cast<std::uint8_t>(code * 16);
}

TEST(MagnetCycles, SharesOfTheBandRotationByRotation) {
  MagnetSummary summary = EmptySummary();
  const int second = 1958 + kRotationsPerCycle;  // the second cycle's first rotation
  // Rotation 1958: three northern cells above the middle code, one below, one outside the band.
  Store(summary, 12.5, 10.5, 1958, 12);
  Store(summary, 15.5, 100.5, 1958, 9);
  Store(summary, 19.5, 200.5, 1958, kMagnetMiddleCode);
  Store(summary, 11.5, 300.5, 1958, 3);
  Store(summary, 30.5, 50.5, 1958, 1);
  // A southern cell below the middle: counted with both hemispheres only.
  Store(summary, -14.5, 120.5, 1958, 2);
  // The second cycle's first rotation: one cell, below the middle.
  Store(summary, 13.5, 40.5, second, 5);

  struct Case {
    bool Greater;
    bool Both;
    double First;
  };
  for (const Case c : {Case{true, false, 75.0}, Case{false, false, 25.0}, Case{true, true, 60.0},
                       Case{false, true, 40.0}}) {
    MagnetCycleQuery query;
    query.Greater = c.Greater;
    query.BothHemispheres = c.Both;
    query.Cycles = 2;
    const MagnetCycleCurves curves = CompareMagnetCycles(summary, query);
    ASSERT_EQ(curves.Shares.size(), 2u);
    ASSERT_EQ(curves.Shares[0].size(), static_cast<std::size_t>(kRotationsPerCycle));
    ASSERT_TRUE(curves.Shares[0][0]) << c.Greater << c.Both;
    EXPECT_DOUBLE_EQ(*curves.Shares[0][0], c.First) << c.Greater << c.Both;
    ASSERT_TRUE(curves.Shares[1][0]);
    EXPECT_DOUBLE_EQ(*curves.Shares[1][0], c.Greater ? 0.0 : 100.0);
    // A rotation without any observation in the band is a gap, not 0 %.
    EXPECT_FALSE(curves.Shares[0][60]);
  }
}

TEST(MagnetCycles, TheBandTakesEitherOrderAndCellsPastTheFileHaveNoValue) {
  // One record of magn.dat: its cells reach the band's rows of the first few dozen rotations.
  MagnetSummary summary;
  summary.Cells.assign(kMagnetRecordBytes, 0);
  Store(summary, 10.5, 10.5, 1720, 12);
  MagnetCycleQuery query;
  query.From = 10;
  query.To = 11;
  query.StartRotation = 1718;
  query.Cycles = 2;  // the second cycle's cells lie past the file
  const MagnetCycleCurves curves = CompareMagnetCycles(summary, query);
  ASSERT_TRUE(curves.Shares[0][2]);
  EXPECT_DOUBLE_EQ(*curves.Shares[0][2], 100.0);
  query.From = 11;
  query.To = 10;
  EXPECT_EQ(CompareMagnetCycles(summary, query).Shares[0][2], curves.Shares[0][2]);
  for (const auto& share : curves.Shares[1]) EXPECT_FALSE(share);
}

TEST(MagnetCycles, QueriesOutsideTheFileAreRefusedWithTheField) {
  const auto refusal = [](auto change) {
    MagnetCycleQuery query;
    change(query);
    return CheckMagnetCycleQuery(query).value_or("");
  };
  EXPECT_EQ(refusal([](MagnetCycleQuery&) {}), "");
  EXPECT_NE(refusal([](MagnetCycleQuery& q) { q.From = 75; }).find("mezi 0° a 60°"),
            std::string::npos);
  EXPECT_NE(refusal([](MagnetCycleQuery& q) { q.To = -5; }).find("mezi 0° a 60°"),
            std::string::npos);
  EXPECT_NE(refusal([](MagnetCycleQuery& q) { q.To = 20; }).find("aspoň jeden stupeň"),
            std::string::npos);
  EXPECT_NE(refusal([](MagnetCycleQuery& q) { q.Cycles = 0; }).find("1 až 10"), std::string::npos);
  EXPECT_NE(refusal([](MagnetCycleQuery& q) { q.StartRotation = 1500; }).find("1718"),
            std::string::npos);
}

}  // namespace
}  // namespace ardeno
