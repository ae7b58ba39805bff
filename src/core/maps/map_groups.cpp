// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/maps/map_groups.h"

#include <algorithm>
#include <cmath>

#include "core/text/number_format.h"

namespace ardeno {

namespace {

// Aux spots farther than this from their group (pixels) lie across the map's edge.
constexpr int kAuxWrapPixels = 100;
constexpr int kMapWidthUnits = 721;  // x = 20 .. 740 plus one

void Add(SpotSums& sums, int x, int y, int r) {
  sums.X += x;
  sums.Y += y;
  sums.R += r;
  ++sums.Count;
}

MapDisc Mean(const SpotSums& s, int k, int areaMultiple) {
  const int count = s.Count > 0 ? s.Count : 1;
  return {MapPixels(static_cast<int>(s.X / count), k), MapPixels(static_cast<int>(s.Y / count), k),
          static_cast<int>(s.R / count) * areaMultiple};
}

}  // namespace

int MapX(double longitude) { return static_cast<int>(Round(760 - (2 * longitude + 20))); }
int MapY(double latitude) { return static_cast<int>(Round(220 - 2 * latitude)); }

int MapDiscRadius(int k, int area) {
  return static_cast<int>(Round(k * std::sqrt(0.36 * std::max(area, 0))) / 64);
}

GroupMapStats AccumulateGroups(const MapSightings& sightings, const MapRecordRange& range,
                               int rotation, int k) {
  GroupMapStats stats;
  auto entryOf = [&stats](const MapSighting& s) -> GroupMapEntry& {
    for (GroupMapEntry& entry : stats) {
      if (entry.GroupNumber != s.GroupNumber) continue;
      const MapPlace mean{entry.SumLongitude / entry.Group.Count,
                          entry.SumLatitude / entry.Group.Count};
      if (IsSameGroupPlace(mean, s.Place)) return entry;
    }
    stats.push_back({});
    stats.back().GroupNumber = s.GroupNumber;
    return stats.back();
  };
  if (!range.Empty()) {
    const int last = std::min(range.Last, static_cast<int>(sightings.Records.size()));
    for (int i = range.First; i <= last; ++i) {
      for (const MapSighting& s : sightings.SightingsOf(i)) {
        if (s.Rotation != rotation || s.GroupNumber < 1 || s.GroupNumber > kMapGroupNumbers)
          continue;
        GroupMapEntry& entry = entryOf(s);
        Add(entry.Group, MapX(s.Place.Longitude), MapY(s.Place.Latitude),
            std::max(1, MapDiscRadius(k, s.Area)));
        entry.SumLongitude += s.Place.Longitude;
        entry.SumLatitude += s.Place.Latitude;
        for (int a = 0; a < 2; ++a) {
          const MapAuxSpot& aux = s.Aux[static_cast<std::size_t>(a)];
          if (!aux.Present) continue;
          Add(entry.Aux[static_cast<std::size_t>(a)], MapX(aux.Place.Longitude),
              MapY(aux.Place.Latitude), MapDiscRadius(k, aux.Area));
        }
      }
    }
  }
  std::stable_sort(stats.begin(), stats.end(), [](const GroupMapEntry& a, const GroupMapEntry& b) {
    return a.GroupNumber < b.GroupNumber;
  });
  for (GroupMapEntry& entry : stats) {
    const int count = entry.Group.Count > 0 ? entry.Group.Count : 1;
    entry.MeanLongitude = static_cast<float>(entry.SumLongitude / count);
    entry.MeanLatitude = static_cast<float>(entry.SumLatitude / count);
  }
  return stats;
}

std::vector<MapGroupDrawing> MapGroupDrawings(const GroupMapStats& stats, int k, int areaMultiple,
                                              bool withOutlines) {
  static const std::array<LensPoint, 13> shape = InitLensShape();
  std::vector<MapGroupDrawing> drawings;
  for (const GroupMapEntry& entry : stats) {
    MapGroupDrawing d;
    d.GroupNumber = entry.GroupNumber;
    if (entry.Group.Count > 0) d.Group = Mean(entry.Group, k, areaMultiple);
    if (entry.Aux[0].Count > 0) {
      const int count = entry.Aux[0].Count;
      int x1 = static_cast<int>(entry.Aux[0].X / count);
      if (withOutlines && d.Group) {
        const int x = static_cast<int>(entry.Group.X / entry.Group.Count);
        // A spot across the map's edge from its group is carried over to the group's side.
        const int apart = MapPixels(x1, k) - MapPixels(x, k);
        if (apart < -kAuxWrapPixels) x1 += kMapWidthUnits;
        if (apart > kAuxWrapPixels) x1 -= kMapWidthUnits;
      }
      d.Aux1 = MapDisc{MapPixels(x1, k), MapPixels(static_cast<int>(entry.Aux[0].Y / count), k),
                       static_cast<int>(entry.Aux[0].R / count) * areaMultiple};
      if (withOutlines && d.Group && std::abs(d.Aux1->X - d.Group->X) < kAuxWrapPixels)
        d.Outline = PlaceLens(shape, d.Group->X, d.Group->Y, d.Aux1->X, d.Aux1->Y);
    }
    if (entry.Aux[1].Count > 0) d.Aux2 = Mean(entry.Aux[1], k, areaMultiple);
    if (d.Group || d.Aux1 || d.Aux2) drawings.push_back(d);
  }
  return drawings;
}

std::vector<MapTableCell> MapTable(const GroupMapStats& stats) {
  // Stable order by longitude, then reversed: the table runs as the map, high longitudes first.
  std::vector<const GroupMapEntry*> order;
  for (const GroupMapEntry& entry : stats)
    if (entry.Group.Count > 0) order.push_back(&entry);
  std::stable_sort(order.begin(), order.end(), [](const GroupMapEntry* a, const GroupMapEntry* b) {
    return a->MeanLongitude < b->MeanLongitude;
  });
  std::reverse(order.begin(), order.end());
  std::vector<MapTableCell> cells;
  int row = 1;
  int column = 0;
  for (std::size_t n = 1; n <= order.size(); ++n) {
    if (n % 24 == 0) {
      ++row;
      column = 0;
    }
    const GroupMapEntry& entry = *order[n - 1];
    cells.push_back({entry.GroupNumber, ++column, row, FormatFixed(entry.MeanLatitude, 3, 1),
                     FormatFixed(entry.MeanLongitude, 3, 1)});
  }
  return cells;
}

}  // namespace ardeno
