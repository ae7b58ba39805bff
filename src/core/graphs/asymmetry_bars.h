// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The monthly and yearly asymmetry diagrams' bars, read from the asymmetry tables of the group
// statistics: one bar per month or year from that of record 1, placed on the asymmetry time axis.
#include <vector>

#include "core/graphs/smoothed_graph_kinds.h"
#include "core/groups/asymmetry.h"
#include "core/text/dates.h"

namespace ardeno {

struct AsymmetryBar {
  int EndDay = 0;  // the period's last day, counted like RecordAsymmetry::Day
  double Value = 0;
};

// The selected index's percentage (ratio) or difference per record (difference) of every period
// that holds a value; the month of the last record holds only its count and has no bar.
// `first` is the date of record 1, the origin of the time axis.
std::vector<AsymmetryBar> AsymmetryBars(const AsymmetryTables& tables, SmoothedIndex index,
                                        AsymmetryKind kind, AsymmetryDiagram period,
                                        const CalendarDate& first);

}  // namespace ardeno
