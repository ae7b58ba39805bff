// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/graphs/comparison_curves.h"

#include <algorithm>

#include "core/text/core_text.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {

std::optional<ComparisonCurve> CurveOf(ComparedSeries series, int firstMonth,
                                       const MonthlyValues& values) {
  ComparisonCurve curve;
  curve.Series = series;
  std::vector<double> means;
  double largest = 0;
  for (int i = 0; i < static_cast<int>(values.size()); ++i) {
    const std::optional<double> mean = SmoothedMean(values, i);
    if (!mean) continue;
    curve.Months.push_back(firstMonth + i);
    means.push_back(*mean);
    largest = std::max(largest, *mean);
  }
  // Nothing to compare: no smoothed value, or a course that never leaves zero.
  if (means.empty() || largest <= 0) return std::nullopt;
  for (const double mean : means) curve.PerMille.push_back(static_cast<int>(mean * 1000 / largest));
  curve.Largest = largest;
  return curve;
}

}  // namespace

const std::array<ComparedSeriesInfo, kComparedSeriesCount>& ComparedSeriesList() {
  static const std::array<ComparedSeriesInfo, kComparedSeriesCount> list = {{
      {ComparedSeries::G, "CheckBox1", CoreTextNoop("ComparisonCurves", "Počet skupin")},
      {ComparedSeries::F, "CheckBox2", CoreTextNoop("ComparisonCurves", "Počet skvrn")},
      {ComparedSeries::R, "CheckBox3", CoreTextNoop("ComparisonCurves", "Relativní číslo")},
      {ComparedSeries::CV, "CheckBox4", CoreTextNoop("ComparisonCurves", "CV")},
      {ComparedSeries::SN, "CheckBox5", CoreTextNoop("ComparisonCurves", "SN")},
      {ComparedSeries::RB, "CheckBox6", CoreTextNoop("ComparisonCurves", "RB")},
      {ComparedSeries::Area, "CheckBox7", CoreTextNoop("ComparisonCurves", "Plocha")},
      {ComparedSeries::HemisphereArea, "CheckBox8",
       CoreTextNoop("ComparisonCurves", "Polokoule  plocha")},
      {ComparedSeries::BrusselsR, "CheckBox9", CoreTextNoop("ComparisonCurves", "Brusel r")},
      {ComparedSeries::BrusselsAreas, "CheckBox10",
       CoreTextNoop("ComparisonCurves", "Brusel plochy")},
      {ComparedSeries::RadioFlux, "CheckBox11", CoreTextNoop("ComparisonCurves", "Rádiový tok")},
  }};
  return list;
}

const ComparedSeriesInfo& ComparedSeriesInfoOf(ComparedSeries series) {
  return ComparedSeriesList()[static_cast<std::size_t>(static_cast<int>(series) - 1)];
}

std::string ComparedSeriesText(const ComparedSeriesInfo& info) {
  return CoreText("ComparisonCurves", info.Text.data());
}

std::string_view FluxKindText(FluxKind kind) {
  switch (kind) {
    case FluxKind::Adjusted:
      return "ADJ";
    case FluxKind::Absolute:
      return "ABS";
    default:
      return "OBS";
  }
}

ReferenceMonths SidcLineMonths(const SidcSeries& series, int column, int divisor, bool zeroIsGap,
                               int seriesFirstYear) {
  ReferenceMonths months;
  const int lines = std::min(series.LineCount, static_cast<int>(series.Values.size()) / 3);
  // Month number of line 0 on the axis.
  const int lineZeroMonth = (kSidcFirstYear - seriesFirstYear) * 12 + 1;
  int first = -1;
  int last = -1;
  for (int line = 0; line < lines; ++line) {
    if (lineZeroMonth + line < 1) continue;
    if (series.Values[static_cast<std::size_t>(3 * line + column)] == 0) continue;
    if (first < 0) first = line;
    last = line;
  }
  if (first < 0) return months;
  months.FirstMonth = lineZeroMonth + first;
  for (int line = first; line <= last; ++line) {
    const int stored = series.Values[static_cast<std::size_t>(3 * line + column)];
    if (stored == 0 && zeroIsGap)
      months.Values.push_back(std::nullopt);
    else
      months.Values.push_back(static_cast<double>(stored) / divisor);
  }
  return months;
}

ComparisonPicture BuildComparison(const std::vector<ComparedSeries>& chosen, FluxKind flux,
                                  const ComparisonSources& sources) {
  ComparisonPicture picture;
  const int firstYear = sources.Records ? sources.Records->Span.FirstYear : 0;
  for (const ComparedSeries series : chosen) {
    std::optional<ComparisonCurve> curve;
    const int n = static_cast<int>(series);
    if (n >= static_cast<int>(ComparedSeries::G) &&
        n <= static_cast<int>(ComparedSeries::HemisphereArea)) {
      if (sources.Records != nullptr) {
        const MonthSeries months =
            BuildMonthSeries(*sources.Records, static_cast<SmoothedIndex>(n));
        const SmoothedView view =
            sources.View == SmoothedView::Both ? SmoothedView::Whole : sources.View;
        curve = CurveOf(series, months.FirstMonth, months.Of(view));
      }
    } else if (series == ComparedSeries::BrusselsR) {
      if (sources.BrusselsR != nullptr)
        curve = CurveOf(series, sources.BrusselsR->FirstMonth, sources.BrusselsR->Values);
    } else if (series == ComparedSeries::BrusselsAreas) {
      if (sources.Areas != nullptr) {
        const ReferenceMonths areas = SidcLineMonths(*sources.Areas, 0, 1, false, firstYear);
        curve = CurveOf(series, areas.FirstMonth, areas.Values);
      }
    } else if (sources.Flux != nullptr) {
      // The flux is never zero: an empty month is one without a measurement.
      const ReferenceMonths fluxMonths =
          SidcLineMonths(*sources.Flux, static_cast<int>(flux), 10, true, firstYear);
      curve = CurveOf(series, fluxMonths.FirstMonth, fluxMonths.Values);
    }
    if (curve)
      picture.Curves.push_back(std::move(*curve));
    else
      picture.WithoutData.push_back(series);
  }
  return picture;
}

int ComparisonPicture::LastMonth() const {
  int last = 0;
  for (const ComparisonCurve& curve : Curves)
    if (!curve.Months.empty()) last = std::max(last, curve.Months.back());
  return last;
}

std::string ComparisonLegendText(const ComparisonCurve& curve, FluxKind flux) {
  std::string text = ComparedSeriesText(ComparedSeriesInfoOf(curve.Series));
  if (curve.Series == ComparedSeries::RadioFlux) text += " " + std::string(FluxKindText(flux));
  return text + "   100 % = " + FormatFloat("0.0", curve.Largest);
}

std::string ComparisonMissingText(ComparedSeries series) {
  switch (series) {
    case ComparedSeries::BrusselsR:
      return CoreText("ComparisonCurves",
                      "Nejsou data SIDC pro relativní čísla (SIDC/dssn<rok>.dat)");
    case ComparedSeries::BrusselsAreas:
      return CoreText("ComparisonCurves", "Nejsou data SIDC pro plochy (SIDC/Plochy.txt)");
    case ComparedSeries::RadioFlux:
      return CoreText("ComparisonCurves", "Nejsou data pro rádiový tok (SIDC/tok-10cm.txt)");
    default:
      return FillText(CoreText("ComparisonCurves",
                               "Nejsou data pro vyhlazenou křivku: %1 (je třeba aspoň 13 měsíců)"),
                      {ComparedSeriesText(ComparedSeriesInfoOf(series))});
  }
}

}  // namespace ardeno
