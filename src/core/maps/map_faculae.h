// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The facular fields of one synoptic map, as polygons in map units.
#include <vector>

#include "core/maps/map_rotation.h"
#include "core/maps/map_sightings.h"

namespace ardeno {

struct MapUnitPoint {
  int X = 0;
  int Y = 0;
  bool operator==(const MapUnitPoint&) const = default;
};
using MapPolygon = std::vector<MapUnitPoint>;

// Longitude of a facula vertex moved by 360 where its record lies at the rotation's boundary, so
// that the field lands on the side of the map its rotation belongs to.
double FaculaMapLongitude(double longitude, int recordRotation, int recordL0, int rotation);

// Fields of the records in range from the previous rotation, this one, and the next one past
// L0 270, each only when every vertex lies inside the map.
std::vector<MapPolygon> MapFaculae(const MapSightings& sightings, const MapRecordRange& range,
                                   int rotation);

}  // namespace ardeno
