// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/graphs/daily_graph_plot.h"

#include <algorithm>

namespace ardeno {

void DailyGraphPlot::SetData(const Database& db, const RecordPositions& positions, int dayWidth) {
  m_axis = BuildDailyTimeAxis(db, dayWidth);
  m_ticks = DailyMonthTicks(m_axis.FirstYear, m_axis.LastX(), dayWidth);
  SelectGraph(db, positions, m_graph);
}

void DailyGraphPlot::SelectGraph(const Database& db, const RecordPositions& positions,
                                 DailyGraph graph) {
  m_graph = graph;
  m_raw = ReadDailyValues(db, positions, m_axis, graph);
  Rescale();
}

void DailyGraphPlot::SetClientHeight(int height) {
  m_geometry = DailyGeometryFor(height);
  Rescale();
}

void DailyGraphPlot::SetRowHeight(int rowHeight) {
  m_geometry.RowHeight = std::max(1, rowHeight);
  m_geometry.PanelHeight = 11 * m_geometry.RowHeight;
  Rescale();
}

void DailyGraphPlot::Rescale() {
  m_scaled = ScaleDailyValues(m_raw, m_geometry.RowHeight, Info().UnitsPerRow);
}

}  // namespace ardeno
