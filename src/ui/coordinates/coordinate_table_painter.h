// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Paints the printed ephemeris of four months with a QPainter: the same code for the window,
// the saved picture and the printer page.
#include "core/solar/coordinate_table.h"

class QPainter;

namespace ardeno {

// Width of the table in reference units; scale 16 draws it 1:1.
inline constexpr int kCoordinateTableWidth = 900;

// scale: sixteenths (every coordinate and font size times scale / 16); offsetY: reference
// units the table is moved up or down (the scroll position on the screen).
void PaintCoordinateTable(QPainter& painter, const CoordinateTable& table, int scale, int offsetY);

}  // namespace ardeno
