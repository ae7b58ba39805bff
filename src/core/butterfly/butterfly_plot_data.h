// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The numbers behind a butterfly diagram: one row per mark it draws (a group in a rotation, a
// facular field, an entry of the supplementary data, a corona band) and per point of the
// latitude curves shown, with the rotation, the latitude in degrees and the group number.
#include "core/butterfly/butterfly_scene.h"
#include "core/graphs/plot_data.h"

namespace ardeno {

// Columns: otocka;delka;sirka;sirka_do;skupina;druh;hodnota. "sirka_do" is the other end of a
// mark that spans latitudes; "delka" is empty (the diagram does not place by longitude);
// "hodnota" is a corona band's grey level.
PlotData ButterflyPlotData(const ButterflyData& data, const ButterflyLayers& layers,
                           const ButterflyScale& scale);

// The corona columns alone, in the same columns (the maps window's corona butterfly).
PlotData CoronaBandPlotData(const std::vector<CoronaColumn>& columns);

}  // namespace ardeno
