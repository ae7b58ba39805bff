// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Adding the drawings of another data file to the database: the file is read whole (it must
// hold fewer than 1999 drawings), drawings whose date is already in the database may be left
// out, and the rest are appended and put in date order. Nothing is written to disk: the
// merged database reaches the data file when the user saves.
#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/data/database.h"
#include "core/text/core_text.h"

namespace ardeno {

// A file with this many drawings or more is refused.
inline constexpr int kMergeFileLimit = 1999;
// Shown through CoreText("MergeRecords", ...).
inline constexpr const char* kMergeLimitMessage =
    CoreTextNoop("MergeRecords", "Lze přidat jen 1999 zakresu !! ");

// The drawings of the file to add, or the Czech refusal (too many drawings, unreadable file).
std::variant<std::vector<ObservationRecord>, std::string> ReadMergeFile(
    const std::filesystem::path& file);

// The folder's own data file (by any name or link that leads to it) is never merged into its
// database: every drawing would come twice. The Czech refusal, or nothing for another file.
std::optional<std::string> RefuseOwnDataFile(const std::filesystem::path& file,
                                             const std::filesystem::path& progDir);

// The number of added drawings whose Date equals, byte for byte, the Date of a drawing in the
// database.
int CountEqualDates(const Database& db, const std::vector<ObservationRecord>& added);

// The question asked before merging when CountEqualDates is above 0.
std::string EqualDatesQuestion(int count);

struct MergeOutcome {
  int Added = 0;
  int LeftOut = 0;  // equal dates left out at the user's wish, and empty places of the file
  // Drawings byte for byte equal to one already in the database (the same file merged twice):
  // never added again.
  int Duplicates = 0;
  // Drawings that fail the checks of a load (a date that does not read, a year of fewer than
  // four digits, an impossible time, more than 40 groups or faculae): never added, since every
  // later load would stop at them or change them.
  int Refused = 0;
  // The Czech text naming them by their place in the other file; empty when none was refused.
  std::string RefusedMessage;
};

// Appends the added drawings (without those of an equal date when skipEqualDates, without those
// equal byte for byte to a drawing of the database or one added before them, and without those
// that fail the checks of a load), with the repairs a load applies, restores the date
// order, rebuilds the observer list, makes the last drawing current and marks the data as
// changed. A drawing with an empty date is an unused place of the other file and is never
// added (the next load would cut the database at it). Record 1 keeps the database's settings
// (drawing radius and coordinate mode), whichever drawing comes first after the merge. When the
// drawings do not fit into the database's free places nothing changes and the refusal is
// returned.
std::variant<MergeOutcome, std::string> MergeRecords(Database& db,
                                                     const std::vector<ObservationRecord>& added,
                                                     bool skipEqualDates);

}  // namespace ardeno
