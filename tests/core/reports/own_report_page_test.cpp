// SPDX-License-Identifier: GPL-3.0-or-later
// The own report's page and printed protocol: every cell written out by hand for a month with a
// normal drawing and a special record without hemisphere marker.
#include <gtest/gtest.h>

#include "core/reports/own_report_page.h"
#include "core/reports/report_test_days.h"
#include "core/results/results_records.h"

namespace ardeno {
namespace {

using test::BusyDay;
using test::DatabaseBuilder;
using test::SpecialDay;
using Row = std::vector<std::string>;

const Instrument kInstrument = {"Ondřejov", "Refraktor", "130", "25", "1950", ""};

// April 2001: a drawing on the 2nd at 07:05, a special record without marker on the 5th.
Database April2001() {
  return DatabaseBuilder()
      .Add("02.04.2001", BusyDay(), 705)
      .Add("05.04.2001", SpecialDay(), 1230)
      .Build();
}

TEST(OwnReportPage, HeaderDayRowsAndStaggeredTotals) {
  const Database db = April2001();
  const OwnReportPage page =
      BuildOwnReportPage(db, MatchReportDays(db, {2001, 4}), {2001, 4}, kInstrument);
  using Header = std::vector<std::pair<std::string, std::string>>;
  EXPECT_EQ(page.Header, (Header{{"Stanice", "Ondřejov"},
                                 {"měsíc", "Duben"},
                                 {"rok", "2001"},
                                 {"Přístroj", "Refraktor   /    130   /    1950   /    78 x"}}));
  EXPECT_EQ(page.ColumnHeads,
            (Row{"den", "UT",  "g",   "f",  "R",  "CV", "SN",  "RB",  "gs",  "fs",  "Rs",
                 "CVs", "SNs", "RBs", "gj", "fj", "Rj", "CVj", "SNj", "RBj", "pls", "plj",
                 "pks", "pkj", "pl",  "pk", "gc", "fc", "rc",  "F",   "p",   "O",   "Q"}));
  ASSERT_EQ(page.DayRows.size(), 2u);
  EXPECT_EQ(page.DayRows[0],
            (Row{"2",   "07:05", "3",   "8",   "38", "17", "38", "40", "2",  "5",   "25",
                 "10",  "25",    "30",  "1",   "3",  "13", "7",  "13", "10", "120", "40",
                 "130", "45",    "160", "175", "1",  "2",  "12", "3",  "2",  "3",   "4"}));
  // The special record without marker: whole disk, central zone and quality only.
  EXPECT_EQ(page.DayRows[1], (Row{"5", "12:30", "1", "1", "11", "5", "11", "4", "",  "",  "",
                                  "",  "",      "",  "",  "",   "",  "",   "",  "",  "",  "",
                                  "",  "",      "",  "",  "0",  "0", "0",  "1", "1", "1", "1"}));
  ASSERT_EQ(page.Totals.size(), 31u);
  const auto check = [&](int entry, const char* label, const char* sum, const char* mean,
                         const char* hemisphereMean, int row) {
    const OwnPageTotal& t = page.Totals[static_cast<std::size_t>(entry)];
    EXPECT_EQ(t.Label, label) << entry;
    EXPECT_EQ(t.Sum, sum) << entry;
    EXPECT_EQ(t.Mean, mean) << entry;
    EXPECT_EQ(t.HemisphereMean, hemisphereMean) << entry;
    EXPECT_EQ(t.Row, row) << entry;
    EXPECT_EQ(t.Column, entry);
  };
  // Two days, one of them with hemisphere values, one normal record for the areas.
  check(0, "g", "4", "2.0", "", 0);
  check(1, "gs", "2", "1.0", "2.0", 1);
  check(2, "gj", "1", "0.5", "1.0", 0);
  check(17, "RBj", "10", "5.0", "10.0", 1);
  check(18, "pl", "160", "160.0", "", 0);
  check(22, "pks", "130", "130.0", "", 0);
  check(24, "gc", "1", "0.5", "", 0);
  check(29, "O", "4", "2.0", "", 1);
  check(30, "Q", "5", "2.5", "", 2);
}

TEST(OwnReportPage, ProtocolTable) {
  const Database db = April2001();
  const OwnProtocol p =
      BuildOwnProtocol(db, MatchReportDays(db, {2001, 4}), {2001, 4}, kInstrument);
  EXPECT_EQ(p.Station, "Stanice  Ondřejov");
  EXPECT_EQ(p.MonthYear, "měsíc  Duben     rok  2001");
  using Cells = std::array<std::string, kProtocolColumns>;
  EXPECT_EQ(p.Cells[0], (Cells{"den", "UT", "g", "gs", "gj", "f", "fs", "fj", "R", "Rs", "Rj", "gc",
                               "fc", "rc", "F", "p", "O", "Q"}));
  EXPECT_EQ(p.Cells[1], (Cells{"01"}));
  EXPECT_EQ(p.Cells[2], (Cells{"02", "07:05", "3", "2", "1", "8", "5", "3", "38", "25", "13", "1",
                               "2", "12", "3", "2", "3", "4"}));
  EXPECT_EQ(p.Cells[5], (Cells{"05", "12:30", "1", "", "", "1", "", "", "11", "", "", "0", "0", "0",
                               "1", "1", "1", "1"}));
  EXPECT_EQ(p.Cells[30][0], "30");
  EXPECT_EQ(p.Cells[31], Cells{});  // April has no 31st
  EXPECT_EQ(p.Cells[32], (Cells{"Suma", "", "4", "2", "1", "9", "5", "3", "49", "25", "13", "1",
                                "2", "12", "4", "3", "4", "5"}));
  EXPECT_EQ(p.Cells[33],
            (Cells{"Prům.", "", "02.0", "01.0", "00.5", "004.5", "002.5", "001.5", "024.5", "012.5",
                   "006.5", "0.5", "01.0", "06.0", "2.0", "1.5", "2.0", "2.5"}));
  EXPECT_EQ(p.Cells[34],
            (Cells{"Pr.SJ", "", "", "02.0", "01.0", "", "005.0", "003.0", "", "025.0", "013.0"}));
}

}  // namespace
}  // namespace ardeno
