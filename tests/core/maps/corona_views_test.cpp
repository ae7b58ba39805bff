// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/maps/corona_views.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "core/maps/magnetosphere_underlay.h"
#include "core/maps/map_groups.h"
#include "core/maps/map_rotation.h"
#include "support/temp_folder.h"

namespace ardeno {
namespace {

// Day rows whose sector j holds (row + j) % 50, so every value says where it came from.
CoronaData Rows(int count) {
  CoronaData data;
  data.FolderFound = true;
  for (int row = 0; row < count; ++row) {
    for (int b = 0; b < 6; ++b) data.CoronaDays.push_back(static_cast<std::uint8_t>(b));
    for (int j = 1; j <= kCoronaSectors; ++j)
      data.CoronaDays.push_back(static_cast<std::uint8_t>((row + j) % 50));
  }
  data.CoronaByteCount = count > 0 ? count * kCoronaRowBytes : 1;
  return data;
}

TEST(CoronaRotations, RowsFollowTheMapsRotationDates) {
  // Row 0 is 1.1.1940, which falls in rotation 1154 (rows -13..13 by the maps' start days).
  EXPECT_EQ(CoronaRowsOfRotation(1154).First, -13);
  EXPECT_EQ(CoronaRowsOfRotation(1154).End, 14);
  EXPECT_EQ(CoronaRowsOfRotation(2200).First, 28517);
  for (int rotation = 1150; rotation < 2600; ++rotation) {
    const CoronaRowSpan span = CoronaRowsOfRotation(rotation);
    ASSERT_EQ(span.First, RotationDates(rotation).CoronaDayIndex) << rotation;
    ASSERT_EQ(span.End, CoronaRowsOfRotation(rotation + 1).First) << "no row twice or lost";
    ASSERT_GE(span.End - span.First, 27) << rotation;
    ASSERT_LE(span.End - span.First, 28) << rotation;
  }
}

TEST(CoronaRotations, MeansAverageEachRotationsOwnLoadedRows) {
  const CoronaData data = Rows(60);
  const auto rotations = CoronaMeansByRotation(data);
  // Rows 0..13 belong to 1154, 14..40 to 1155, 41..59 (of 41..67) to 1156.
  ASSERT_EQ(rotations.size(), 3u);
  struct Expected {
    int Rotation, First, End;
  };
  for (std::size_t i = 0; i < 3; ++i) {
    const Expected e = std::array<Expected, 3>{{{1154, 0, 14}, {1155, 14, 41}, {1156, 41, 60}}}[i];
    EXPECT_EQ(rotations[i].Rotation, e.Rotation);
    for (int j : {1, 36, 72}) {
      int sum = 0;
      for (int row = e.First; row < e.End; ++row) sum += (row + j) % 50;
      EXPECT_EQ(rotations[i].Means[static_cast<std::size_t>(j - 1)], sum / (e.End - e.First))
          << e.Rotation << " sector " << j;
    }
  }
  EXPECT_TRUE(CoronaMeansByRotation(CoronaData{}).empty());
}

TEST(CoronaChunks, BandGreyAddsBothLimbsAndStopsAtBlack) {
  std::array<int, 72> means{};
  means[0] = 30;   // sector 1, east limb at the north pole
  means[71] = 20;  // sector 72, west limb at the north pole
  EXPECT_EQ(CoronaBandGrey(means, 1), 205);
  means[4] = 200;
  means[67] = 100;
  EXPECT_EQ(CoronaBandGrey(means, 5), 0);
}

TEST(CoronaGraph, SectorOutlineAndItsEnd) {
  const CoronaData data = Rows(120);
  const auto east = CoronaGraphSector(data, 0, 3);
  ASSERT_EQ(east.size(), 102u);
  EXPECT_EQ(east[0].X, 20);
  EXPECT_EQ(east[0].Y, 100 + 15 - ((1 + 3) % 50) / 2);
  EXPECT_EQ(east[100].Y, 115) << "closed along its base";
  EXPECT_EQ(east[101].X, 20);
  const auto west = CoronaGraphSector(data, 0, 40);
  EXPECT_EQ(west[0].Y, 200 + 200 - ((1 + 14 + 40) % 50) / 2) << "14 days later, base 200";
  // Starting near the end: the outline stops at the last loaded row.
  const auto shortened = CoronaGraphSector(data, 100, 3);
  EXPECT_EQ(shortened.size(), 19u + 2);
  EXPECT_TRUE(CoronaGraphSector(data, 500, 3).empty());
  EXPECT_EQ(CoronaGraphFirstRow(1), 0);
  EXPECT_EQ(CoronaGraphFirstRow(3), 55);  // nint(54.55)
  EXPECT_EQ(CoronaValue(data, -1, 3), 0);
  EXPECT_EQ(CoronaValue(data, 0, 73), 0);
}

TEST(CoronaUnderlay, DrawnWhileAWholeRotationIsLoaded) {
  const CoronaData data = Rows(100);
  EXPECT_TRUE(CoronaUnderlayAvailable(data, 0));
  EXPECT_TRUE(CoronaUnderlayAvailable(data, 72));
  EXPECT_FALSE(CoronaUnderlayAvailable(data, 73));
  EXPECT_FALSE(CoronaUnderlayAvailable(data, -1));
  EXPECT_FALSE(CoronaUnderlayAvailable(CoronaData{}, 0));
  EXPECT_EQ(CoronaRowDate(366), (CalendarDate{1941, 1, 1}));
}

TEST(MagnetosphereUnderlay, CentralPointsOfTheRotationAtTheirMapPlaces) {
  test::TempFolder folder;
  const int rotation = 2005;
  const MapRotationDates dates = RotationDates(rotation);
  // A day inside the rotation with a point on the central meridian and one near the limb, and a
  // day long before (not read: outside the 39 days).
  const CalendarDate inside = DateFromSerial(DaySerial(dates.Start) + 10);
  const SolarEphemeris eph = Ephemeris(inside, kMagnetogramTimeUT);
  const auto centre = MagnetogramPointAt(eph, eph.EphL0, 12, kUnderlayCentreColumn, 40);
  const auto limb =
      MagnetogramPointAt(eph, std::fmod(eph.EphL0 + 60, 360), 12, kUnderlayCentreColumn, 2);
  ASSERT_TRUE(centre && limb);
  folder.Write("Magneto/" + MagnetogramFileName(inside), EncodeMagnetogram({*centre, *limb}, 1));
  const CalendarDate before = DateFromSerial(DaySerial(dates.Start) - 30);
  folder.Write("Magneto/" + MagnetogramFileName(before), EncodeMagnetogram({*centre}, 1));

  const MagnetosphereUnderlay underlay = BuildMagnetosphereUnderlay(folder.Path(), rotation);
  EXPECT_EQ(underlay.DaysRead, 1);
  ASSERT_EQ(underlay.Points.size(), 1u);
  EXPECT_NEAR(underlay.Points[0].X, MapX(eph.EphL0), 2);
  EXPECT_NEAR(underlay.Points[0].Y, MapY(12), 2);
  EXPECT_TRUE(underlay.Points[0].HighCode);
  EXPECT_TRUE(BuildMagnetosphereUnderlay(folder.Path(), rotation + 3).Points.empty());
}

}  // namespace
}  // namespace ardeno
