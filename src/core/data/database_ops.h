// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Operations on the in-memory database: date order, lookup, storing the work record, the observer
// list, the trim at the first empty place and the repairs every record gets when it is loaded.
#include <optional>
#include <string>

#include "core/data/database.h"
#include "core/text/core_text.h"
#include "core/text/refusal.h"

namespace ardeno {

// The Kind of a special drawing, the only value the program writes there.
inline constexpr const char* kSpecialKind = "zvlášťní";
// Shown (through CoreText("DatabaseOps", ...)) when 2000 records were added in one run and the
// array has no free place.
inline constexpr const char* kDatabaseFullMessage = CoreTextNoop(
    "DatabaseOps",
    "Do databáze nelze přidat další zákres: v jednom běhu programu lze uložit nejvýše 2000 nových "
    "zákresů. Ulož data, zavři program a znovu jej spusť.");

// Restores date order after a record was appended or its date changed: one insertion pass by the
// calendar date only (time of day plays no part); records of the same date keep their order.
// Nothing is done for 0, 1 or 2 records. A date that does not parse is never moved and never
// makes another record move past it. Returns where record `follow` (1-based; 0 for none) stands
// afterwards, so that a stored drawing stays current even beside another of the same date.
int SortRecords(Database& db, int follow = 0);

// First index 1..RecordCount whose Date is byte-for-byte equal to dateRaw (length byte
// included, as ObservationRecord::DateRaw gives it); 0 when there is none.
int FindRecordByDate(const Database& db, const std::string& dateRaw);

// Copies the whole WorkRecord into record index (1..Capacity).
void StoreWorkRecord(Database& db, int index);

// Appends the WorkRecord as record RecordCount + 1. When the array is full (2000 records were
// added in this run) nothing changes and the Czech refusal is returned.
Refusal AppendWorkRecord(Database& db);

// Removes record index (1..RecordCount): the records after it move down by one, the freed last
// place is emptied, RecordCount drops by one and DataChanged is set. CurrentIndex follows the
// record it named; when that record was removed, the one that took its place (or the new last
// one) becomes current.
void RemoveRecord(Database& db, int index);

// Rebuilds Observers from records 1..RecordCount; an empty Observer in a record becomes "N".
void CollectObservers(Database& db);
// Adds a newly typed observer name (UTF-8) to Observers with the same rules.
void AddObserver(Database& db, const std::string& name);

// RecordCount becomes the number of records before the first one with an empty Date; their count
// is BackupCount. Unless they were read from LoadedFile (where the backup reads them again), they
// are copied into RecordsCopy.
void TrimAtFirstEmpty(Database& db);

// Applies the load-time repairs to records 1..RecordCount: Kind above "zvl" becomes "zvlášťní",
// empty Observer "N", GroupCount 0 zeroes every slot position, TimeUT 0 becomes 1200, and a
// GroupCount or FacularCount above 40 is cut to 40. Returns the number of repairs that changed
// a record (one per rule and record).
int ApplyLoadRepairs(Database& db);
// The same repairs on one record; the number of rules that changed it.
int ApplyLoadRepairs(ObservationRecord& record);

}  // namespace ardeno
