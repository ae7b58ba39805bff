// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the synoptic maps read from the records, prepared once per change of the data: each
// group sighting with its heliographic place, area and auxiliary spots, and each facular field's
// vertices. Painting a map then only walks these values. Special records (a non-empty Kind) and
// records whose Date does not parse are left out, as they carry no observed places.
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "core/data/database.h"
#include "core/solar/record_positions.h"

namespace ardeno {

// Group numbers of a rotation the maps know; higher numbers are not placed.
inline constexpr int kMapGroupNumbers = 71;

struct MapPlace {
  double Longitude = 0;  // Carrington degrees
  double Latitude = 0;
  bool operator==(const MapPlace&) const = default;
};

// Sightings with one rotation group number are one group while they lie within this many degrees
// of each other in longitude and in latitude; farther apart they are two groups that were given
// the same number, and the maps keep them apart.
inline constexpr double kSameGroupDegrees = 15.0;
bool IsSameGroupPlace(const MapPlace& a, const MapPlace& b);

struct MapAuxSpot {
  bool Present = false;  // its position word is not 0
  MapPlace Place;
  int Area = 0;
};

struct MapSighting {
  int GroupNumber = 0;  // RotationGroupNumber, 0..kMapGroupNumbers
  int Rotation = 0;     // the rotation its longitude belongs to
  MapPlace Place;
  int Area = 0;  // nint(Area + 15.3 * SmallSpots)
  std::array<MapAuxSpot, 2> Aux;
};

struct MapFaculaField {
  std::uint32_t FirstVertex = 0;
  std::uint8_t VertexCount = 0;
};

struct MapRecordEntry {
  bool Observed = false;  // a dated ordinary record
  int Rotation = 0;       // the stored Rotation and CentralL0
  int CentralL0 = 0;
  std::uint32_t FirstSighting = 0;
  std::uint32_t SightingCount = 0;
  std::uint32_t FirstFacula = 0;
  std::uint32_t FaculaCount = 0;
};

struct MapSightings {
  std::vector<MapRecordEntry> Records;  // record i at Records[i - 1]
  std::vector<MapSighting> Sightings;
  std::vector<MapFaculaField> Faculae;
  std::vector<MapPlace> Vertices;  // longitude to whole degrees, as the maps place faculae

  const MapRecordEntry& Record(int i) const { return Records[static_cast<std::size_t>(i - 1)]; }
  std::span<const MapSighting> SightingsOf(int i) const {
    const MapRecordEntry& r = Record(i);
    return {Sightings.data() + r.FirstSighting, r.SightingCount};
  }
  std::span<const MapFaculaField> FaculaeOf(int i) const {
    const MapRecordEntry& r = Record(i);
    return {Faculae.data() + r.FirstFacula, r.FaculaCount};
  }
  std::span<const MapPlace> VerticesOf(const MapFaculaField& f) const {
    return {Vertices.data() + f.FirstVertex, f.VertexCount};
  }
};

// The auxiliary spot's position word: angle in whole degrees * 128 + distance in millimetres.
MapPlace AuxSpotPlace(const SolarEphemeris& eph, std::uint16_t positionWord);

MapSightings ComputeMapSightings(const Database& db, const RecordPositions& positions);

}  // namespace ardeno
