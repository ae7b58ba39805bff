// SPDX-License-Identifier: GPL-3.0-or-later
// Observer k-factors against the daily reference numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <random>
#include <utility>

#include "core/reference/k_factors.h"
#include "core/reference/reference_series.h"

namespace ardeno {
namespace {

ObservationRecord Drawing(const CalendarDate& date, const std::string& observer, int north,
                          int south) {
  ObservationRecord record;
  record.SetDate(FormatDate(date));
  record.SetObserver(observer);
  record.SetResultWord(kRelativeN, static_cast<std::uint16_t>(north));
  record.SetResultWord(kRelativeS, static_cast<std::uint16_t>(south));
  return record;
}

void Add(Database& db, const ObservationRecord& record) {
  db.Records.push_back(record);
  db.RecordCount = static_cast<int>(db.Records.size());
}

const KFactorRow& Row(const KFactorTable& table, int series, const std::string& observer,
                      int year) {
  for (const auto& row : table.Series[static_cast<std::size_t>(series)])
    if (row.Observer == observer && row.Year == year) return row;
  static const KFactorRow none;
  ADD_FAILURE() << observer << " " << year;
  return none;
}

TEST(KFactors, AnObserverSeeingSixTenthsOfTheReferenceHasKOf1Over06AndNoSpread) {
  Database db;
  ReferenceNumbers reference;
  for (int d = 0; d < 400; ++d) {
    const std::int64_t serial = DaySerial({2013, 6, 1}) + d;
    // Reference 25m = 10m north + 15m south; the observer's 0.6 of each: 6m and 9m.
    const int m = d % 40 + 1;
    reference[serial] = {25 * m, 10 * m, 15 * m};
    Add(db, Drawing(DateFromSerial(serial), "Novák Jan", 6 * m, 9 * m));
  }
  const KFactorTable table = ComputeKFactors(db, reference);
  for (const int year : {kAllYears, 2013, 2014}) {
    const KFactorRow& row = Row(table, kWholeDisk, "Novák Jan", year);
    EXPECT_DOUBLE_EQ(*row.K, 1 / 0.6) << year;
    EXPECT_DOUBLE_EQ(*row.Spread, 0) << year;
    EXPECT_NEAR(*row.Correlation, 1, 1e-12);
    EXPECT_FALSE(row.Drift);
  }
  EXPECT_EQ(Row(table, kWholeDisk, "Novák Jan", kAllYears).SharedDays, 400);
  EXPECT_EQ(Row(table, kWholeDisk, "Novák Jan", 2013).SharedDays, 214);  // 1 June .. 31 December
  // Each hemisphere against its own reference.
  EXPECT_DOUBLE_EQ(*Row(table, kNorth, "Novák Jan", kAllYears).K, 1 / 0.6);
  EXPECT_DOUBLE_EQ(*Row(table, kSouth, "Novák Jan", kAllYears).Spread, 0);
}

TEST(KFactors, AYearThatDepartsByMoreThanTwiceTheSpreadIsMarked) {
  Database db;
  ReferenceNumbers reference;
  for (int d = 0; d < 120; ++d) {
    const std::int64_t serial = DaySerial({2015, 12, 31}) - 99 + d;  // 100 days of 2015, 20 of 2016
    reference[serial] = {100, std::nullopt, std::nullopt};
    const bool lateYear = DateFromSerial(serial).Year == 2016;
    const int own = lateYear ? 60 : (d % 2 ? 98 : 102);
    Add(db, Drawing(DateFromSerial(serial), "Hájek", own, 0));
  }
  const KFactorTable table = ComputeKFactors(db, reference);
  EXPECT_FALSE(Row(table, kWholeDisk, "Hájek", 2015).Drift);
  EXPECT_TRUE(Row(table, kWholeDisk, "Hájek", 2016).Drift);
  EXPECT_NEAR(*Row(table, kWholeDisk, "Hájek", 2016).K, 100 / 60.0, 1e-12);
  // No hemispheric reference: no hemispheric rows.
  EXPECT_TRUE(table.Series[kNorth].empty());
}

TEST(KFactors, SpecialRecordsZeroDaysAndDaysWithoutReferenceAreTreatedApart) {
  Database db;
  ReferenceNumbers reference;
  reference[DaySerial({2014, 1, 1})] = {100, 40, 60};
  reference[DaySerial({2014, 1, 2})] = {0, 0, 0};
  reference[DaySerial({2014, 1, 3})] = {80, 30, 50};
  Add(db, Drawing({2014, 1, 1}, "A", 20, 30));
  ObservationRecord special = Drawing({2014, 1, 1}, "A", 1, 1);
  special.SetKind("zvlášťní");
  Add(db, special);
  Add(db, Drawing({2014, 1, 1}, "A", 7, 7));  // a second drawing of the day does not count
  Add(db, Drawing({2014, 1, 2}, "A", 11, 0));
  Add(db, Drawing({2014, 1, 3}, "A", 0, 0));
  Add(db, Drawing({2014, 1, 4}, "A", 10, 10));  // no reference that day
  Add(db, Drawing({2014, 1, 1}, "B", 25, 25));
  const KFactorTable table = ComputeKFactors(db, reference);
  const KFactorRow& a = Row(table, kWholeDisk, "A", kAllYears);
  EXPECT_EQ(a.SharedDays, 3);
  EXPECT_EQ(a.UsedDays, 1);
  EXPECT_DOUBLE_EQ(*a.K, 2.0);
  EXPECT_DOUBLE_EQ(*Row(table, kNorth, "A", kAllYears).K, 2.0);
  EXPECT_DOUBLE_EQ(*Row(table, kWholeDisk, "B", 2014).K, 2.0);
  EXPECT_FALSE(Row(table, kWholeDisk, "B", 2014).Correlation);  // one day has no correlation
}

// Observers drawing 60 active days a year for twelve years (2010-2021), with daily scatter of
// about 15 % around their own scale; the reference moves between 40 and 160. Seeded, so the
// marks are fixed; the noise is drawn by hand from the raw generator (portable).
class DriftData {
 public:
  explicit DriftData(std::uint32_t seed) : m_random(seed) {}

