// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the load of a data file finds in its records that the user must hear of before anything
// is saved: dates that do not read (such a record cannot be placed in date order and the record
// list leaves it out), times no clock shows, years kept with fewer than four digits by older
// versions, and group or facula counts beyond the 40 slots (cut to 40 at load).
#include <cstdint>
#include <string>
#include <vector>

#include "core/data/database.h"

namespace ardeno {

// The latest time (hhmm) a record can hold; later ones are impossible times.
inline constexpr std::uint16_t kLastMinuteOfDay = 2359;

struct RecordFindings {
  std::vector<int> UnreadableDates;  // record indices, 1-based
  std::vector<int> ImpossibleTimes;  // TimeUT above 2359 or with 60 minutes or more
  std::vector<int> ShortYears;       // a date such as "05.03.24"
  std::vector<int> ClampedCounts;    // GroupCount or FacularCount above 40
  // One Czech line per kind found, naming the records (the first ten of each kind).
  std::vector<std::string> Lines;

  bool Any() const { return !Lines.empty(); }
};

// Looks at records 1..RecordCount as read, before the load-time repairs.
RecordFindings FindRecordProblems(const Database& db);

// The same checks on the drawings of another data file, numbered by their place in it (1-based);
// unused places (an empty Date) are not looked at.
RecordFindings FindRecordProblems(const std::vector<ObservationRecord>& records);

// Every record named by any kind of finding, ascending and once each.
std::vector<int> RecordsFound(const RecordFindings& findings);

}  // namespace ardeno
