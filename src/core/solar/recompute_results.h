// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Recomputing the stored results block of every drawing, after a change of the rules that
// compute them or of drawings edited outside the program.
#include "core/data/database.h"

namespace ardeno {

struct RecomputeOutcome {
  int Recomputed = 0;
  int TimeRepairs = 0;      // drawings without a time, given 12:00 UT
  int UnreadableDates = 0;  // drawings left as they were: their date does not parse
};

// For each drawing 1..RecordCount: a TimeUT of 0 becomes 1200, then the results block is
// computed from the drawing's date and time and stored in bytes 1728..1773. Nothing outside the
// results block changes otherwise. The work record becomes the current drawing again; the data
// are marked as changed when any byte changed.
RecomputeOutcome RecomputeAllResults(Database& db);

}  // namespace ardeno
