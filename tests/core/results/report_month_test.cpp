// SPDX-License-Identifier: GPL-3.0-or-later
// The month prompt of the monthly reports: parsing the answer and asking until a month with
// records is named, or the user gives up.
#include <gtest/gtest.h>

#include <deque>

#include "core/results/report_month.h"
#include "core/results/results_records.h"
#include "core/text/dates.h"

namespace ardeno {
namespace {

struct ParseCase {
  const char* Name;
  const char* Answer;
  int Year;
  int Month;
};

class ParseReportMonthTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseReportMonthTest, MonthBeforeTheSeparatorYearFromTheNextFourCharacters) {
  const ParseCase& c = GetParam();
  const ReportMonth month = ParseReportMonth(c.Answer);
  EXPECT_EQ(month.Year, c.Year);
  EXPECT_EQ(month.Month, c.Month);
  EXPECT_EQ(month.Key(), c.Year * 100 + c.Month);
}

INSTANTIATE_TEST_SUITE_P(Answers, ParseReportMonthTest,
                         ::testing::Values(ParseCase{"Point", "2.2000", 2000, 2},
                                           ParseCase{"Comma", "12,1999", 1999, 12},
                                           ParseCase{"PointBeforeComma", "3,5.2001", 2001, 0},
                                           ParseCase{"OnlyFourYearCharacters", "3.20015", 2001, 3},
                                           ParseCase{"ShortYear", "3.99", 99, 3},
                                           ParseCase{"MonthNotANumber", "x.2000", 2000, 0},
                                           ParseCase{"YearNotANumber", "4.20a0", 0, 4},
                                           ParseCase{"BlanksAround", " 4 . 2001", 200, 4},
                                           ParseCase{"NoSeparator", "52001", 0, 52001}),
                         [](const auto& info) { return std::string(info.param.Name); });

struct WholeMonthCase {
  const char* Name;
  const char* Argument;
  int Year;  // 0: refused
  int Month;
};

class ParseWholeReportMonthTest : public ::testing::TestWithParam<WholeMonthCase> {};

TEST_P(ParseWholeReportMonthTest, TakesOnlyAMonthNamedInFull) {
  const WholeMonthCase& c = GetParam();
  const auto month = ParseWholeReportMonth(c.Argument);
  if (c.Year == 0) {
    EXPECT_FALSE(month) << month->Key();
    return;
  }
  ASSERT_TRUE(month);
  EXPECT_EQ(month->Year, c.Year);
  EXPECT_EQ(month->Month, c.Month);
}

INSTANTIATE_TEST_SUITE_P(Arguments, ParseWholeReportMonthTest,
                         ::testing::Values(WholeMonthCase{"OneDigitMonth", "3.2014", 2014, 3},
                                           WholeMonthCase{"TwoDigitMonth", "03.2014", 2014, 3},
                                           WholeMonthCase{"December", "12.1999", 1999, 12},
                                           WholeMonthCase{"FirstYear", "1.0001", 1, 1},
                                           WholeMonthCase{"TextAfterTheYear", "3.2014x", 0, 0},
                                           WholeMonthCase{"SecondPoint", "3.2014.1", 0, 0},
                                           WholeMonthCase{"FiveDigitYear", "3.20145", 0, 0},
                                           WholeMonthCase{"ShortYear", "3.14", 0, 0},
                                           WholeMonthCase{"MonthZero", "0.2014", 0, 0},
                                           WholeMonthCase{"MonthThirteen", "13.2014", 0, 0},
                                           WholeMonthCase{"YearZero", "3.0000", 0, 0},
                                           WholeMonthCase{"Comma", "3,2014", 0, 0},
                                           WholeMonthCase{"Blank", " 3.2014", 0, 0},
                                           WholeMonthCase{"Sign", "+3.2014", 0, 0},
                                           WholeMonthCase{"LineBreak", "3.2014\n", 0, 0},
                                           WholeMonthCase{"Empty", "", 0, 0}),
                         [](const auto& info) { return std::string(info.param.Name); });

class SelectReportMonthTest : public ::testing::Test {
 protected:
  Database m_db = test::DatabaseBuilder()
                      .Add("31.01.2001", test::Normal(1, 1))
                      .Add("01.03.2001", test::Normal(1, 1))
                      .Add("02.03.2001", test::Normal(1, 1))
                      .Build();
  std::deque<std::optional<std::string>> m_answers;
  int m_asked = 0;

  std::optional<ReportMonth> Select() {
    return SelectReportMonth(m_db, [this]() -> std::optional<std::string> {
      ++m_asked;
      if (m_answers.empty()) return std::nullopt;
      auto answer = m_answers.front();
      m_answers.pop_front();
      return answer;
    });
  }
};

TEST_F(SelectReportMonthTest, RepeatsUntilAMonthWithRecords) {
  m_answers = {"2.2001", "abc", "3.2001", "1.2001"};
  const auto month = Select();
  ASSERT_TRUE(month);
  EXPECT_EQ(month->Key(), 200103);
  EXPECT_EQ(m_asked, 3);
  EXPECT_EQ(FindMonthRecords(m_db, *month)->First, 2);
  EXPECT_EQ(FindMonthRecords(m_db, *month)->Last, 3);
}

TEST_F(SelectReportMonthTest, CancelOrAnEmptyAnswerEndsThePrompt) {
  m_answers = {"2.2001", std::nullopt};
  EXPECT_FALSE(Select());
  EXPECT_EQ(m_asked, 2);
  m_asked = 0;
  m_answers = {"  "};
  EXPECT_FALSE(Select());
  EXPECT_EQ(m_asked, 1);
}

// Choosing a report month puts the station of the last record into the instrument panel, once
// the database holds more than one record.
struct StationCase {
  const char* Name;
  std::vector<std::string> Stations;  // one record a day from 1.3.2001
  std::optional<std::string> Shown;
};

class ReportMonthStationTest : public ::testing::TestWithParam<StationCase> {};

TEST_P(ReportMonthStationTest, LastRecordsStation) {
  test::DatabaseBuilder builder;
  int day = 1;
  for (const std::string& station : GetParam().Stations)
    builder.Add(FormatDate({2001, 3, day++}), test::Normal(1, 1));
  Database db = builder.Build();
  for (int i = 1; i <= db.RecordCount; ++i)
    db.Record(i).SetStation(GetParam().Stations[static_cast<std::size_t>(i - 1)]);
  EXPECT_EQ(ReportMonthStation(db), GetParam().Shown);
}

INSTANTIATE_TEST_SUITE_P(
    Databases, ReportMonthStationTest,
    ::testing::Values(StationCase{"Empty", {}, std::nullopt},
                      StationCase{"OneRecord", {"Ondřejov"}, std::nullopt},
                      StationCase{"LastOfSeveral", {"Praha", "Ondřejov", "Úpice"}, "Úpice"},
                      StationCase{"LastWithoutStation", {"Praha", ""}, ""}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace ardeno
