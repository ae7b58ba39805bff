#pragma once
// Everything the smoothed and asymmetry graphs draw for one index, prepared once per change of
// the data or of the selection: the monthly means, the per-record asymmetry and the monthly and
// yearly asymmetry bars.
#include <vector>

#include "core/data/database.h"
#include "core/graphs/month_series.h"
#include "core/graphs/record_asymmetry.h"
#include "core/graphs/smoothed_graph_kinds.h"
#include "core/results/month_walk.h"

namespace ardeno {

struct SmoothedPicture {
  SmoothedIndex Index = SmoothedIndex::G;
  MonthSeries Months;
  RecordAsymmetry Records;
  // One bar per month or year from that of the first record: the selected index's asymmetry in
  // the chosen kind, ending on the period's last day (counted like RecordAsymmetry::Day).
  struct Bar {
    int EndDay = 0;
    double Value = 0;
    bool Present = false;
  };
  std::vector<Bar> MonthBars;
  std::vector<Bar> YearBars;
};

SmoothedPicture BuildSmoothedPicture(const Database& db, const RecordMonths& months,
                                     SmoothedIndex index, AsymmetryKind kind);

}  // namespace ardeno
