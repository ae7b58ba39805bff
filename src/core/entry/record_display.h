// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the record editor shows: a record turned into the texts of its fields and grids, the
// state the editor opens with, the rules of the group and facula count fields, and the switch of
// the polar group grid between angle/distance and l/b entry.
#include <optional>
#include <string>
#include <vector>

#include "core/data/database.h"
#include "core/entry/record_input.h"
#include "core/text/refusal.h"

namespace ardeno {

struct EditorTexts {
  HeaderTexts Header;
  std::vector<GroupRowTexts> Groups;    // one row per group of the record
  std::vector<FaculaRowTexts> Faculae;  // one row per facular field
};

// The record as the editor shows it (the kind field is left empty): positions as angle and
// distance at the drawing radius in polar mode, as l and b in heliographic mode, "s" / "j" for a
// hemisphere marker; areas in square millimetres (polar) or millionths (heliographic).
EditorTexts FillFromWorkRecord(const ObservationRecord& record, CoordinateMode mode,
                               float drawingRadius);

struct EditorOpening {
  EditorTexts Texts;
  bool KindVisible = false;
  int RunCounter = 0;
};

// Prepares the database and the texts for an opening of the editor: a new or special drawing
// shows the defaults of a new record with the first observer, a correction shows the current
// record. Afterwards WorkRecord is the current record (when there is one), which the store
// clears and fills.
EditorOpening OpenEditor(Database& db, EditorMode mode);

// What a change of the group or facula count field does to its grid.
struct CountFieldChange {
  bool IsNumber = false;  // false: only disable the grid
  bool GridEnabled = false;
  int Rows = 1;  // data rows of the grid, at least one
  std::optional<std::string> Message;
  std::optional<std::string> FieldText;  // the field's new text, when corrected
};
CountFieldChange CountChanged(const std::string& text);

// Rows 1..count of the group grid; a row whose spot count is empty gets "0" in columns 2..15.
void FillEmptyGroupRows(std::vector<GroupRowTexts>& rows, int count);

// The Helios switch: converts rows 1..count between angle/distance (with areas in square
// millimetres) and l/b (with areas in stored millionths) for the typed date and time. Rows with
// a hemisphere marker keep their position. Returns the message when the date or time is missing
// or wrong; the rows are then unchanged.
Refusal SwitchPositionEntry(std::vector<GroupRowTexts>& rows, int count,
                            const std::string& dateText, const std::string& timeText,
                            bool toLongitudeLatitude, float drawingRadius);

}  // namespace ardeno
