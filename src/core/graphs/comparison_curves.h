// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Porovnání" of the smoothed graphs: the 13-month smoothed courses of several series drawn
// together on the month axis of our records. The series differ in units (groups, areas, solar
// flux units), so each curve is drawn as a share of its own highest smoothed value: the
// comparison shows when each rises, peaks and falls.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/sidc_files.h"
#include "core/graphs/month_series.h"
#include "core/graphs/reference_months.h"
#include "core/graphs/smoothed_graph_kinds.h"

namespace ardeno {

// Our eight indices, then the official sunspot numbers, the official areas and the radio flux.
enum class ComparedSeries : int {
  G = 1,
  F,
  R,
  CV,
  SN,
  RB,
  Area,
  HemisphereArea,
  BrusselsR,
  BrusselsAreas,
  RadioFlux
};
inline constexpr int kComparedSeriesCount = 11;

// The column of the radio-flux file: observed, adjusted to 1 AU, absolute.
enum class FluxKind : int { Observed = 0, Adjusted = 1, Absolute = 2 };

struct ComparedSeriesInfo {
  ComparedSeries Series;
  std::string_view BoxName;  // the check box
  std::string_view Text;     // its caption, Czech; shown through ComparedSeriesText
};
const std::array<ComparedSeriesInfo, kComparedSeriesCount>& ComparedSeriesList();
const ComparedSeriesInfo& ComparedSeriesInfoOf(ComparedSeries series);
// The check box's caption in the language of the interface.
std::string ComparedSeriesText(const ComparedSeriesInfo& info);
std::string_view FluxKindText(FluxKind kind);  // "OBS", "ADJ", "ABS"

// A fixed-line series of the SIDC folder (one line per month from January of kSidcFirstYear,
// three values a line) as monthly values on the month axis that starts with January of
// seriesFirstYear. `column` is 0..2; `divisor` turns the stored number into the series' unit
// (10 for the radio flux, kept in tenths). Months before the axis are left out, as are the
// empty (zero) lines before the first and after the last value; with zeroIsGap a zero line
// between values is a month without data, which has no value.
ReferenceMonths SidcLineMonths(const SidcSeries& series, int column, int divisor, bool zeroIsGap,
                               int seriesFirstYear);

struct ComparisonCurve {
  ComparedSeries Series = ComparedSeries::G;
  std::vector<int> Months;    // month numbers of the smoothed values
  std::vector<int> PerMille;  // each value as thousandths of the curve's highest one
  double Largest = 0;         // the highest smoothed monthly mean in the series' own unit
};

// What the comparison draws from, all prepared once per change of the data.
struct ComparisonSources {
  const RecordMonths* Records = nullptr;
  SmoothedView View = SmoothedView::Whole;  // our indices: whole disk, north or south
  const ReferenceMonths* BrusselsR = nullptr;
  const SidcSeries* Areas = nullptr;
  const SidcSeries* Flux = nullptr;
};

struct ComparisonPicture {
  std::vector<ComparisonCurve> Curves;
  // Chosen series without a smoothed value (no data, or fewer than 13 months of them).
  std::vector<ComparedSeries> WithoutData;
  // The last month number any curve reaches (0 without curves): the official series may run on
  // past our records, and the graph's time axis with them.
  int LastMonth() const;
};

ComparisonPicture BuildComparison(const std::vector<ComparedSeries>& chosen, FluxKind flux,
                                  const ComparisonSources& sources);

// "Relativní číslo   100 % = 152.3", "Rádiový tok ADJ   100 % = 180.2"
std::string ComparisonLegendText(const ComparisonCurve& curve, FluxKind flux);
// The message for a chosen series without a curve.
std::string ComparisonMissingText(ComparedSeries series);

}  // namespace ardeno
