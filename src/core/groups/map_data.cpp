// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/groups/map_data.h"

#include "core/text/core_text.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {

constexpr int kMapDataColumns = 19;
constexpr const char* kNoData = "----";
constexpr const char* kNoSmoothedValue = "---";
// With a digit before the point: a latitude of 0.65 reads "0.65", never ".65".
constexpr const char* kHundredths = "#0.00";
constexpr const char* kTenths = "#0.0";

std::string Smoothed(float value, bool has) {
  return has ? FormatFloat(kHundredths, value) : kNoSmoothedValue;
}

std::string Tenths(std::int16_t value10) { return FormatFloat(kTenths, value10 / 10.0); }

}  // namespace

TextGrid MapDataGrid(const RotationStatistics& stats, const RotationGroupCounts& classes) {
  TextGrid grid;
  auto& headers = grid.AddRow(kMapDataColumns);
  // Three pairs of northern and southern columns: group numbers, means and smoothed means.
  const std::string north = CoreText("GroupTables", "   Sev.");
  const std::string south = CoreText("GroupTables", "   Jih");
  headers = {CoreText("GroupTables", "Rotace"),
             north,
             south,
             north,
             south,
             north,
             south,
             CoreText("GroupTables", " S max"),
             CoreText("GroupTables", " S min"),
             CoreText("GroupTables", " J max"),
             CoreText("GroupTables", " J min"),
             CoreText("GroupTables", " Asym")};
  headers.resize(kMapDataColumns);
  for (std::size_t c = 0; c < kCountedClasses.size(); ++c) {
    headers[12 + c] = std::string("   ") + kCountedClasses[c];
  }
  for (int k = 1; k <= stats.RotationStatsCount(); ++k) {
    auto& cells = grid.AddRow();
    cells[0] = std::to_string(stats.FirstRotation + k - 1);
    const RotationStats& s = stats.At(k);
    if (s.MeanNorth == 0 && s.MeanSouth == 0) {
      for (int c = 1; c < kMapDataColumns; ++c) cells[static_cast<std::size_t>(c)] = kNoData;
      continue;
    }
    const SmoothedLatitudes& smoothed = stats.SmoothedAt(k);
    cells[1] = FormatFloat("#0", s.GroupNumbersNorth);
    cells[2] = FormatFloat("#0", s.GroupNumbersSouth);
    cells[3] = FormatFloat(kHundredths, s.MeanNorth);
    cells[4] = FormatFloat(kHundredths, s.MeanSouth);
    cells[5] = Smoothed(smoothed.North, smoothed.HasNorth);
    cells[6] = Smoothed(smoothed.South, smoothed.HasSouth);
    cells[7] = Tenths(s.HighestNorth10);
    cells[8] = Tenths(s.LowestNorth10);
    cells[9] = Tenths(s.MostSouthern10);
    cells[10] = Tenths(s.SouthNearestEquator10);
    cells[11] = FormatFloat(kHundredths, static_cast<double>(s.MeanNorth) + s.MeanSouth);
    const ClassCounts counts = classes.At(k);
    for (std::size_t c = 0; c < counts.size(); ++c) cells[12 + c] = FormatFloat("#0", counts[c]);
  }
  return grid;
}

std::string MapDataCountLabel(const RotationStatistics& stats) {
  return FillText(CoreText("GroupTables", "Počet hodnot je = %1"),
                  {std::to_string(stats.RotationStatsCount())});
}

}  // namespace ardeno
