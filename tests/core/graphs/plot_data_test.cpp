// SPDX-License-Identifier: GPL-3.0-or-later
// The numbers behind the graphs: the table layout of the data file and the values of the daily,
// smoothed, asymmetry and comparison graphs in the units of the records (not pixels).
#include "core/graphs/graph_plot_data.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ardeno {
namespace {

TEST(PlotDataCsv, HeaderThenRowsSeparatedBySemicolonsWithCrLf) {
  PlotData data;
  data.Columns = {"mesic", "hodnota"};
  data.Rows = {{"01.2014", "3.125"}, {"02.2014", ""}};
  EXPECT_EQ(PlotDataCsv(data), "mesic;hodnota\r\n01.2014;3.125\r\n02.2014;\r\n");
}

struct NumberCase {
  std::string Name;
  double Value;
  int Decimals;
  std::string Text;
};

class PlotNumbers : public ::testing::TestWithParam<NumberCase> {};

TEST_P(PlotNumbers, KeepTheirDecimalsWithoutTrailingZeros) {
  EXPECT_EQ(PlotNumber(GetParam().Value, GetParam().Decimals), GetParam().Text);
}

INSTANTIATE_TEST_SUITE_P(Values, PlotNumbers,
                         ::testing::Values(NumberCase{"Whole", 12, 3, "12"},
                                           NumberCase{"Eighths", 3.125, 3, "3.125"},
                                           NumberCase{"Negative", -13.26, 1, "-13.3"},
                                           NumberCase{"NoDecimals", 7.6, 0, "8"},
                                           NumberCase{"Zero", 0, 2, "0"}),
                         [](const auto& info) { return info.param.Name; });

// Fourteen months from 11.2013: means month index + 1, north the same, south 0.
SmoothedPicture FourteenMonths() {
  SmoothedPicture picture;
  MonthSeries& m = picture.Months;
  m.FirstYear = 2013;
  m.FirstMonth = 11;
  for (int i = 0; i < 14; ++i) {
    m.Total.push_back(i + 1.0);
    m.North.push_back(i + 1.0);
    m.South.push_back(0.0);
  }
  return picture;
}

TEST(SmoothedPlotData, MonthlyMeansAndSmoothedValuesInTheIndexUnits) {
  const PlotData data = SmoothedPlotData(FourteenMonths(), SmoothedView::Whole);
  EXPECT_EQ(data.Columns, (std::vector<std::string>{"mesic", "mesicni_prumer", "vyhlazeny"}));
  ASSERT_EQ(data.Rows.size(), 14u);
  EXPECT_EQ(data.Rows[0], (std::vector<std::string>{"11.2013", "1", ""}));
  EXPECT_EQ(data.Rows[2][0], "01.2014") << "the month numbers run on into the next year";
  // Month 7 is the first with a 13-month window: the running mean of 1..13 is 7.
  EXPECT_EQ(data.Rows[5][2], "");
  EXPECT_EQ(data.Rows[6], (std::vector<std::string>{"05.2014", "7", "7"}));
  EXPECT_EQ(data.Rows[7][2], "8");
  EXPECT_EQ(data.Rows[8][2], "") << "fewer than six months after it";

  const PlotData both = SmoothedPlotData(FourteenMonths(), SmoothedView::Both);
  EXPECT_EQ(both.Columns, (std::vector<std::string>{"mesic", "vyhlazeny_sever", "vyhlazeny_jih"}));
  EXPECT_EQ(both.Rows[6], (std::vector<std::string>{"05.2014", "7", "0"}));
}

TEST(AsymmetryPlotData, DaysOfTheAxisAreDatesFromRecordOne) {
  SmoothedPicture picture;
  // Record 1 on 15.03.2014: its own day is 15, the day after 16.
  picture.Records.Day = {15, 16, 47};
  picture.Records.Value = {10, -20, 0};
  picture.MonthBars = {{31, 12.5}};
  const CalendarDate first{2014, 3, 15};
  const PlotData records = AsymmetryPlotData(picture, AsymmetryDiagram::PerRecord, first);
  ASSERT_EQ(records.Rows.size(), 3u);
  EXPECT_EQ(records.Rows[0], (std::vector<std::string>{"15.03.2014", "10"}));
  EXPECT_EQ(records.Rows[2], (std::vector<std::string>{"16.04.2014", "0"}));
  const PlotData months = AsymmetryPlotData(picture, AsymmetryDiagram::Monthly, first);
  ASSERT_EQ(months.Rows.size(), 1u);
  EXPECT_EQ(months.Rows[0], (std::vector<std::string>{"31.03.2014", "12.5"}));
}

TEST(ComparisonPlotData, OneRowPerMonthAnyCurveReaches) {
  ComparisonPicture comparison;
  comparison.Curves.push_back({ComparedSeries::R, {7, 8}, {900, 1000}, 150});
  comparison.Curves.push_back({ComparedSeries::RadioFlux, {8, 9}, {1000, 950}, 120});
  const PlotData data = ComparisonPlotData(comparison, 2000);
  EXPECT_EQ(data.Columns, (std::vector<std::string>{"mesic", "r", "flux"}));
  ASSERT_EQ(data.Rows.size(), 3u);
  EXPECT_EQ(data.Rows[0], (std::vector<std::string>{"07.2000", "900", ""}));
  EXPECT_EQ(data.Rows[1], (std::vector<std::string>{"08.2000", "1000", "1000"}));
  EXPECT_EQ(data.Rows[2], (std::vector<std::string>{"09.2000", "", "950"}));
}

}  // namespace
}  // namespace ardeno
