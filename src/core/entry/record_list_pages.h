// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Arithmetic of the record list: the text of a line, and which records a page shows. The list
// has ListLines + 1 lines; with more records than ListLines it pages, showing the records
// P - ListLines .. P that end at the scroll position P.
#include <optional>
#include <string>
#include <vector>

#include "core/data/database.h"
#include "core/text/core_text.h"

namespace ardeno {

// "%5d" record number, then "     dd mm yyyy" (24 characters at most), two blanks and the
// observer; nothing when the date does not parse.
std::optional<std::string> ListLineText(int index, const ObservationRecord& record);

// ListLines for a list box of the given height and item height (lines minus one).
int ListLinesFor(int listHeight, int itemHeight);

inline bool IsPaged(int recordCount, int listLines) { return recordCount > listLines; }

// First record of the page that ends at scroll position P.
inline int PageFirstRecord(int scrollPosition, int listLines) { return scrollPosition - listLines; }

// Record shown on line (0-based) of the list.
inline int RecordOfLine(int line, bool paged, int scrollPosition, int listLines) {
  return paged ? line + scrollPosition - listLines : line + 1;
}

// A scroll position kept within the range ListLines + 1 .. recordCount.
int ClampScrollPosition(int position, int recordCount, int listLines);

// Line (0-based) of the first of records 1..min(listLines, RecordCount) whose date equals the
// work record's byte for byte; nothing when none does.
std::optional<int> LineOfWorkRecord(const Database& db, int listLines);

// The lines of records `from`..`to`. A record whose date does not parse is repaired once per
// listing: it is removed (the records after it move down, RecordCount drops by one, DataChanged
// is set, CurrentIndex follows the record it named) and the listing goes on. A second such record
// stops the listing with an error.
struct ListFill {
  std::vector<std::string> Lines;
  bool Repaired = false;             // one record was removed
  std::optional<std::string> Error;  // the listing stopped at a second unreadable date
  int Last = 0;                      // last record index listed
};
ListFill ListRecords(Database& db, int from, int to);

// Shown once when an unreadable date is removed (context "RecordList").
inline constexpr const char* kDateRepairMessage =
    CoreTextNoop("RecordList", "Došlo k chybě zápisu data\rbube automaticky opraven");

// The caption of the drawing window in the language of the interface: "Zákres" and four blanks,
// then the record's date.
std::string DrawingCaption(const ObservationRecord& record);
// The name of the drawing's saved picture, Czech whatever the language: "Zákres" and four
// blanks, then the date, 20 characters at most.
std::string DrawingImageName(const ObservationRecord& record);

}  // namespace ardeno