  // `scaleOfYear(i)`: the share of the reference the observer sees in year 2010 + i.
  void AddObserver(const std::string& name, const std::function<double(int)>& scaleOfYear,
                   int daysPerYear = 60) {
    // Each observer on days of their own, so that each day has one reference number.
    const int offset = m_observers++;
    for (int y = 0; y < 12; ++y) {
      for (int d = 0; d < daysPerYear; ++d) {
        const std::int64_t day = DaySerial({2010 + y, 1, 1}) + d * 365 / daysPerYear + offset;
        const int reference = 40 + static_cast<int>(m_random() % 121);
        m_reference[day] = {reference, std::nullopt, std::nullopt};
        const double own = reference * scaleOfYear(y) * std::exp(0.15 * Normal());
        Add(m_db, Drawing(DateFromSerial(day), name, static_cast<int>(std::lround(own)), 0));
      }
    }
  }

  // Years marked, and years shown grey, of an observer.
  std::pair<std::vector<int>, std::vector<int>> Marks(const std::string& observer) const {
    std::pair<std::vector<int>, std::vector<int>> marks;
    // Kept whole: a range over a member of a temporary would outlive it.
    const auto factors = ComputeKFactors(m_db, m_reference);
    for (const KFactorRow& row : factors.Series[kWholeDisk]) {
      if (row.Observer != observer || row.Year == kAllYears) continue;
      if (row.Drift) marks.first.push_back(row.Year);
      if (row.FewDays) marks.second.push_back(row.Year);
    }
    return marks;
  }

 private:
  double Normal() {
    const double u1 = (m_random() + 1.0) / 4294967297.0;
    const double u2 = m_random() / 4294967296.0;
    return std::sqrt(-2 * std::log(u1)) * std::cos(2 * std::numbers::pi * u2);
  }

