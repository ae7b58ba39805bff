// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The observation marks of the butterfly diagram: the groups, one mark per group number and
// rotation at the mean latitude of its sightings, and the own facular fields. The sightings are
// collected once per change of the data from the positions cache; placing them for a scale is a
// walk over prepared values.
#include <vector>

#include "core/butterfly/butterfly_scale.h"
#include "core/data/database.h"
#include "core/solar/record_positions.h"

namespace ardeno {

// A sighting of a numbered group (1..70) in a normal record.
struct GroupSighting {
  int Rotation = 0;  // the record's stored rotation
  int Number = 0;
  double Latitude = 0;
};

// A facular field of a normal record: its rotation, 360 - L0 + d of its first vertex, and the
// highest and lowest latitude of its vertices in whole half degrees (truncated).
struct FaculaSpan {
  int Rotation = 0;
  double Offset = 0;
  int HalfDegreesMax = 0;
  int HalfDegreesMin = 0;
};

// Every sighting of every normal record, however many rotations the data span.
struct ObservationSightings {
  std::vector<GroupSighting> Groups;
  std::vector<FaculaSpan> Faculae;
};

ObservationSightings CollectObservationSightings(const Database& db,
                                                 const RecordPositions& positions);

// A group number's mark in one rotation: sum div count of trunc(H b) over its sightings there.
struct GroupMarkCell {
  int Rotation = 0;
  int PixelLatitude = 0;
  bool operator==(const GroupMarkCell&) const = default;
};
// Rotation by rotation, group number by group number.
std::vector<GroupMarkCell> ReduceGroupSightings(const ObservationSightings& sightings,
                                                int heightScale);

// The x range a picture shows; marks wholly outside it are not placed.
struct VisibleColumns {
  int Left = -(1 << 30);
  int Right = 1 << 30;
  bool Holds(int x1, int x2) const { return x2 >= Left && x1 <= Right; }
};

std::vector<MarkRect> PlaceGroupMarks(const std::vector<GroupMarkCell>& cells,
                                      const ButterflyScale& scale, VisibleColumns visible = {});
// The rotation at whose column a facular field stands: its record's rotation moved by the turns of
// 360 - L0 + d, counted from the diagram's start rotation and truncated towards zero.
int FaculaSpanRotation(const FaculaSpan& facula, int startRotation);
// Bars with the faculae width switch on, otherwise vertical lines (X1 == X2).
std::vector<MarkRect> PlaceOwnFaculae(const std::vector<FaculaSpan>& faculae,
                                      const ButterflyScale& scale, bool bars,
                                      VisibleColumns visible = {});

// The group marks of the database at a scale, in one call.
std::vector<MarkRect> GroupMarks(const Database& db, const RecordPositions& positions,
                                 const ButterflyScale& scale);

}  // namespace ardeno
