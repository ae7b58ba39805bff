// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Building a record from the editor's texts once every check has passed.
#include "core/data/database.h"
#include "core/entry/record_input.h"
#include "core/entry/record_input_checks.h"
#include "core/solar/ephemeris.h"

namespace ardeno {

// The defaults of a new record: no observer, the station of record 1 (when the database holds
// more than one record), time 1200, no date, every count and header number 0, no kind, and every
// slot cleared to "***" with zero counts, position, area, numbers and facula vertices. The
// reserved bytes, the rotation and the results block are left as they are.
void ClearWorkRecord(ObservationRecord& record, const Database& db);

// Stored millionths of an area typed in the given unit, rounded halves to even.
std::uint16_t StoredArea(double typed, AreaUnit unit, float drawingRadius);

// Writes the typed header and rows 1..GroupCount and 1..FacularCount into a cleared record, with
// the rotation and central longitude of the ephemeris of its date and time.
void FillRecord(ObservationRecord& record, const RecordInput& input, const HeaderNumbers& numbers,
                const SolarEphemeris& eph, CoordinateMode mode, float drawingRadius);

// A correction shows positions and areas rounded to one decimal; a group whose cells the user
// left as shown keeps the exact stored values instead of the rounded ones, so correcting one
// field never moves the other groups. Positions typed as l and b are kept only when the date
// and time are unchanged too, since their drawing position depends on the moment. After the
// polar grid was switched to l and b, the cells are compared with the switched texts.
void KeepUntouchedGroupValues(ObservationRecord& record, const ObservationRecord& original,
                              const RecordInput& typed, CoordinateMode mode, float drawingRadius);

}  // namespace ardeno
