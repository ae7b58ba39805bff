// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The groups of one synoptic map: every sighting of a rotation's records that belongs to the
// rotation is summed per group (a rotation group number and a place: two groups given the same
// number far apart stay two), and each group is drawn once, at the mean of its positions and
// radii, with its auxiliary spots, the outline joining the first one to it, and a line of the
// b/l table under the map.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/maps/map_rotation.h"
#include "core/maps/map_sightings.h"
#include "core/solar/group_circles.h"

namespace ardeno {

struct SpotSums {
  std::int64_t X = 0;  // map units
  std::int64_t Y = 0;
  std::int64_t R = 0;  // pixels
  int Count = 0;
};

struct GroupMapEntry {
  int GroupNumber = 0;  // 1..kMapGroupNumbers
  SpotSums Group;
  std::array<SpotSums, 2> Aux;
  double SumLongitude = 0;
  double SumLatitude = 0;
  float MeanLongitude = 0;
  float MeanLatitude = 0;
};

// The groups in order of their numbers, groups sharing a number in order of first sighting.
// Unnumbered groups (number 0) are not drawn and have no entry.
using GroupMapStats = std::vector<GroupMapEntry>;

// Single-map coordinates (map units): longitude 360 at x = 20, 0 at x = 740; the equator at
// y = 220, latitude 90 north at y = 40.
int MapX(double longitude);
int MapY(double latitude);
// Map units to pixels with the map scale k (sixteenths of a pixel per unit).
inline int MapPixels(int units, int k) { return units * k / 16; }
// Disc radius in pixels for an area in millionths of the disk, at least 1 for a group.
int MapDiscRadius(int k, int area);

// Sums the sightings of the records in `range` that belong to `rotation`, with radii for scale k;
// a sighting joins the entry of its number whose mean place is the same group's
// (IsSameGroupPlace), or opens a new one.
GroupMapStats AccumulateGroups(const MapSightings& sightings, const MapRecordRange& range,
                               int rotation, int k);

struct MapDisc {
  int X = 0;  // centre, pixels
  int Y = 0;
  int R = 0;
  bool operator==(const MapDisc&) const = default;
};

struct MapGroupDrawing {
  int GroupNumber = 0;
  std::optional<MapDisc> Aux1;
  std::optional<std::array<LensPoint, 13>> Outline;  // joins the group with its first aux spot
  std::optional<MapDisc> Aux2;
  std::optional<MapDisc> Group;
};

// The groups in drawing order (by number), radii multiplied by areaMultiple; the outlines only when
// withOutlines is set.
std::vector<MapGroupDrawing> MapGroupDrawings(const GroupMapStats& stats, int k, int areaMultiple,
                                              bool withOutlines);

struct MapTableCell {
  int GroupNumber = 0;
  int Column = 0;        // from 1
  int Row = 0;           // from 1
  std::string Latitude;  // one decimal in a field of three
  std::string Longitude;
};
// The b/l table in the order of the map, from high to low longitude; a new row starts before the
// 24th, 48th, ... entry.
std::vector<MapTableCell> MapTable(const GroupMapStats& stats);

}  // namespace ardeno
