// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// North-south asymmetry of one index per record: N - S, or in ratio mode 100 (N - S) div (N + S)
// (0 when N + S is 0). Special records (reports from elsewhere, Kind not empty) are left out.
// Built once per selection or change of the data.
#include <vector>

#include "core/data/database.h"
#include "core/graphs/smoothed_graph_kinds.h"

namespace ardeno {

int AsymmetryValue(int north, int south, AsymmetryKind kind);

struct RecordAsymmetry {
  // Days since the first record plus the first record's day of month, as the time axis of the
  // asymmetry graphs counts them (so month ticks fall on the first days of months).
  std::vector<int> Day;
  std::vector<int> Value;
  int SkippedRecords = 0;  // records whose date does not parse
};

RecordAsymmetry BuildRecordAsymmetry(const Database& db, SmoothedIndex index, AsymmetryKind kind);

}  // namespace ardeno
