// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Removing a drawing from the database. Nothing is ever lost: the removed drawing is first added
// to the end of odstranene.dat beside the data file, in the data file's own record layout, so
// that it can be read back like any data file (and merged again).
#include <filesystem>
#include <string>

#include "core/data/database.h"
#include "core/text/refusal.h"

namespace ardeno {

inline constexpr const char* kRemovedFileName = "odstranene.dat";

// The question asked before record index (1..RecordCount) is removed: it names the date and the
// observer of the drawing.
std::string RemoveQuestion(const ObservationRecord& record);

// Why record index cannot be removed now (no drawing chosen, the only drawing of the database),
// or nothing.
Refusal CheckRemoval(const Database& db, int index);

// Adds the record at the end of progDir/odstranene.dat, byte for byte, rewriting the file through
// a temporary file so that a failure leaves the old one as it was. A file whose size is not a
// whole number of records is some other file or a damaged one and is left alone (refused).
Refusal AppendRemovedRecord(const std::filesystem::path& progDir, const ObservationRecord& record);

// CheckRemoval, then AppendRemovedRecord, then RemoveRecord with the observer list rebuilt: the
// drawing leaves the database only once it is safe in odstranene.dat. The database reaches the
// data file when the user saves, as after any other change.
Refusal RemoveDrawing(Database& db, const std::filesystem::path& progDir, int index);

}  // namespace ardeno
