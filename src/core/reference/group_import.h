// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turning catalogue days into observation records and adding them to a database: one record per
// day, signed by the source, each group placed on the drawing from its latitude and
// central-meridian distance at the moment the source's position is valid, with the results block,
// Rotation and CentralL0 as the record editor stores them. Days the database already has are left
// as they are.
#include <cstdint>
#include <string>
#include <vector>

#include "core/data/database.h"
#include "core/reference/rotation_group_numbers.h"
#include "core/reference/source_day.h"

namespace ardeno {

// Class stored for a group whose source gives none (the program's mark of a slot without class).
inline constexpr const char* kUnknownGroupClass = "***";

struct BuiltRecord {
  ObservationRecord Record;
  int GroupsLeftOut = 0;  // beyond the 40 slots of a record (the largest areas are kept)
  int AreasNotExact = 0;  // groups whose corrected area the stored area cannot give exactly
};

// The record of one catalogue day. radiusWord is copied into the record as every record carries
// record 1's settings.
BuiltRecord BuildSourceRecord(const SourceDay& day, RotationGroupNumbers& numbers,
                              std::uint16_t radiusWord);

struct ImportReport {
  int AddedDays = 0;
  int SpotlessDays = 0;
  std::vector<CalendarDate> KeptDays;  // already in the database, or twice in the files
  int GroupsLeftOut = 0;
  int AreasNotExact = 0;
  int RepeatedGroups = 0;  // a region given twice for one added day, stored once
};

// Adds the days that the database (records 1..RecordCount) does not hold yet, each region of a
// day once (DropRepeatedGroups), keeping date order; existing records are neither moved relative to
// each other nor changed. Records holds exactly RecordCount records afterwards (plus nothing): the
// caller saves it whole.
ImportReport ImportSourceDays(Database& db, std::vector<SourceDay> days, std::uint16_t radiusWord);

}  // namespace ardeno
