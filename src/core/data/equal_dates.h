// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The duplicate-date check of the drawing window: drawings that share their date with a
// neighbour in the date order, usually the same drawing entered twice.
#include <string>
#include <vector>

#include "core/data/database.h"

namespace ardeno {

// Indices (1-based, ascending) of the drawings whose Date equals, byte for byte, that of the
// drawing before or after them. The first and the last drawing count as well, so a pair at
// either end of the database is reported from both sides.
std::vector<int> RecordsWithEqualNeighbour(const Database& db);

// "Shodné datumy !     " and the date, one message per such drawing.
std::string EqualDateMessage(const ObservationRecord& record);

}  // namespace ardeno
