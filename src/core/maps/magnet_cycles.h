// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cycle comparison read back from "magn.dat": for each of several solar cycles, rotation by
// rotation, the share of the summed magnetogram cells in a latitude band whose polarity lies above
// (or below) the middle code. Cycles are laid over each other from their first rotation, so that
// an observer sees whether the polarity pattern of one cycle repeats in the next.
#include <optional>
#include <string>
#include <vector>

#include "core/graphs/plot_data.h"
#include "core/maps/magnet_summary.h"

namespace ardeno {

// One solar cycle of 11 years in Carrington rotations of 27.2753 days.
inline constexpr int kRotationsPerCycle = 147;
// Stored cells hold the polarity code times 16; codes from 8 up are drawn in the second colour of
// the underlay (code * 32 >= 240), the others in the first. A cell of 0 holds no observation.
inline constexpr int kMagnetMiddleCode = 8;

struct MagnetCycleQuery {
  double From = 20;  // latitude band, degrees from the equator, either order
  double To = 10;
  int Cycles = 3;
  int StartRotation = 1958;
  bool Greater = true;          // "Větší": codes from the middle up; "Menší": below it
  bool BothHemispheres = true;  // "Sever+Jih"; otherwise the northern band only
};

struct MagnetCycleCurves {
  MagnetCycleQuery Query;
  // Per cycle, per rotation from the cycle's start: the share in percent, or nothing where no
  // cell of the band holds an observation (drawn as a gap, never as 0).
  std::vector<std::vector<std::optional<double>>> Shares;
};

// Why the query cannot be answered (a Czech sentence naming the field and its range), or nothing.
std::optional<std::string> CheckMagnetCycleQuery(const MagnetCycleQuery& query);

// The curves of a checked query over the summary; rotations past the file's records have no value.
MagnetCycleCurves CompareMagnetCycles(const MagnetSummary& summary, const MagnetCycleQuery& query);

// The numbers the comparison draws: cycle, rotation number, rotation within the cycle, share;
// rotations without a value are left out, as the curves leave a gap.
PlotData MagnetCyclesPlotData(const MagnetCycleCurves& curves);

}  // namespace ardeno
