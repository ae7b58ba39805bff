// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/graphs/graph_plot_data.h"

#include <array>
#include <map>

#include "core/stats/monthly_values.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {

// "mm.yyyy" of a month number counted from January of firstYear (1 = that January).
std::string MonthText(int firstYear, int month) {
  return FormatFloat("00", (month - 1) % 12 + 1) + "." +
         std::to_string(firstYear + (month - 1) / 12);
}

// A month without a value, and a month the smoothing cannot reach, are empty cells.
std::string MeanText(const std::optional<double>& mean) { return mean ? PlotNumber(*mean, 3) : ""; }
std::string SmoothedText(const MonthlyValues& values, int i) {
  return MeanText(SmoothedMean(values, i));
}

// A day of the asymmetry axis (days since record 1 plus its day of the month) as a date.
std::string AxisDateText(const CalendarDate& first, int day) {
  return FormatDate(DateFromSerial(DaySerial(first) + day - first.Day));
}

std::string SeriesName(ComparedSeries series) {
  switch (series) {
    case ComparedSeries::BrusselsR:
      return "brussels-r";
    case ComparedSeries::BrusselsAreas:
      return "brussels-area";
    case ComparedSeries::RadioFlux:
      return "flux";
    default:
      return std::string(
          SmoothedIndexInfoOf(static_cast<SmoothedIndex>(static_cast<int>(series))).CommandName);
  }
}

}  // namespace

PlotData DailyPlotData(const Database& db, const DailyGraphPlot& plot, DailyView view) {
  const bool zones = plot.Graph() == DailyGraph::EastWest;
  static const std::array<const char*, 3> kHemispheres = {"celkem", "sever", "jih"};
  static const std::array<const char*, 3> kZones = {"vychod", "stred", "zapad"};
  std::vector<int> panels = {1, 2, 3};
  if (view != DailyView::All) panels = {static_cast<int>(view) - 1};
  PlotData data;
  data.Columns.push_back("datum");
  for (int panel : panels)
    data.Columns.push_back((zones ? kZones : kHemispheres)[static_cast<std::size_t>(panel - 1)]);
  const DailyTimeAxis& axis = plot.Axis();
  for (std::size_t i = 0; i < axis.RecordIndex.size(); ++i) {
    std::vector<std::string> row = {db.Record(axis.RecordIndex[i]).Date()};
    for (int panel : panels)
      row.push_back(std::to_string(DailyPanelValue(plot.Values(), plot.Graph(), panel, i)));
    data.Rows.push_back(std::move(row));
  }
  return data;
}

PlotData SmoothedPlotData(const SmoothedPicture& picture, SmoothedView view) {
  const MonthSeries& months = picture.Months;
  PlotData data;
  if (view == SmoothedView::Both) {
    data.Columns = {"mesic", "vyhlazeny_sever", "vyhlazeny_jih"};
  } else {
    data.Columns = {"mesic", "mesicni_prumer", "vyhlazeny"};
  }
  for (int i = 0; i < months.Count(); ++i) {
    std::vector<std::string> row = {MonthText(months.FirstYear, months.FirstMonth + i)};
    if (view == SmoothedView::Both) {
      row.push_back(SmoothedText(months.North, i));
      row.push_back(SmoothedText(months.South, i));
    } else {
      const MonthlyValues& values = months.Of(view);
      row.push_back(MeanText(values[static_cast<std::size_t>(i)]));
      row.push_back(SmoothedText(values, i));
    }
    data.Rows.push_back(std::move(row));
  }
  return data;
}

PlotData AsymmetryPlotData(const SmoothedPicture& picture, AsymmetryDiagram diagram,
                           const CalendarDate& first) {
  PlotData data;
  data.Columns = {"datum", "asymetrie"};
  if (diagram == AsymmetryDiagram::PerRecord) {
    const RecordAsymmetry& records = picture.Records;
    for (std::size_t i = 0; i < records.Day.size(); ++i)
      data.Rows.push_back({AxisDateText(first, records.Day[i]), std::to_string(records.Value[i])});
    return data;
  }
  const auto& bars = diagram == AsymmetryDiagram::Monthly ? picture.MonthBars : picture.YearBars;
  for (const AsymmetryBar& bar : bars)
    data.Rows.push_back({AxisDateText(first, bar.EndDay), PlotNumber(bar.Value, 3)});
  return data;
}

PlotData ComparisonPlotData(const ComparisonPicture& comparison, int firstYear) {
  PlotData data;
  data.Columns.push_back("mesic");
  std::map<int, std::vector<std::string>> byMonth;
  const std::size_t curves = comparison.Curves.size();
  for (std::size_t c = 0; c < curves; ++c) {
    const ComparisonCurve& curve = comparison.Curves[c];
    data.Columns.push_back(SeriesName(curve.Series));
    for (std::size_t i = 0; i < curve.Months.size(); ++i) {
      auto& cells = byMonth[curve.Months[i]];
      cells.resize(curves);
      cells[c] = std::to_string(curve.PerMille[i]);
    }
  }
  for (auto& [month, cells] : byMonth) {
    std::vector<std::string> row = {MonthText(firstYear, month)};
    row.insert(row.end(), cells.begin(), cells.end());
    data.Rows.push_back(std::move(row));
  }
  return data;
}

}  // namespace ardeno
