// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The numbers the daily, smoothed, asymmetry and comparison graphs draw, as rows of a table: the
// same values the paint reads, in the units of the records and tables (not pixels).
#include "core/data/database.h"
#include "core/graphs/daily_graph_plot.h"
#include "core/graphs/plot_data.h"
#include "core/graphs/smoothed_picture.h"

namespace ardeno {

// One row per drawn record: its date and the value of each panel the view shows.
PlotData DailyPlotData(const Database& db, const DailyGraphPlot& plot, DailyView view);

// One row per month ("mm.yyyy"): the monthly mean and its 13-month smoothed value (empty where
// the graph has none) of the view; for both hemispheres the two smoothed values.
PlotData SmoothedPlotData(const SmoothedPicture& picture, SmoothedView view);

// Per record, or per month or year, the asymmetry drawn, by the date the bar stands at;
// `first` is the date of record 1, the origin of the graph's time axis.
PlotData AsymmetryPlotData(const SmoothedPicture& picture, AsymmetryDiagram diagram,
                           const CalendarDate& first);

// One row per month any compared curve reaches: each curve's thousandths of its largest value.
PlotData ComparisonPlotData(const ComparisonPicture& comparison, int firstYear);

}  // namespace ardeno
