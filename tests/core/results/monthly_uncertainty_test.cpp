// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/results/monthly_uncertainty.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/results/measured_table.h"
#include "support/database_builders.h"

namespace ardeno {
namespace {

ObservationRecord Drawing(const CalendarDate& date, int north, int south) {
  ObservationRecord r = test::DatedRecord(date);
  r.SetResultWord(kRelativeN, static_cast<std::uint16_t>(north));
  r.SetResultWord(kRelativeS, static_cast<std::uint16_t>(south));
  return r;
}

// March 2014: R = 10, 20, 30, 40 on three days (two drawings on the 5th) and a special drawing
// without a hemisphere marker; April 2014: R = 50 on ten days.
Database HandMadeMonths() {
  std::vector<ObservationRecord> records{Drawing({2014, 3, 3}, 10, 0), Drawing({2014, 3, 5}, 5, 15),
                                         Drawing({2014, 3, 5}, 30, 0),
                                         Drawing({2014, 3, 9}, 0, 40)};
  ObservationRecord special = Drawing({2014, 3, 12}, 25, 0);
  special.SetKind("zvl");
  records.push_back(special);
  for (int d = 1; d <= 10; ++d) records.push_back(Drawing({2014, 4, d}, 30, 20));
  return test::DatabaseOf(records);
}

TEST(MonthlyUncertainty, KnownScatterDaysAndFlags) {
  const Database db = HandMadeMonths();
  const RecordMonths months = CollectMonths(db);
  struct Case {
    Hemisphere Side;
    CalendarDate Today;
    int Days;
    double Mean;
    double Sigma;  // of March
    bool AprilProvisional;
  };
  // Whole disk: 10, 20, 30, 40 and the special 25: mean 25, sigma sqrt(500 / 4).
  // North: the special drawing has no hemisphere, 10, 5, 30, 0: mean 11.25.
  for (const Case c : {Case{Hemisphere::Whole, {2014, 5, 2}, 4, 25.0, std::sqrt(125.0), false},
                       Case{Hemisphere::North, {2014, 5, 2}, 3, 11.25, 13.149778198, false},
                       Case{Hemisphere::Whole, {2014, 4, 20}, 4, 25.0, std::sqrt(125.0), true}}) {
    const auto rows = MonthlyUncertainty(db, months, Quantity::R, c.Side, c.Today);
    ASSERT_EQ(rows.size(), 2u);
    const MonthUncertainty& march = rows[0];
    EXPECT_EQ(march.Days, c.Days);
    EXPECT_DOUBLE_EQ(*march.Mean, c.Mean);
    EXPECT_NEAR(*march.Sigma, c.Sigma, 1e-9);
    EXPECT_NEAR(*march.StdError, c.Sigma / std::sqrt(march.Records), 1e-9);
    EXPECT_TRUE(march.Provisional) << "fewer than ten drawing days";
    const MonthUncertainty& april = rows[1];
    EXPECT_EQ(april.Days, 10);
    EXPECT_DOUBLE_EQ(*april.Sigma, 0.0);
    EXPECT_EQ(april.Provisional, c.AprilProvisional) << "the month is not over";
  }
}

// Sixteen months from October 2013 of mean 10, the fourth without drawings and the third
// provisional: the smoothed values exist from the seventh to the tenth month, each over twelve
// months, flagged while the provisional month lies in its window.
TEST(MonthlyUncertainty, SmoothedValuesCountTheirMonthsAndCarryTheFlags) {
  std::vector<MonthUncertainty> months;
  for (int i = 0; i < 16; ++i) {
    if (i == 3) continue;
    const int serial = 2013 * 12 + 9 + i;
    MonthUncertainty u;
    u.Year = serial / 12;
    u.Month = serial % 12 + 1;
    u.Mean = 10.0;
    u.Provisional = i == 2;
    months.push_back(u);
  }
  const auto smoothed = SmoothedUncertaintyOf(months);
  ASSERT_EQ(smoothed.size(), 16u);
  EXPECT_EQ(smoothed[3].Year, 2014);
  EXPECT_EQ(smoothed[3].Month, 1);
  EXPECT_FALSE(smoothed[3].Value) << "the missing month itself";
  for (int i = 0; i < 16; ++i) {
    const SmoothedUncertainty& s = smoothed[static_cast<std::size_t>(i)];
    const bool valued = i >= 6 && i <= 9;
    ASSERT_EQ(s.Value.has_value(), valued) << i;
    if (!valued) continue;
    EXPECT_DOUBLE_EQ(*s.Value, 10.0) << i;
    EXPECT_EQ(s.Months, 12) << i;
    EXPECT_EQ(s.Provisional, i <= 8) << i;
  }
  const std::string csv = UncertaintyCsv(SmoothedUncertaintyRows(smoothed));
  EXPECT_EQ(csv.substr(0, csv.find('\n') + 1), "rok;měsíc;vyhlazená;měsíců;příznak\r\n");
  EXPECT_NE(csv.find("2014;4;10.00;12;*\r\n"), std::string::npos) << csv;
  EXPECT_NE(csv.find("2014;7;10.00;12;\r\n"), std::string::npos) << csv;
  EXPECT_NE(csv.find("2013;10;;;\r\n"), std::string::npos) << csv;
}

TEST(MonthlyUncertainty, CsvHasTheHeaderDecimalPointAndEmptyCellsForMissingValues) {
  std::vector<MonthUncertainty> rows(2);
  rows[0] = {2014, 3, 4, 5, 25.0, 7.90569, 3.53553, true};
  rows[1] = {2014, 4, 1, 1, 50.0, std::nullopt, std::nullopt, false};
  EXPECT_EQ(UncertaintyCsv(MonthlyUncertaintyRows(rows)),
            "rok;měsíc;dny;n;průměr;sigma;chyba;příznak\r\n"
            "2014;3;4;5;25.00;7.91;3.54;*\r\n"
            "2014;4;1;1;50.00;;;\r\n");
}

// March 2014 drawn every day, and on the 20th a special drawing besides the normal one: 31 days
// but 32 records. Mean, sigma and error all rest on the 32 (the mean is the measured table's),
// and the CSV says 32 beside the 31 days.
TEST(MonthlyUncertainty, MeanSigmaAndErrorShareTheRecordCountTheCsvGives) {
  std::vector<ObservationRecord> records;
  double sum = 0;
  for (int d = 1; d <= 31; ++d) {
    records.push_back(Drawing({2014, 3, d}, d, 0));
    sum += d;
    if (d != 20) continue;
    ObservationRecord special = Drawing({2014, 3, d}, 100, 0);
    special.SetKind("zvlášťní");
    records.push_back(special);
    sum += 100;
  }
  const Database db = test::DatabaseOf(records);
  const RecordMonths months = CollectMonths(db);
  const auto rows = MonthlyUncertainty(db, months, Quantity::R, Hemisphere::Whole, {2014, 5, 1});
  ASSERT_EQ(rows.size(), 1u);
  const MonthUncertainty& march = rows[0];
  EXPECT_EQ(march.Days, 31);
  EXPECT_EQ(march.Records, 32);
  EXPECT_DOUBLE_EQ(*march.Mean, sum / 32);
  EXPECT_DOUBLE_EQ(*march.Mean,
                   *MeasuredMean(months.Months[0].Totals, Quantity::R, Hemisphere::Whole));
  double squares = 0;
  for (const ObservationRecord& r : records) {
    const double v = r.ResultWord(kRelativeN) + r.ResultWord(kRelativeS);
    squares += (v - sum / 32) * (v - sum / 32);
  }
  EXPECT_NEAR(*march.Sigma, std::sqrt(squares / 31), 1e-9);
  EXPECT_NEAR(*march.StdError, *march.Sigma / std::sqrt(32.0), 1e-9);
  const std::string csv = UncertaintyCsv(MonthlyUncertaintyRows(rows));
  EXPECT_EQ(csv.substr(csv.find('\n') + 1, 13), "2014;3;31;32;") << csv;
}

}  // namespace
}  // namespace ardeno
