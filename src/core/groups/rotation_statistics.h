// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Per-rotation latitude statistics of the groups: the mean northern and southern latitude of each
// Carrington rotation, their smoothed course, the latitude extremes of each rotation and of each
// year. The butterfly diagram draws them and the map-data view lists them.
#include <cstdint>
#include <vector>

#include "core/data/database.h"
#include "core/groups/table_bounds.h"
#include "core/solar/record_positions.h"

namespace ardeno {

// One rotation index k (k = Rotation - Rotation of record 1 + 1). Latitudes in degrees, the
// extremes in tenths of a degree; 0 where a hemisphere had no group.
struct RotationStats {
  float MeanNorth = 0;
  float MeanSouth = 0;  // <= 0
  // Group numbers (1..70) whose last latitude in the rotation was north / south, filled by
  // ComputeRotationGroups.
  std::uint16_t GroupNumbersNorth = 0;
  std::uint16_t GroupNumbersSouth = 0;
  // Group sightings behind the means.
  std::uint16_t SightingsNorth = 0;
  std::uint16_t SightingsSouth = 0;
  std::int16_t HighestNorth10 = 0;
  std::int16_t LowestNorth10 = 0;
  std::int16_t MostSouthern10 = 0;
  std::int16_t SouthNearestEquator10 = 0;
};

// One calendar year index y (y = year - StatsFirstYear + 1), degrees; 0 where no group.
struct YearBounds {
  float HighestNorth = 0;
  float LowestNorth = 0;
  float MostSouthern = 0;
  float SouthNearestEquator = 0;
};

// The smoothed mean latitude of a hemisphere over five rotations, from those of them that have a
// mean; none (0, Has... false) when none of the five has.
struct SmoothedLatitudes {
  float North = 0;
  float South = 0;
  bool HasNorth = false;
  bool HasSouth = false;
};

struct RotationStatistics {
  // Entry k - 1 for rotation index k = 1..RotationStatsCount.
  std::vector<RotationStats> Rotations;
  // Same indexing; defined for k = 3..RotationStatsCount - 3 where a rotation of the five has a
  // mean.
  std::vector<SmoothedLatitudes> Smoothed;
  // Entry y - 1 for year index y = 1 (record 1's year) .. the last year with a group.
  std::vector<YearBounds> Years;
  int FirstRotation = 0;  // Rotation of record 1: rotation index 1
  int StatsFirstYear = 0;
  int StatsLastYear = 0;
  LeftOutRecords LeftOut{0, CoreTextNoop("GroupTables",
                                         "Statistiky otoček nezapočetly zákresy s číslem otočky "
                                         "menším, než má první zákres")};
  LeftOutRecords LeftOutYears{
      0, CoreTextNoop("GroupTables",
                      "Hranice výskytu po letech nezapočetly zákresy z let před "
                      "rokem prvního zákresu")};

  int RotationStatsCount() const { return static_cast<int>(Rotations.size()); }
  const RotationStats& At(int k) const { return Rotations[static_cast<std::size_t>(k - 1)]; }
  RotationStats& At(int k) { return Rotations[static_cast<std::size_t>(k - 1)]; }
  const SmoothedLatitudes& SmoothedAt(int k) const {
    return Smoothed[static_cast<std::size_t>(k - 1)];
  }
  int YearCount() const { return static_cast<int>(Years.size()); }
  const YearBounds& YearAt(int y) const { return Years[static_cast<std::size_t>(y - 1)]; }
};

// From the normal records and the positions of their groups; special records only extend the
// rotation count. A group is given to the rotation it crosses the central meridian in: its record's
// rotation, or the next one (longitude above 270 while L0 is below 90), or the previous one
// (longitude below 90 while L0 is above 270).
RotationStatistics ComputeRotationStatistics(const Database& db, const RecordPositions& positions);

}  // namespace ardeno
