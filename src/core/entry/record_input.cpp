// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/entry/record_input.h"

#include <algorithm>

#include "core/data/database_ops.h"
#include "core/entry/cell_numbers.h"
#include "core/entry/record_input_build.h"
#include "core/entry/record_input_checks.h"
#include "core/solar/day_results.h"
#include "core/solar/ephemeris.h"

namespace ardeno {

namespace {

// True when a group of the drawing carries a rotation group number that a far group of the same
// rotation carries already: the outcome then holds the warnings, the free numbers put in their
// cells and the first such cell to look at. Nothing is stored, so the observer can choose.
bool WarnOfSharedGroupNumbers(const Database& db, const RecordInput& input,
                              const ObservationRecord& record, StoreOutcome& outcome) {
  std::vector<KeptGroupNumber> kept = input.KeptGroupNumbers;
  const bool correction = input.Mode == EditorMode::Correction;
  if (correction) {
    const auto unchanged = UnchangedGroupNumbers(db.Record(db.CurrentIndex), record);
    kept.insert(kept.end(), unchanged.begin(), unchanged.end());
  }
  const auto clashes = FindGroupNumberClashes(db, record, correction ? db.CurrentIndex : 0, kept);
  if (clashes.empty()) return false;
  for (const GroupNumberClash& clash : clashes) {
    outcome.Messages.push_back(GroupNumberClashMessage(db, clash));
    outcome.WarnedGroupNumbers.push_back({clash.Row, clash.GroupNumber});
    const auto row = static_cast<std::size_t>(clash.Row - 1);
    if (clash.SuggestedNumber && row < outcome.Groups.size())
      outcome.Groups[row][kGroupNumberColumn] = std::to_string(*clash.SuggestedNumber);
  }
  outcome.FaultCell = GridCell{EditorGrid::Groups, clashes.front().Row, kGroupNumberColumn};
  return true;
}

}  // namespace

int RunCounter(const Database& db) { return db.RecordCount + 1 - db.RecordCountAtLoad; }

StoreOutcome StoreRecord(Database& db, const RecordInput& input) {
  StoreOutcome outcome;
  outcome.Groups = input.Groups;
  outcome.RunCounter = RunCounter(db);

  const HeaderCheck header = CheckHeader(db, input);
  outcome.Messages = header.Messages;
  outcome.FocusField = header.Focus;
  outcome.FaultFields = header.FaultFields;
  if (header.Refused) return outcome;

  const HeaderNumbers& numbers = header.Numbers;
  const SolarEphemeris eph = Ephemeris(header.Date, numbers.TimeUT);
  const CellCheck cells =
      CheckCells(input, numbers.GroupCount, numbers.FacularCount, db.Mode, db.DrawingRadius, eph);
  if (cells.Faulty) {
    outcome.Messages.insert(outcome.Messages.end(), cells.Messages.begin(), cells.Messages.end());
    outcome.FaultCell = cells.Cell;
    return outcome;
  }

  RecordInput typed = input;
  // However the date was typed ("5.3.2024"), the record keeps it as "dd.mm.yyyy".
  typed.Header[HeaderField::Date] = FormatDate(header.Date);
  for (int row = 1; row <= numbers.GroupCount && row <= static_cast<int>(typed.Groups.size());
       ++row) {
    for (int column : {4, 5}) {
      std::string& cell =
          typed.Groups[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column)];
      cell = WithDecimalPoint(cell);
    }
  }
  outcome.Groups = typed.Groups;

  // The record is built apart and enters the database only when it is complete.
  ObservationRecord record = db.WorkRecord;
  ClearWorkRecord(record, db);
  FillRecord(record, typed, numbers, eph, db.Mode, db.DrawingRadius);
  if (input.Mode == EditorMode::Correction) {
    KeepUntouchedGroupValues(record, db.Record(db.CurrentIndex), typed, db.Mode, db.DrawingRadius);
  } else {
    // A measured facular area belongs to the drawing it was measured on, not to a new one.
    record.SetFaculaAreaText("");
  }
  if (input.Mode != EditorMode::Special && WarnOfSharedGroupNumbers(db, input, record, outcome))
    return outcome;
  StoreDayResults(record, eph);

  const ObservationRecord previousWork = db.WorkRecord;
  db.WorkRecord = record;
  if (input.Mode == EditorMode::Correction) {
    StoreWorkRecord(db, db.CurrentIndex);
  } else {
    if (auto refusal = AppendWorkRecord(db)) {
      db.WorkRecord = previousWork;
      outcome.Messages.push_back(*refusal);
      return outcome;
    }
    db.CurrentIndex = db.RecordCount;
  }
  AddObserver(db, record.Observer());
  db.DataChanged = true;

  // The stored drawing stays current, also when another drawing has the same date.
  db.CurrentIndex = std::max(1, SortRecords(db, db.CurrentIndex));
  outcome.Stored = true;
  return outcome;
}

}  // namespace ardeno
