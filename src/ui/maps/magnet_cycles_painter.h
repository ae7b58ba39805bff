// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Painting the magnetosphere cycle comparison: one curve per cycle over the rotations from the
// cycle's start, the share of the band's cells with the chosen polarity in percent.
#include <QColor>
#include <QSize>

#include "core/maps/magnet_cycles.h"

class QPainter;

namespace ardeno {

// The colour of cycle `cycle` (from 0); the legend and the curve share it.
QColor MagnetCycleColour(int cycle);

// The plot's frame inside `client`: rotations 0..kRotationsPerCycle - 1 left to right, 0 % at the
// bottom and 100 % at the top.
struct MagnetCyclesFrame {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  int X(double rotation) const;
  int Y(double percent) const;
};
MagnetCyclesFrame MagnetCyclesFrameFor(QSize client);

void PaintMagnetCycles(QPainter& painter, const MagnetCycleCurves& curves, QSize client);

}  // namespace ardeno
