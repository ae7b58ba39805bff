// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/results/record_choice.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/results/measured_table.h"
#include "core/results/month_walk.h"
#include "core/results/monthly_uncertainty.h"
#include "support/database_builders.h"

namespace ardeno {
namespace {

ObservationRecord Day(const CalendarDate& date, int r, bool catalogue = false) {
  ObservationRecord record = test::DatedRecord(date);
  record.SetResultWord(kRelativeN, static_cast<std::uint16_t>(r));
  if (catalogue) {
    record.SetObserver("NOAA");
    record.SetStation("NOAA SWPC");
  }
  return record;
}

// February 2014 only from the catalogue; March 2014 own R 20 and 40 with catalogue days of R 100
// and 130 between them (one on a drawing day).
Database MixedMonths() {
  return test::DatabaseOf({Day({2014, 2, 27}, 70, true), Day({2014, 3, 2}, 20),
                           Day({2014, 3, 3}, 100, true), Day({2014, 3, 5}, 130, true),
                           Day({2014, 3, 5}, 40)});
}

TEST(RecordChoice, OwnDrawingsLeaveTheCatalogueDaysOutOfTheMonths) {
  const Database db = MixedMonths();
  const RecordMonths all = CollectMonths(db);
  ASSERT_EQ(all.Months.size(), 2u);
  EXPECT_EQ(all.Months[1].Totals.Records, 4);
  EXPECT_EQ(all.LeftOut, 0);

  const RecordMonths own = CollectMonths(db, RecordChoice::OwnDrawings);
  ASSERT_EQ(own.Months.size(), 1u);
  EXPECT_EQ(own.Months[0].Month, 3);
  EXPECT_EQ(own.Months[0].Row, 1) << "rows count from the first own drawing";
  EXPECT_EQ(own.Months[0].Totals.Records, 2);
  EXPECT_DOUBLE_EQ(*MeasuredMean(own.Months[0].Totals, Quantity::R, Hemisphere::Whole), 30.0);
  EXPECT_EQ(own.LeftOut, 3);

  const auto rows =
      MonthlyUncertainty(db, own, Quantity::R, Hemisphere::Whole, CalendarDate{2015, 1, 1});
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].Days, 2);
  EXPECT_EQ(rows[0].Records, 2);
  EXPECT_DOUBLE_EQ(*rows[0].Mean, 30.0);
  EXPECT_NEAR(*rows[0].Sigma, std::sqrt(200.0), 1e-9);
}

TEST(RecordChoice, CacheKeepsBothChoicesUntilTheDataChange) {
  Database db = MixedMonths();
  RecordMonthsCache cache;
  EXPECT_EQ(cache.Get(db).Months.size(), 2u);
  EXPECT_EQ(cache.Get(db, RecordChoice::OwnDrawings).Months.size(), 1u);
  db.Records[0] = Day({2014, 1, 27}, 70);
  EXPECT_EQ(cache.Get(db, RecordChoice::OwnDrawings).Months.size(), 1u);
  cache.Invalidate();
  EXPECT_EQ(cache.Get(db, RecordChoice::OwnDrawings).Months.size(), 2u);
  EXPECT_EQ(cache.Get(db).Months.size(), 2u);
}

}  // namespace
}  // namespace ardeno
