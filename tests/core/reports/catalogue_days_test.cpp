// SPDX-License-Identifier: GPL-3.0-or-later
// What goes to SILSO and the other networks: the station's own drawings, never the days
// import-groups made from the catalogues.
#include <gtest/gtest.h>

#include "core/reports/aavso_month.h"
#include "core/reports/baa_month.h"
#include "core/reports/report_days.h"
#include "support/database_builders.h"

namespace ardeno {
namespace {

ObservationRecord Catalogue(const CalendarDate& date, const char* observer, const char* station) {
  ObservationRecord r = test::OneGroupRecord(date, observer);
  r.SetStation(station);
  r.SetTimeUT(2359);
  return r;
}

// May 2003: own drawings on the 2nd and 17th; NOAA on the 3rd and (before the own drawing, as an
// import appends it) on the 17th; an RGO day on the 20th.
Database MixedMay() {
  return test::DatabaseOf(
      {test::OneGroupRecord({2003, 5, 2}, "Novák"), Catalogue({2003, 5, 3}, "NOAA", "NOAA SWPC"),
       Catalogue({2003, 5, 17}, "NOAA", "NOAA SWPC"), test::OneGroupRecord({2003, 5, 17}, "Novák"),
       Catalogue({2003, 5, 20}, "RGO", "USAF/NOAA SOON")});
}

TEST(CatalogueDays, ReportsTakeOwnDrawingsAndSayWhatTheyLeftOut) {
  const Database db = MixedMay();
  const ReportDays days = MatchReportDays(db, {2003, 5});
  EXPECT_EQ(days.RecordOn(2), 1);
  EXPECT_EQ(days.RecordOn(3), 0);
  EXPECT_EQ(days.RecordOn(17), 4) << "the own drawing is the day's record";
  EXPECT_EQ(days.RecordOn(20), 0);
  EXPECT_TRUE(days.LeftOut.empty());
  EXPECT_EQ(days.Catalogue, (std::vector<int>{2, 3, 5}));
  EXPECT_EQ(days.Totals.Records, 2);
  EXPECT_EQ(LeftOutMessages(db, days),
            (std::vector<std::string>{"Katalogové dny (NOAA/RGO z importu skupin) vynechány: 3; "
                                      "výkaz obsahuje jen vlastní zákresy stanice."}));

  const auto baa = BaaMonthLines(db, days);
  EXPECT_EQ(baa.back(), "Days observed,2,,,,,,");
  const auto aavso = AavsoMonthLines(db, days, {2003, 5}, "ABC");
  EXPECT_EQ(aavso.size(), 4u + 2u) << "a line per own drawing day only";
  for (const std::string& line : aavso) EXPECT_EQ(line.find("2359"), std::string::npos) << line;
}

TEST(CatalogueDays, AllRecordsKeepsThemAsBefore) {
  const Database db = MixedMay();
  const ReportDays days = MatchReportDays(db, {2003, 5}, RecordChoice::AllRecords);
  EXPECT_EQ(days.RecordOn(3), 2);
  EXPECT_EQ(days.RecordOn(17), 3);
  EXPECT_EQ(days.LeftOut, (std::vector<int>{4}));
  EXPECT_TRUE(days.Catalogue.empty());
  EXPECT_EQ(days.Totals.Records, 4);
}

}  // namespace
}  // namespace ardeno
