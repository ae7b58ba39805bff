// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The walk over all records month by month that every monthly statistic shares, and the
// numbering of month rows (row 1 = the month of the first record).
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/database.h"
#include "core/results/month_totals.h"
#include "core/results/record_choice.h"
#include "core/text/core_text.h"
#include "core/text/dates.h"

namespace ardeno {

// The reports and files name months in Czech whatever the language; windows show MonthNameShown.
inline constexpr std::array<std::string_view, 12> kCzechMonthNames = {
    CoreTextNoop("MonthNames", "Leden"),    CoreTextNoop("MonthNames", "Únor"),
    CoreTextNoop("MonthNames", "Březen"),   CoreTextNoop("MonthNames", "Duben"),
    CoreTextNoop("MonthNames", "Květen"),   CoreTextNoop("MonthNames", "Červen"),
    CoreTextNoop("MonthNames", "Červenec"), CoreTextNoop("MonthNames", "Srpen"),
    CoreTextNoop("MonthNames", "Září"),     CoreTextNoop("MonthNames", "Říjen"),
    CoreTextNoop("MonthNames", "Listopad"), CoreTextNoop("MonthNames", "Prosinec")};

// The name of month 1..12 in the language of the interface.
std::string MonthNameShown(int month);

// The record's date; nothing when its Date text does not parse.
std::optional<CalendarDate> RecordDate(const ObservationRecord& record);

// One finished calendar month of records.
struct RecordMonth {
  int Year = 0;
  int Month = 0;
  int Row = 0;  // 12 * (year - first year) + month - first month + 1
  MonthTotals Totals;
  int FirstIndex = 0;  // record indices, 1-based
  int LastIndex = 0;
};

// Row of a month counted from the month of the first record (row 1).
int MonthRow(int firstYear, int firstMonth, int year, int month);

// " 03.2001": a blank, the two-digit month, a point and the year.
std::string MonthLabel(int year, int month);

// The month-row span of the data: row 1 is the first record's month, LastRow the highest row of
// a month with records (the last record's month when the records are in date order).
struct MonthSpan {
  int FirstYear = 0;
  int FirstMonth = 0;
  int LastRow = 0;  // 0 when no record has a date
  // Year and month of row r.
  int YearOfRow(int row) const { return FirstYear + (FirstMonth - 1 + row - 1) / 12; }
  int MonthOfRow(int row) const { return (FirstMonth - 1 + row - 1) % 12 + 1; }
};

// Visits records 1..RecordCount in order and calls `action` for each run of records of one
// calendar month, the last month included. A record whose date does not parse belongs to no
// month and is passed over, and so is a record `choice` leaves out. Rows are counted from the
// first record taken.
MonthSpan WalkMonths(const Database& db, const std::function<void(const RecordMonth&)>& action,
                     RecordChoice choice = RecordChoice::AllRecords);

// Every month of the data with its span: what the monthly tables are built from, once per change
// of the records.
struct RecordMonths {
  MonthSpan Span;
  std::vector<RecordMonth> Months;
  int RecordCount = 0;  // records in the database, dated or not
  // The records taken; a month's FirstIndex..LastIndex may hold others, which are not in it.
  RecordChoice Choice = RecordChoice::AllRecords;
  int LeftOut = 0;  // dated records the choice left out (catalogue days)
};
RecordMonths CollectMonths(const Database& db, RecordChoice choice = RecordChoice::AllRecords);

// The records month by month of the application's database, collected at the first use after a
// change of the data and shared by every window until the next one.
class RecordMonthsCache {
 public:
  const RecordMonths& Get(const Database& db, RecordChoice choice = RecordChoice::AllRecords) {
    auto& months = m_months[choice == RecordChoice::OwnDrawings ? 1 : 0];
    if (!months) months = CollectMonths(db, choice);
    return *months;
  }
  void Invalidate() {
    for (auto& months : m_months) months.reset();
  }

 private:
  std::array<std::optional<RecordMonths>, 2> m_months;
};

}  // namespace ardeno