  std::mt19937 m_random;
  int m_observers = 0;
  Database m_db;
  ReferenceNumbers m_reference;
};

// A drift is marked from the year it passes 15 % on; a steady observer almost never.
TEST(KFactorDrift, MarkedFromTheYearTheScalePassesFifteenPerCent) {
  for (const std::uint32_t seed : {1u, 2u, 3u, 4u, 5u}) {
    SCOPED_TRACE(seed);
    DriftData data(seed);
    // Loses 5 % of the Sun in 2012 (his k 5 % up) and then 15 % more each year: 24 % up in 2013.
    data.AddObserver("Hájek",
                     [](int y) { return y < 2 ? 1.0 : 0.95 * std::pow(0.85, std::max(0, y - 2)); });
    data.AddObserver("Novák", [](int) { return 0.8; });
    // Every year from 2013 on is marked; 2012, whose 5 % already belong to the drift, may be
    // marked by a sum that started there, no year before it.
    std::vector<int> marked = data.Marks("Hájek").first;
    if (!marked.empty() && marked.front() == 2012) marked.erase(marked.begin());
    std::vector<int> fromThirdYear;
    for (int year = 2013; year <= 2021; ++year) fromThirdYear.push_back(year);
    EXPECT_EQ(marked, fromThirdYear);
    EXPECT_LE(data.Marks("Novák").first.size(), 1u) << "at most one year in ten";
  }
}

// A year of fewer than 20 days where both numbers are above 0 is never marked and shown grey,
// however far its k lies.
TEST(KFactorDrift, YearsOfTooFewDaysAreNotJudged) {
  DriftData data(7);
  data.AddObserver(
      "Černý", [](int y) { return y < 6 ? 1.0 : 0.5; }, 19);
  data.AddObserver(
      "Růžička", [](int y) { return y < 6 ? 1.0 : 0.5; }, 20);
  const auto [fewMarked, fewGrey] = data.Marks("Černý");
  EXPECT_TRUE(fewMarked.empty());
  EXPECT_EQ(fewGrey.size(), 12u);
  const auto [marked, grey] = data.Marks("Růžička");
  EXPECT_EQ(marked, (std::vector<int>{2016, 2017, 2018, 2019, 2020, 2021}));
  EXPECT_TRUE(grey.empty());
}

struct QuantileCase {
  const char* Name;
  std::vector<double> Values;
  double Q;
  double Expected;
};

class QuantileTest : public ::testing::TestWithParam<QuantileCase> {};

TEST_P(QuantileTest, InterpolatesBetweenTheOrderedValues) {
  EXPECT_DOUBLE_EQ(Quantile(GetParam().Values, GetParam().Q), GetParam().Expected);
  std::vector<double> reordered = GetParam().Values;
  EXPECT_DOUBLE_EQ(QuantileInPlace(reordered, GetParam().Q), GetParam().Expected);
  // Asked again of the partly ordered values, the answer is the same.
  EXPECT_DOUBLE_EQ(QuantileInPlace(reordered, GetParam().Q), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QuantileTest,
    ::testing::Values(QuantileCase{"MedianOfEven", {4, 1, 3, 2}, 0.5, 2.5},
                      QuantileCase{"MedianOfOdd", {5, 1, 3}, 0.5, 3},
                      QuantileCase{"LowerQuartile", {1, 2, 3, 4}, 0.25, 1.75},
                      QuantileCase{"UpperQuartile", {1, 2, 3, 4}, 0.75, 3.25},
                      QuantileCase{"Single", {7}, 0.75, 7},
                      QuantileCase{"UnorderedWithRepeats", {9, 2, 7, 2, 5, 9, 1}, 0.75, 8}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(ReferenceYear, BlanksAreNoValueAndTheOneValueLayoutHasNoHemispheres) {
  DailySeries published;
  published[DaySerial({2012, 2, 29})] = {321.0, 300.0, 21.0};
  published[DaySerial({2012, 3, 1})] = {0.0, std::nullopt, std::nullopt};
  ReferenceNumbers numbers;
  AddReferenceYear(SidcYearFileText(2012, published), 2012, numbers);
  ASSERT_EQ(numbers.size(), 2u);
  EXPECT_EQ(numbers[DaySerial({2012, 2, 29})].Total, 321);
  EXPECT_EQ(numbers[DaySerial({2012, 2, 29})].South, 21);
  EXPECT_EQ(numbers[DaySerial({2012, 3, 1})].Total, 0);
  EXPECT_FALSE(numbers[DaySerial({2012, 3, 1})].North);

  // An old one-value file: 365 lines of 24 bytes, the total in columns 20-22.
  std::string oneValue;
  for (int d = 0; d < 365; ++d)
    oneValue += "1990 xx xx         " + std::string(d == 4 ? " 77" : "  5") + "\r\n";
  ReferenceNumbers old;
  AddReferenceYear(oneValue, 1990, old);
  ASSERT_EQ(old.size(), 365u);
  EXPECT_EQ(old[DaySerial({1990, 1, 5})].Total, 77);
  EXPECT_FALSE(old[DaySerial({1990, 1, 5})].North);
}

TEST(KFactorLines, CzechNamesKeepTheColumnsAligned) {
  KFactorRow row;
  row.Observer = "Šťastná Jiřina";
  row.Year = 2014;
  row.SharedDays = 12;
  row.UsedDays = 10;
  row.K = 1.2346;
  row.Spread = 0.1;
  row.Drift = true;
  KFactorRow plain = row;
  plain.Observer = "Novak";
  plain.Year = kAllYears;
  const auto lines = KFactorLines({row, plain});
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_NE(lines[1].find("  1.235"), std::string::npos) << lines[1];
  EXPECT_NE(lines[1].find("posun", 60), std::string::npos);
  EXPECT_NE(lines[2].find("vše"), std::string::npos);
  // Same character position of the k column in both lines.
  const auto characters = [](const std::string& text, std::size_t bytes) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < bytes; ++i)
      n += (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
    return n;
  };
  EXPECT_EQ(characters(lines[1], lines[1].find("1.235")),
            characters(lines[2], lines[2].find("1.235")));
}

}  // namespace
}  // namespace ardeno
