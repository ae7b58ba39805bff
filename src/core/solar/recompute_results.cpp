// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/solar/recompute_results.h"

#include "core/solar/day_results.h"
#include "core/solar/ephemeris.h"

namespace ardeno {

namespace {
constexpr std::uint16_t kNoonUT = 1200;
}  // namespace

RecomputeOutcome RecomputeAllResults(Database& db) {
  RecomputeOutcome outcome;
  for (int i = 1; i <= db.RecordCount; ++i) {
    ObservationRecord& record = db.Record(i);
    const ObservationRecord before = record;
    if (record.TimeUT() == 0) {
      record.SetTimeUT(kNoonUT);
      ++outcome.TimeRepairs;
    }
    const std::optional<SolarEphemeris> eph = RecordEphemeris(record);
    if (!eph) {
      ++outcome.UnreadableDates;
      continue;
    }
    StoreDayResults(record, *eph);
    ++outcome.Recomputed;
    if (!(record == before)) db.DataChanged = true;
  }
  if (db.CurrentIndex >= 1 && db.CurrentIndex <= db.RecordCount)
    db.WorkRecord = db.Record(db.CurrentIndex);
  return outcome;
}

}  // namespace ardeno
