// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which rotation a synoptic map shows and which records it reads: the rotation's dates, the list
// of rotations in the data, the range of records around the rotation and the test of which
// rotation a sighting belongs to.
#include <cstdint>
#include <string>
#include <vector>

#include "core/data/database.h"
#include "core/text/dates.h"

namespace ardeno {

struct MapRotationDates {
  CalendarDate Start;
  CalendarDate End;
  // Day of the rotation start counted from 1.1.1940, the first day of the corona rows.
  std::int64_t CoronaDayIndex = 0;
};
// Start and end of a Carrington rotation by the maps' mean rotation of 27.27 days.
MapRotationDates RotationDates(int rotation);
// "Mapa   dd.mm.yyyy - dd.mm.yyyy"
std::string MapCaption(const MapRotationDates& dates);

struct RotationListEntry {
  int RecordIndex = 0;  // the rotation's first record
  int Rotation = 0;
};
// Record 1, then every record whose Rotation is above that of the record before it.
std::vector<RotationListEntry> BuildRotationList(const Database& db);
// Position (0-based) of the entry that holds record `recordIndex`; 0 for an empty list.
int RotationListPosition(const std::vector<RotationListEntry>& list, int recordIndex);

struct MapRecordRange {
  int First = 0;  // 0: no record of the rotation
  int Last = -1;
  bool Empty() const { return First == 0 || Last < First; }
};
// The records of a rotation with the last quarter of the previous one and the first quarter of
// the next: from the first record of the rotation (or of the previous one with L0 below 90) up to
// the record before the next rotation's first with L0 below 270, or before any later rotation.
MapRecordRange RecordRangeOf(const Database& db, int rotation);

// The rotation a sighting at central-meridian distance `cmd` belongs to, by its longitude: a
// group still east of longitude 360 belongs to the rotation before the record's, one west of
// longitude 0 to the rotation after it.
int SightingRotation(double l0, double cmd, int recordRotation);

}  // namespace ardeno
