// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The data for the synoptic map: per rotation the group counts, the observed and smoothed mean
// latitudes, the latitude extremes, the asymmetry of the means and the sightings per class.
#include <string>

#include "core/groups/rotation_groups.h"
#include "core/groups/text_grid.h"

namespace ardeno {

// Row 0 the headers; one row per rotation index from the rotation of record 1. A rotation whose
// two mean latitudes are both 0 shows "----" in every column but the first.
TextGrid MapDataGrid(const RotationStatistics& stats, const RotationGroupCounts& classes);

// "Počet hodnot je = n" for the print panel.
std::string MapDataCountLabel(const RotationStatistics& stats);

}  // namespace ardeno
