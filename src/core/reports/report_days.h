// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The records of a report month matched to its calendar days. The reports have one line per
// day: when a day holds two records, the first one (in record order) is the day's record and the
// later ones are left out of the report and listed, so the user can be told. What goes to SILSO
// and the other networks is the station's own observation: the days import-groups made from the
// catalogues are left out too, and counted.
#include <string>
#include <vector>

#include "core/data/database.h"
#include "core/results/month_totals.h"
#include "core/results/record_choice.h"
#include "core/results/report_month.h"

namespace ardeno {

struct ReportDays {
  int DayCount = 0;              // days of the month (Gregorian)
  std::vector<int> RecordOfDay;  // [d - 1]: record index of day d, 0 for none
  std::vector<int> LeftOut;      // later records of a day that already had one
  std::vector<int> Catalogue;    // catalogue days of the month the choice left out
  MonthTotals Totals;            // the day records added in day order

  int RecordOn(int day) const { return RecordOfDay[static_cast<std::size_t>(day - 1)]; }
  // Days with a record, at least 1 (a divisor).
  int DaysWithRecord() const { return Totals.Records == 0 ? 1 : Totals.Records; }
};

ReportDays MatchReportDays(const Database& db, const ReportMonth& month,
                           RecordChoice choice = RecordChoice::OwnDrawings);

// "Záznam 12.03.2001 (č. 345) je druhý záznam dne a do výkazu se nezapočítává." per left-out
// record, then one line with the number of catalogue days left out; empty when none.
std::vector<std::string> LeftOutMessages(const Database& db, const ReportDays& days);
// The line that says how many catalogue days a report left out.
std::string CatalogueLeftOutMessage(std::size_t count);

}  // namespace ardeno
