#include "core/results/monthly_uncertainty.h"

#include <gtest/gtest.h>

#include <cmath>

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

TEST(MonthlyUncertainty, CsvHasTheHeaderDecimalCommaAndEmptyCellsForMissingValues) {
  std::vector<MonthUncertainty> rows(2);
  rows[0] = {2014, 3, 4, 5, 25.0, 7.90569, 3.53553, true};
  rows[1] = {2014, 4, 1, 1, 50.0, std::nullopt, std::nullopt, false};
  EXPECT_EQ(MonthlyUncertaintyCsv(rows),
            "rok;měsíc;dny;průměr;sigma;chyba;příznak\r\n"
            "2014;3;4;25,00;7,91;3,54;*\r\n"
            "2014;4;1;50,00;;;\r\n");
}

}  // namespace
}  // namespace ardeno
