// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which Carrington rotation a group sighting belongs to, and which records may hold sightings of
// a rotation. A group crossing the disk near the start or the end of a rotation can be drawn on a
// record of the neighbouring rotation; its Carrington longitude and the central meridian decide.
#include "core/data/database.h"
#include "core/solar/record_positions.h"

namespace ardeno {

// longitude: the group's Carrington longitude; l0: the record's central-meridian longitude;
// recordRotation: the record's Rotation. True when the group belongs to `rotation`: exactly one
// or three of the four conditions (previous rotation seen early, this rotation's west half, its
// east half, next rotation seen late) hold.
bool GroupBelongsToRotation(double longitude, double l0, int recordRotation, int rotation);

// Records 1..RecordCount that can hold sightings of a rotation: from its first record, moved back
// by up to seven records but not past the last quarter of the previous rotation, to seven records
// after the first record of the next rotation with its central meridian past 270 (or of any
// later rotation), or to the last record when no such record follows.
struct RecordWindow {
  int First = 0;  // 0 when no record has the rotation
  int Last = 0;
};
RecordWindow RotationRecordWindow(const Database& db, int rotation);
// The same from the records' positions when the first record of the rotation (firstRecord, 0 for
// none) is already known.
RecordWindow RotationRecordWindow(const RecordPositions& positions, int rotation, int firstRecord);

// Records of a window more than this many days after its first record are not read.
inline constexpr int kRotationWindowDays = 41;

}  // namespace ardeno
