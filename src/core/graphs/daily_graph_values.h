// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The values of a daily graph: read (or, for the east-centre-west counts and the facular area,
// derived) once per selection or change of the data, and scaled to pixels once per change of the
// row height. A paint walks the scaled values only.
#include <span>
#include <vector>

#include "core/data/database.h"
#include "core/graphs/daily_graph_axis.h"
#include "core/graphs/daily_graph_kinds.h"
#include "core/solar/record_positions.h"

namespace ardeno {

// One value per record of the axis, in the axis order. First is the north value (or the
// centre count), Second the south value (or the count on the negative, western side), Third
// the count on the positive, eastern side (east-centre-west graph only, else zeros).
struct DailyValues {
  std::vector<int> First;
  std::vector<int> Second;
  std::vector<int> Third;
};

// The value a panel draws for entry i: panel 1 the whole disk (First + Second; the east zone,
// Third, in the east-centre-west graph), panel 2 First, panel 3 Second.
int DailyPanelValue(const DailyValues& values, DailyGraph graph, int panel, std::size_t i);

// `positions` (of the same records) places the groups for the east-centre-west graph; the other
// graphs do not read it.
DailyValues ReadDailyValues(const Database& db, const RecordPositions& positions,
                            const DailyTimeAxis& axis, DailyGraph graph);

// The record's facular area text as a number: empty or not a whole number counts 0.
int FaculaAreaValue(const ObservationRecord& record);

// Where a central-meridian distance (degrees, positive to the east) falls: 0, -30 and +30
// exactly belong nowhere.
enum class CentralZone { None, Negative, Centre, Positive };
CentralZone ZoneOfCentralMeridianDistance(double distance);

struct CentralZoneCounts {
  int Centre = 0;
  int Negative = 0;
  int Positive = 0;
};
// Groups by zone, from their heliographic positions.
CentralZoneCounts CountGroupsByZone(std::span<const HeliographicPosition> groups);

// value x rowHeight div unitsPerRow, truncated toward zero.
int ScaledValue(int value, int rowHeight, int unitsPerRow);
DailyValues ScaleDailyValues(const DailyValues& values, int rowHeight, int unitsPerRow);

// Panel geometry of a client area: rows of ((height - 120) div 3) div 11 pixels (at least 1),
// 11 rows a panel, panel k's zero line at k x (panel + 25) in the three-panel view, a single
// panel's at 3 x panel.
struct DailyGeometry {
  int RowHeight = 1;
  int PanelHeight = 11;
  int Baseline(int panel) const { return panel * (PanelHeight + 25); }
  int SingleBaseline() const { return 3 * PanelHeight; }
};
DailyGeometry DailyGeometryFor(int clientHeight);

}  // namespace ardeno

namespace ardeno {

// A printed page: the three panels fill a stack of page height - page height div 6 (landscape)
// or page width x 3 div 4 - page width div 6 (portrait); a page holds about 500 days.
struct DailyPrintLayout {
  int RowHeight = 1;
  int DayWidth = 1;
};
DailyPrintLayout DailyPrintLayoutFor(int pageWidth, int pageHeight);

}  // namespace ardeno
