// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The own results of a month as the window shows them and as the protocol prints them: every
// text and number of the page and of the protocol's table, ready to be painted.
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "core/data/instrument_file.h"
#include "core/reports/report_days.h"

namespace ardeno {

inline constexpr const char* kOwnReportTitle = "PROTOKOL O ZAKRESLOVÁNÍ SLUNEČNÍCH SKVRN";

// One of the 31 month sums with its means. The page lays the even entries out in a first row,
// the odd ones in a second row and entry 30 between them, each at its entry number in half
// columns, so that neighbours overlap in alternate rows.
struct OwnPageTotal {
  std::string Label;
  std::string Sum;
  std::string Mean;
  std::string HemisphereMean;  // over the records with hemisphere values; only g..RB north, south
  int Row = 0;                 // 0 first row, 1 second row, 2 between them
  int Column = 0;              // the entry number
};

struct OwnReportPage {
  // (label, value): "Stanice", "měsíc", "rok", "Přístroj".
  std::vector<std::pair<std::string, std::string>> Header;
  std::vector<std::string> ColumnHeads;
  // One row per day with a record, a cell per column head; cells a record does not have (the
  // hemisphere values of a special record without marker, the areas of any special record)
  // are empty.
  std::vector<std::vector<std::string>> DayRows;
  std::vector<OwnPageTotal> Totals;
};

OwnReportPage BuildOwnReportPage(const Database& db, const ReportDays& days,
                                 const ReportMonth& month, const Instrument& instrument);

// The printed protocol: a table of 35 rows by 18 columns of short texts (row 0 the column heads,
// rows 1..31 the days, then the sums, the means over the days and the hemisphere means).
inline constexpr int kProtocolRows = 35;
inline constexpr int kProtocolColumns = 18;
struct OwnProtocol {
  std::string Station;    // "Stanice  ..."
  std::string MonthYear;  // "měsíc  Březen     rok  2001"
  std::array<std::array<std::string, kProtocolColumns>, kProtocolRows> Cells;
};

OwnProtocol BuildOwnProtocol(const Database& db, const ReportDays& days, const ReportMonth& month,
                             const Instrument& instrument);

}  // namespace ardeno
