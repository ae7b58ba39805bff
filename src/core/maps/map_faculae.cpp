// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/maps/map_faculae.h"

#include <algorithm>

#include "core/maps/map_groups.h"

namespace ardeno {

double FaculaMapLongitude(double l, int recordRotation, int recordL0, int rotation) {
  if (recordRotation == rotation - 1) {
    if ((l < 90 && recordL0 >= 271) || (l < 180 && recordL0 < 180)) return l + 360;
  } else if (recordRotation == rotation) {
    if (recordL0 >= 271 && l < 90) return l + 360;
    if (recordL0 < 90 && l >= 271 && l < 361) return l - 360;
  } else if (recordRotation == rotation + 1) {
    if (recordL0 >= 271 && l >= 181) return l - 360;
  }
  return l;
}

std::vector<MapPolygon> MapFaculae(const MapSightings& sightings, const MapRecordRange& range,
                                   int rotation) {
  std::vector<MapPolygon> polygons;
  if (range.Empty()) return polygons;
  const int last = std::min(range.Last, static_cast<int>(sightings.Records.size()));
  for (int i = range.First; i <= last; ++i) {
    const MapRecordEntry& record = sightings.Record(i);
    const bool drawn = record.Rotation == rotation - 1 || record.Rotation == rotation ||
                       (record.Rotation == rotation + 1 && record.CentralL0 > 270);
    if (!drawn) continue;
    for (const MapFaculaField& field : sightings.FaculaeOf(i)) {
      MapPolygon polygon;
      bool inside = true;
      for (const MapPlace& v : sightings.VerticesOf(field)) {
        const double l =
            FaculaMapLongitude(v.Longitude, record.Rotation, record.CentralL0, rotation);
        const MapUnitPoint p{MapX(l), MapY(v.Latitude)};
        inside = inside && p.X >= 20 && p.X <= 740 && p.Y >= 40 && p.Y <= 400;
        polygon.push_back(p);
      }
      if (inside) polygons.push_back(std::move(polygon));
    }
  }
  return polygons;
}

}  // namespace ardeno
