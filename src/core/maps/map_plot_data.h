// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The numbers behind the synoptic maps: one row per mark drawn (a group at its mean place, an
// auxiliary spot, a vertex of a facular field) of each rotation shown, and the corona graph's
// intensities.
#include <vector>

#include "core/data/corona_data.h"
#include "core/graphs/plot_data.h"
#include "core/maps/map_groups.h"

namespace ardeno {

// What a map draws: the strip maps the groups alone, the single map with their auxiliary spots
// and the facular fields when switched on.
struct MapMarks {
  bool Groups = true;
  bool AuxSpots = false;
  bool Faculae = false;
};

// Columns: otocka;delka;sirka;skupina;druh; a facular field's vertices carry the field's number
// on the map as skupina.
PlotData MapPlotData(const Database& db, const MapSightings& sightings,
                     const std::vector<int>& rotations, MapMarks marks);

// The corona graph at day row `firstRow`: one row per day and sector it draws.
PlotData CoronaGraphPlotData(const CoronaData& corona, int firstRow);

}  // namespace ardeno
