// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything a paint of the daily graphs reads, prepared when the data, the selected graph, the
// day width or the window height change: the time axis, the month ticks, the values scaled to
// the panel rows and the axis labels.
#include <array>

#include "core/data/database.h"
#include "core/graphs/daily_graph_axis.h"
#include "core/graphs/daily_graph_kinds.h"
#include "core/graphs/daily_graph_values.h"

namespace ardeno {

// 1 all three panels, 2 whole disk, 3 north, 4 south.
enum class DailyView : int { All = 1, Whole, North, South };

class DailyGraphPlot {
 public:
  // Rebuilds the axis and the values of the selected graph from the records; `positions` are
  // those of the same records (the east-centre-west graph reads them).
  void SetData(const Database& db, const RecordPositions& positions, int dayWidth);
  // Reads the values of `graph` (the axis stays).
  void SelectGraph(const Database& db, const RecordPositions& positions, DailyGraph graph);
  // Panel rows for a client area `height` pixels high; rescales the values.
  void SetClientHeight(int height);
  // Rows of a fixed height (a printed page).
  void SetRowHeight(int rowHeight);

  DailyGraph Graph() const { return m_graph; }
  const DailyGraphInfo& Info() const { return DailyGraphInfoOf(m_graph); }
  const DailyTimeAxis& Axis() const { return m_axis; }
  const std::vector<MonthTick>& Ticks() const { return m_ticks; }
  const DailyGeometry& Geometry() const { return m_geometry; }
  const DailyValues& Scaled() const { return m_scaled; }
  // The values as the records hold them, before the scaling to panel rows.
  const DailyValues& Values() const { return m_raw; }
  // Value at grid line k = 1..10: k x units per row.
  int AxisLabel(int k) const { return k * Info().UnitsPerRow; }
  int DayWidth() const { return m_axis.DayWidth; }

 private:
  void Rescale();

  DailyGraph m_graph = DailyGraph::G;
  DailyTimeAxis m_axis;
  std::vector<MonthTick> m_ticks;
  DailyGeometry m_geometry;
  DailyValues m_raw;
  DailyValues m_scaled;
};

}  // namespace ardeno
