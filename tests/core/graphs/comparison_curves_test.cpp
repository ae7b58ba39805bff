// SPDX-License-Identifier: GPL-3.0-or-later
// "Porovnání": the monthly values of the fixed-line SIDC series on our month axis, and the
// smoothed courses as shares of their own highest value.
#include "core/graphs/comparison_curves.h"

#include <gtest/gtest.h>

#include "core/graphs/smoothed_graph_layout.h"
#include "graph_records.h"

namespace ardeno {
namespace {

// Lines from January 1982, three values each.
SidcSeries Lines(const std::vector<std::array<int, 3>>& lines) {
  SidcSeries series;
  for (const auto& line : lines)
    for (const int v : line) series.Values.push_back(static_cast<std::uint16_t>(v));
  series.LineCount = static_cast<int>(lines.size());
  return series;
}

TEST(SidcLineMonthsTest, EmptyEndsTrimmedGapsMissingOnlyWhereZeroIsNoData) {
  // January and May empty; March empty in the second column only.
  const SidcSeries s = Lines({{0, 0, 0}, {100, 700, 5}, {50, 0, 6}, {400, 1000, 7}, {0, 0, 0}});
  const ReferenceMonths areas = SidcLineMonths(s, 0, 1, false, 1982);
  EXPECT_EQ(areas.FirstMonth, 2);
  EXPECT_EQ(areas.Values, (MonthlyValues{100.0, 50.0, 400.0}));
  // The flux in tenths: 70.0 and 100.0 units; the empty March has no measurement.
  const ReferenceMonths flux = SidcLineMonths(s, 1, 10, true, 1982);
  EXPECT_EQ(flux.FirstMonth, 2);
  EXPECT_EQ(flux.Values, (MonthlyValues{70.0, std::nullopt, 100.0}));
  const ReferenceMonths unfilled = SidcLineMonths(s, 1, 10, false, 1982);
  EXPECT_EQ(unfilled.Values, (MonthlyValues{70.0, 0.0, 100.0}));
}

TEST(SidcLineMonthsTest, MonthsBeforeTheRecordsFirstYearAreLeftOut) {
  std::vector<std::array<int, 3>> lines(14, {10, 0, 0});
  lines[12] = {20, 0, 0};  // January 1983
  lines[13] = {30, 0, 0};
  const ReferenceMonths months = SidcLineMonths(Lines(lines), 0, 1, false, 1983);
  EXPECT_EQ(months.FirstMonth, 1);
  EXPECT_EQ(months.Values, (MonthlyValues{20.0, 30.0}));
  EXPECT_TRUE(SidcLineMonths(Lines(lines), 0, 1, false, 1990).Values.empty());
  const ReferenceMonths earlier = SidcLineMonths(Lines(lines), 0, 1, false, 1980);
  EXPECT_EQ(earlier.FirstMonth, 25) << "January 1982 is month 25 from January 1980";
}

TEST(ComparisonTest, EachCurveIsAShareOfItsOwnHighestValue) {
  // North R = 10 m in month m = 1..15 of 2004-2005: a straight rise, so each smoothed value
  // equals the month's own mean, and the highest is that of the last smoothed month (9).
  std::vector<test::GraphRecord> rows;
  for (int m = 1; m <= 15; ++m) {
    const int year = 2004 + (m - 1) / 12;
    const int month = (m - 1) % 12 + 1;
    rows.push_back({"10." + std::string(month < 10 ? "0" : "") + std::to_string(month) + "." +
                        std::to_string(year),
                    10 * m, 0});
  }
  const RecordMonths months = CollectMonths(test::GraphDatabase(rows, kRelativeN, kRelativeS));
  const ReferenceMonths brussels{1, MonthlyValues(13, 100.0)};
  ComparisonSources sources;
  sources.Records = &months;
  sources.BrusselsR = &brussels;
  const ComparisonPicture picture = BuildComparison(
      {ComparedSeries::R, ComparedSeries::G, ComparedSeries::BrusselsR, ComparedSeries::RadioFlux},
      FluxKind::Adjusted, sources);
  ASSERT_EQ(picture.Curves.size(), 2u);
  const ComparisonCurve& r = picture.Curves[0];
  EXPECT_EQ(r.Series, ComparedSeries::R);
  EXPECT_EQ(r.Months, (std::vector<int>{7, 8, 9}));
  EXPECT_EQ(r.PerMille, (std::vector<int>{777, 888, 1000}));
  EXPECT_DOUBLE_EQ(r.Largest, 90.0);
  const ComparisonCurve& official = picture.Curves[1];
  EXPECT_EQ(official.Months, (std::vector<int>{7}));
  EXPECT_EQ(official.PerMille, (std::vector<int>{1000}));
  EXPECT_DOUBLE_EQ(official.Largest, 100.0);
  EXPECT_EQ(picture.LastMonth(), 9);
  // Groups never leave zero; no flux file was read.
  EXPECT_EQ(picture.WithoutData,
            (std::vector<ComparedSeries>{ComparedSeries::G, ComparedSeries::RadioFlux}));

  // The south view of the same records has nothing to compare.
  sources.View = SmoothedView::South;
  EXPECT_TRUE(BuildComparison({ComparedSeries::R}, FluxKind::Observed, sources).Curves.empty());
}

TEST(ComparisonTest, LegendAndMessages) {
  ComparisonCurve flux;
  flux.Series = ComparedSeries::RadioFlux;
  flux.Largest = 180.25;
  EXPECT_EQ(ComparisonLegendText(flux, FluxKind::Adjusted), "Rádiový tok ADJ   100 % = 180.3");
  flux.Series = ComparedSeries::HemisphereArea;
  EXPECT_EQ(ComparisonLegendText(flux, FluxKind::Adjusted), "Polokoule  plocha   100 % = 180.3");
  EXPECT_EQ(ComparisonMissingText(ComparedSeries::RadioFlux),
            "Nejsou data pro rádiový tok (SIDC/tok-10cm.txt)");
  EXPECT_EQ(ComparisonMissingText(ComparedSeries::G),
            "Nejsou data pro vyhlazenou křivku: Počet skupin (je třeba aspoň 13 měsíců)");
}

TEST(ComparisonTest, ShareOfTheHighestValueOnTheGrid) {
  const SmoothedLayout layout = SmoothedLayoutFor(640, 1);
  EXPECT_EQ(layout.ShareY(1000), layout.GridY(kSmoothedRows));
  EXPECT_EQ(layout.ShareY(500), layout.GridY(5));
  EXPECT_EQ(layout.ShareY(0), layout.PlotHeight);
}

TEST(PrintYearLimitTest, CutAtTheFirstOfJanuaryAfterTheYear) {
  const SmoothedLayout smoothed = SmoothedLayoutFor(640, 1);  // 30 pixels a month
  EXPECT_EQ(SmoothedYearLimitX(smoothed, 2004, 2004), smoothed.MonthX(13));
  EXPECT_EQ(SmoothedYearLimitX(smoothed, 2004, 2010), smoothed.MonthX(85));
  EXPECT_EQ(SmoothedYearLimitX(smoothed, 2004, 2001), smoothed.MonthX(1));
  // The asymmetry axis from November 2003, a day a pixel: January 2004 is day 62, and 2004 has
  // its leap day.
  const AsymmetryLayout asymmetry = AsymmetryLayoutFor(600, 1);
  EXPECT_EQ(AsymmetryYearLimitX(asymmetry, 2003, 11, 2003), asymmetry.DayX(62));
  EXPECT_EQ(AsymmetryYearLimitX(asymmetry, 2003, 11, 2004), asymmetry.DayX(62 + 366));
  EXPECT_EQ(AsymmetryYearLimitX(asymmetry, 2003, 11, 2002), kAsymmetryLeft);
}

}  // namespace
}  // namespace ardeno
