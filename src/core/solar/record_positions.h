// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Each record's ephemeris and the heliographic positions of its groups and facular fields,
// computed once per change of the data and read by the statistics, the butterfly diagram and the
// synoptic maps, so that no window runs the ephemeris for every record at every paint. The values
// are exactly those of RecordEphemeris and PolarToHeliographic for the record. Beside them lie the
// few stored fields the group statistics read of every record and group, so that those walk
// these compact tables instead of 35 MB of records.
#include <cassert>
#include <cstdint>
#include <span>
#include <vector>

#include "core/data/database.h"
#include "core/solar/heliographic.h"

namespace ardeno {

// Vertices of one facular field, from the first one up to (not including) the first vertex 0.
// A field whose first vertex is 0 has no vertices.
struct FaculaOutline {
  std::uint32_t FirstVertex = 0;  // index into RecordPositions::FaculaVertices
  std::uint8_t VertexCount = 0;   // 0..6
};

// Stored fields of a group that the group statistics count.
struct GroupFacts {
  std::uint16_t RotationGroupNumber = 0;
  std::uint8_t TypeValue = 0;  // GroupTypeCvValue of the class: 0 for a class not in the table
  char ZurichLetter = '\0';    // GroupTypeLetter
};

struct RecordPosition {
  // False when the record's Date does not parse: the ephemeris, groups and faculae are then empty.
  bool HasDate = false;
  CalendarDate Date;
  SolarEphemeris Eph;
  std::uint32_t FirstGroup = 0;   // index into RecordPositions::Groups
  std::uint8_t GroupCount = 0;    // the record's GroupCount (at most 40)
  std::uint32_t FirstFacula = 0;  // index into RecordPositions::Faculae
  std::uint8_t FaculaCount = 0;   // the record's FacularCount (at most 40)
  // As stored, whether or not the date parses.
  std::uint16_t Rotation = 0;
  std::uint16_t CentralL0 = 0;
  bool IsSpecial = false;
  // Digest of every input above (date, time, group and facula positions, the stored fields and
  // the groups' facts): an update reuses the entry of a record whose digest is unchanged.
  std::uint64_t InputDigest = 0;
};

// Whether the facular fields' vertices are converted with the rest. Most statistics read only
// the groups; the vertices (about twenty per drawing) cost as much as everything else together,
// so the shared statistics convert them when a window that draws faculae first asks for them.
enum class FaculaVertices { Convert, Later };

struct RecordPositions {
  std::vector<RecordPosition> Records;  // record i (1-based) at Records[i - 1]
  std::vector<HeliographicPosition> Groups;
  std::vector<GroupFacts> Facts;       // beside Groups, one per group
  std::vector<FaculaOutline> Faculae;  // their vertex indices are set even before conversion
  std::vector<HeliographicPosition> FaculaVertices;  // empty until converted
  bool HasFaculaVertices = false;

  int Count() const { return static_cast<int>(Records.size()); }
  const RecordPosition& Record(int i) const { return Records[static_cast<std::size_t>(i - 1)]; }
  // Group k of record i is GroupsOf(i)[k - 1].
  std::span<const HeliographicPosition> GroupsOf(int i) const {
    const RecordPosition& r = Record(i);
    return {Groups.data() + r.FirstGroup, r.GroupCount};
  }
  std::span<const GroupFacts> FactsOf(int i) const {
    const RecordPosition& r = Record(i);
    return {Facts.data() + r.FirstGroup, r.GroupCount};
  }
  // Field k of record i is FaculaeOf(i)[k - 1].
  std::span<const FaculaOutline> FaculaeOf(int i) const {
    const RecordPosition& r = Record(i);
    return {Faculae.data() + r.FirstFacula, r.FaculaCount};
  }
  // Only once the vertices are converted (HasFaculaVertices).
  std::span<const HeliographicPosition> VerticesOf(const FaculaOutline& outline) const {
    assert(HasFaculaVertices);
    return {FaculaVertices.data() + outline.FirstVertex, outline.VertexCount};
  }
};

// Drawing position of facula vertex value v (whole degrees * 128 + millimetres) in the units of
// Angle10 and Distance10.
inline double FaculaVertexAngle10(std::uint16_t v) { return (v / 128) * 10.0; }
inline double FaculaVertexDistance10(std::uint16_t v) { return (v % 128) * 10.0; }

// Positions of records 1..RecordCount.
RecordPositions ComputeRecordPositions(const Database& db,
                                       FaculaVertices vertices = FaculaVertices::Convert);

// Converts the vertices of positions computed with FaculaVertices::Later (nothing when they are
// converted already); the result equals ComputeRecordPositions(db).
void ConvertFaculaVertices(RecordPositions& positions, const Database& db);

// The same result as ComputeRecordPositions(db), reusing the entries of `previous` for records
// whose inputs did not change, wherever a store, a correction or a removal moved them: after a
// single store only that record goes through the ephemeris. The vertices are converted when
// `previous` has them.
RecordPositions UpdateRecordPositions(const RecordPositions& previous, const Database& db);

}  // namespace ardeno
