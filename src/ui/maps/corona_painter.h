// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Painting the corona views of the maps window: the graph of one rotation's sectors, the corona
// butterfly of all loaded rotations and the corona of one day around the disk.
#include <QSize>
#include <array>
#include <vector>

#include "core/maps/corona_views.h"

class QPainter;

namespace ardeno {

void PaintCoronaGraph(QPainter& painter, const CoronaData& corona, int position);

// Per-rotation sector means of the whole corona series, computed once with the data.
struct CoronaButterflyScene {
  std::vector<CoronaRotationMeans> Rotations;  // consecutive rotations, as loaded
};
CoronaButterflyScene PrepareCoronaButterfly(const CoronaData& corona);
void PaintCoronaButterfly(QPainter& painter, const CoronaButterflyScene& scene, QSize client);

void PaintRealCorona(QPainter& painter, const CoronaData& corona, int row, QSize client);

}  // namespace ardeno
