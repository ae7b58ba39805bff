// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the smoothed and asymmetry graphs draw for one index, prepared once per change of
// the data or of the selection: the monthly means, the per-record asymmetry and the monthly and
// yearly asymmetry bars.
#include <optional>
#include <vector>

#include "core/data/database.h"
#include "core/graphs/asymmetry_bars.h"
#include "core/graphs/comparison_curves.h"
#include "core/graphs/month_series.h"
#include "core/graphs/record_asymmetry.h"
#include "core/graphs/reference_months.h"
#include "core/graphs/smoothed_graph_kinds.h"
#include "core/results/month_walk.h"

namespace ardeno {

struct SmoothedPicture {
  SmoothedIndex Index = SmoothedIndex::G;
  MonthSeries Months;
  RecordAsymmetry Records;
  std::vector<AsymmetryBar> MonthBars;
  std::vector<AsymmetryBar> YearBars;
  // The official relative numbers on the same month axis ("Brusel R"); empty without SIDC files.
  ReferenceMonths Brussels;
  // Set while "Porovnání" draws the chosen curves together instead of the index.
  std::optional<ComparisonPicture> Comparison;
  FluxKind Flux = FluxKind::Observed;
};

// `tables` are the asymmetry tables of the same records (ComputeAsymmetry).
SmoothedPicture BuildSmoothedPicture(const Database& db, const RecordMonths& months,
                                     const AsymmetryTables& tables, SmoothedIndex index,
                                     AsymmetryKind kind);

}  // namespace ardeno
