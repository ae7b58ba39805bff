// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/maps/magnet_cycles.h"

#include <algorithm>
#include <cmath>

#include "core/text/core_text.h"

namespace ardeno {

namespace {

constexpr int kMaxCycles = 10;
constexpr int kLongitudeCells = 90;  // four degrees each

// The latitude rows (whole degrees, as the summation truncates b + 60) of the band.
std::vector<double> BandLatitudes(const MagnetCycleQuery& query) {
  const int low = static_cast<int>(std::floor(std::min(query.From, query.To)));
  const int high = static_cast<int>(std::ceil(std::max(query.From, query.To)));
  std::vector<double> rows;
  for (int b = low; b < high; ++b) {
    rows.push_back(b + 0.5);
    if (query.BothHemispheres) rows.push_back(-b - 0.5);
  }
  return rows;
}

}  // namespace

std::optional<std::string> CheckMagnetCycleQuery(const MagnetCycleQuery& query) {
  const auto inBand = [](double b) { return b >= 0 && b <= kMagnetSummaryMaxLatitude; };
  if (!inBand(query.From) || !inBand(query.To))
    return CoreText("MagnetCycles", "Šířky „Od“ a „Do“ musí ležet mezi 0° a 60°.");
  if (std::floor(std::min(query.From, query.To)) == std::ceil(std::max(query.From, query.To)))
    return CoreText("MagnetCycles",
                    "Pás šířek od „Od“ do „Do“ musí být široký aspoň jeden stupeň.");
  if (query.Cycles < 1 || query.Cycles > kMaxCycles)
    return FillText(CoreText("MagnetCycles", "Počet cyklů musí být 1 až %1."),
                    {std::to_string(kMaxCycles)});
  if (query.StartRotation < kMagnetFirstRotation)
    return FillText(
        CoreText("MagnetCycles", "Otočka musí být aspoň %1 (první otočka souboru magn.dat)."),
        {std::to_string(kMagnetFirstRotation)});
  return std::nullopt;
}

MagnetCycleCurves CompareMagnetCycles(const MagnetSummary& summary, const MagnetCycleQuery& query) {
  MagnetCycleCurves curves{query, {}};
  const std::vector<double> latitudes = BandLatitudes(query);
  for (int cycle = 0; cycle < query.Cycles; ++cycle) {
    std::vector<std::optional<double>>& shares = curves.Shares.emplace_back();
    for (int k = 0; k < kRotationsPerCycle; ++k) {
      const int rotation = query.StartRotation + cycle * kRotationsPerCycle + k;
      int observed = 0;
      int chosen = 0;
      for (const double b : latitudes) {
        for (int cell = 0; cell < kLongitudeCells; ++cell) {
          // The middle of the cell, clear of the rounding at its edges.
          const auto index = MagnetCellIndex(summary, b, 4.0 * cell + 1.5, rotation);
          if (!index || summary.Cells[*index] == 0) continue;
          ++observed;
          const bool above = summary.Cells[*index] / 16 >= kMagnetMiddleCode;
          chosen += above == query.Greater;
        }
      }
      shares.push_back(observed > 0 ? std::optional<double>(100.0 * chosen / observed)
                                    : std::nullopt);
    }
  }
  return curves;
}

PlotData MagnetCyclesPlotData(const MagnetCycleCurves& curves) {
  PlotData data{{"cyklus", "otočka", "otočka v cyklu", "podíl %"}, {}};
  for (std::size_t cycle = 0; cycle < curves.Shares.size(); ++cycle) {
    const int first = curves.Query.StartRotation + static_cast<int>(cycle) * kRotationsPerCycle;
    for (std::size_t k = 0; k < curves.Shares[cycle].size(); ++k) {
      if (!curves.Shares[cycle][k]) continue;
      data.Rows.push_back({std::to_string(cycle + 1), std::to_string(first + static_cast<int>(k)),
                           std::to_string(k), PlotNumber(*curves.Shares[cycle][k], 2)});
    }
  }
  return data;
}

}  // namespace ardeno
