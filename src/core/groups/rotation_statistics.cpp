// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/groups/rotation_statistics.h"

#include <algorithm>

#include "core/text/number_format.h"

namespace ardeno {

namespace {

// Start values that any real latitude replaces; those left at the end become 0.
constexpr std::int16_t kNoLowestNorth10 = 1000;
constexpr std::int16_t kNoSouthNearest10 = -1000;
constexpr float kNoLowestNorth = 100;
constexpr float kNoSouthNearest = -100;

struct LatitudeSums {
  double North = 0;
  double South = 0;
};

int GroupRotationIndex(int recordIndex, double longitude, double l0) {
  if (longitude > 270 && l0 < 90) return recordIndex + 1;
  if (longitude < 90 && l0 > 270) return recordIndex - 1;
  return recordIndex;
}

void AddSouth(RotationStats& entry, YearBounds* year, double b, std::int16_t b10) {
  if (year) {
    year->MostSouthern = std::min(year->MostSouthern, static_cast<float>(b));
    if (b < 0 && b > year->SouthNearestEquator) year->SouthNearestEquator = static_cast<float>(b);
  }
  entry.MostSouthern10 = std::min(entry.MostSouthern10, b10);
  if (b10 < 0 && b10 > entry.SouthNearestEquator10) entry.SouthNearestEquator10 = b10;
  ++entry.SightingsSouth;
}

void AddNorth(RotationStats& entry, YearBounds* year, double b, std::int16_t b10) {
  if (year) {
    year->HighestNorth = std::max(year->HighestNorth, static_cast<float>(b));
    if (b > 0 && b < year->LowestNorth) year->LowestNorth = static_cast<float>(b);
  }
  entry.HighestNorth10 = std::max(entry.HighestNorth10, b10);
  if (b10 >= 1 && b10 < entry.LowestNorth10) entry.LowestNorth10 = b10;
  ++entry.SightingsNorth;
}

void ComputeMeans(RotationStatistics& stats, const std::vector<LatitudeSums>& sums) {
  for (int k = 1; k <= stats.RotationStatsCount(); ++k) {
    RotationStats& entry = stats.At(k);
    const LatitudeSums& sum = sums[static_cast<std::size_t>(k - 1)];
    if (entry.SightingsNorth > 0)
      entry.MeanNorth = static_cast<float>(sum.North / entry.SightingsNorth);
    if (entry.SightingsSouth > 0)
      entry.MeanSouth = static_cast<float>(sum.South / entry.SightingsSouth);
  }
}

// A 1-2-2-2-1 running mean over five rotations, of the rotations that have a mean latitude in
// the hemisphere: one without groups there has none (not the equator), and the others keep their
// weights. With all five present this is the plain mean (sum / 4).
void Smooth(RotationStatistics& stats) {
  constexpr double kWeights[5] = {0.5, 1, 1, 1, 0.5};
  const int count = stats.RotationStatsCount();
  stats.Smoothed.assign(static_cast<std::size_t>(count), {});
  for (int k = 3; k <= count - 3; ++k) {
    auto smooth = [&](float RotationStats::*mean, std::uint16_t RotationStats::*sightings,
                      float& value, bool& has) {
      double sum = 0;
      double weight = 0;
      for (int i = 0; i < 5; ++i) {
        const RotationStats& entry = stats.At(k - 2 + i);
        if (entry.*sightings == 0) continue;
        sum += kWeights[i] * (entry.*mean);
        weight += kWeights[i];
      }
      has = weight > 0;
      value = has ? static_cast<float>(sum / weight) : 0.0f;
    };
    SmoothedLatitudes& smoothed = stats.Smoothed[static_cast<std::size_t>(k - 1)];
    smooth(&RotationStats::MeanNorth, &RotationStats::SightingsNorth, smoothed.North,
           smoothed.HasNorth);
    smooth(&RotationStats::MeanSouth, &RotationStats::SightingsSouth, smoothed.South,
           smoothed.HasSouth);
  }
}

void ClearSentinels(RotationStatistics& stats) {
  for (RotationStats& entry : stats.Rotations) {
    if (entry.LowestNorth10 == kNoLowestNorth10) entry.LowestNorth10 = 0;
    if (entry.SouthNearestEquator10 == kNoSouthNearest10) entry.SouthNearestEquator10 = 0;
  }
  for (YearBounds& year : stats.Years) {
    if (year.LowestNorth == kNoLowestNorth) year.LowestNorth = 0;
    if (year.SouthNearestEquator == kNoSouthNearest) year.SouthNearestEquator = 0;
  }
}

}  // namespace

RotationStatistics ComputeRotationStatistics(const Database& db, const RecordPositions& positions) {
  RotationStatistics stats;
  if (db.RecordCount < 1 || positions.Count() < db.RecordCount) return stats;
  stats.FirstRotation = positions.Record(1).Rotation;
  stats.StatsFirstYear = positions.Record(1).Date.Year;

  RotationStats start;
  start.LowestNorth10 = kNoLowestNorth10;
  start.SouthNearestEquator10 = kNoSouthNearest10;
  YearBounds noYear;
  noYear.LowestNorth = kNoLowestNorth;
  noYear.SouthNearestEquator = kNoSouthNearest;
  std::vector<LatitudeSums> sums;
  // The tables grow with the data, so that a database of any length is counted to its end.
  auto rotationEntry = [&](int index) -> std::size_t {
    const auto at = static_cast<std::size_t>(index - 1);
    if (at >= stats.Rotations.size()) {
      stats.Rotations.resize(at + 1, start);
      sums.resize(at + 1);
    }
    return at;
  };
  auto yearEntry = [&](int y) -> YearBounds& {
    const auto at = static_cast<std::size_t>(y - 1);
    if (at >= stats.Years.size()) stats.Years.resize(at + 1, noYear);
    return stats.Years[at];
  };

  int count = 0;
  for (int i = 1; i <= db.RecordCount; ++i) {
    const RecordPosition& where = positions.Record(i);
    const int k = where.Rotation - stats.FirstRotation + 1;
    if (k < 1) {
      ++stats.LeftOut.Count;
      continue;
    }
    count = std::max(count, k);
    if (where.IsSpecial || !where.HasDate) continue;
    const int y = where.Date.Year - stats.StatsFirstYear + 1;
    if (y < 1 && where.GroupCount > 0) ++stats.LeftOutYears.Count;
    for (const HeliographicPosition& group : positions.GroupsOf(i)) {
      // Index 0 (a group of the first rotation given to the one before) has no entry.
      const int index = GroupRotationIndex(k, group.HelioLongitude, where.Eph.EphL0);
      if (index < 1) continue;
      const std::size_t at = rotationEntry(index);
      RotationStats& entry = stats.Rotations[at];
      LatitudeSums& sum = sums[at];
      YearBounds* year = y >= 1 ? &yearEntry(y) : nullptr;
      const double b = group.HelioLatitude;
      const auto b10 = static_cast<std::int16_t>(Round(10 * b));
      if (b <= 0) {
        AddSouth(entry, year, b, b10);
        sum.South += b;
      } else {
        AddNorth(entry, year, b, b10);
        sum.North += b;
      }
      stats.StatsLastYear = where.Date.Year;
    }
  }
  // A group of the last record's rotation given to the next one lies beyond the count.
  stats.Rotations.resize(static_cast<std::size_t>(count), start);
  sums.resize(static_cast<std::size_t>(count));
  ComputeMeans(stats, sums);
  Smooth(stats);
  ClearSentinels(stats);
  return stats;
}

}  // namespace ardeno
