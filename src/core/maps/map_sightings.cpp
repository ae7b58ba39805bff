// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/maps/map_sightings.h"

#include <algorithm>
#include <cmath>

#include "core/maps/map_rotation.h"
#include "core/text/number_format.h"

namespace ardeno {

bool IsSameGroupPlace(const MapPlace& a, const MapPlace& b) {
  return std::abs(std::remainder(a.Longitude - b.Longitude, 360.0)) <= kSameGroupDegrees &&
         std::abs(a.Latitude - b.Latitude) <= kSameGroupDegrees;
}

MapPlace AuxSpotPlace(const SolarEphemeris& eph, std::uint16_t positionWord) {
  const HeliographicPosition p = PolarToHeliographic(eph, FaculaVertexAngle10(positionWord),
                                                     FaculaVertexDistance10(positionWord));
  return {p.HelioLongitude, p.HelioLatitude};
}

MapSightings ComputeMapSightings(const Database& db, const RecordPositions& positions) {
  MapSightings out;
  const int count = std::min(db.RecordCount, positions.Count());
  out.Records.resize(static_cast<std::size_t>(count));
  out.Sightings.reserve(positions.Groups.size());
  out.Faculae.reserve(positions.Faculae.size());
  out.Vertices.reserve(positions.FaculaVertices.size());
  for (int i = 1; i <= count; ++i) {
    const ObservationRecord& record = db.Record(i);
    const RecordPosition& position = positions.Record(i);
    MapRecordEntry& entry = out.Records[static_cast<std::size_t>(i - 1)];
    entry.Rotation = record.Rotation();
    entry.CentralL0 = record.CentralL0();
    entry.FirstSighting = static_cast<std::uint32_t>(out.Sightings.size());
    entry.FirstFacula = static_cast<std::uint32_t>(out.Faculae.size());
    if (record.IsSpecial() || !position.HasDate) continue;
    entry.Observed = true;
    const SolarEphemeris& eph = position.Eph;
    const auto groups = positions.GroupsOf(i);
    for (int k = 1; k <= static_cast<int>(groups.size()); ++k) {
      const int number = record.RotationGroupNumber(k);
      if (number > kMapGroupNumbers) continue;
      const HeliographicPosition& g = groups[static_cast<std::size_t>(k - 1)];
      MapSighting s;
      s.GroupNumber = number;
      s.Rotation = SightingRotation(eph.EphL0, g.CentralMeridianDistance, eph.RotationNumber);
      s.Place = {g.HelioLongitude, g.HelioLatitude};
      s.Area = static_cast<int>(Round(record.Area(k) + 15.3 * record.SmallSpots(k)));
      const std::uint16_t words[2] = {record.Aux1Position(k), record.Aux2Position(k)};
      const std::uint16_t areas[2] = {record.Aux1Area(k), record.Aux2Area(k)};
      for (int a = 0; a < 2; ++a) {
        if (words[a] == 0) continue;
        s.Aux[a] = {true, AuxSpotPlace(eph, words[a]), areas[a]};
      }
      out.Sightings.push_back(s);
    }
    for (const FaculaOutline& outline : positions.FaculaeOf(i)) {
      MapFaculaField field;
      field.FirstVertex = static_cast<std::uint32_t>(out.Vertices.size());
      for (const HeliographicPosition& v : positions.VerticesOf(outline))
        out.Vertices.push_back({static_cast<double>(Round(v.HelioLongitude)), v.HelioLatitude});
      field.VertexCount = outline.VertexCount;
      if (field.VertexCount > 0) out.Faculae.push_back(field);
    }
    entry.SightingCount = static_cast<std::uint32_t>(out.Sightings.size()) - entry.FirstSighting;
    entry.FaculaCount = static_cast<std::uint32_t>(out.Faculae.size()) - entry.FirstFacula;
  }
  return out;
}

}  // namespace ardeno
