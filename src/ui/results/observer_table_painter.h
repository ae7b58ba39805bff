// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Paints the observer table (drawings per observer and year) with its headings and cell lines:
// the printout of the observer view and the table the "q" key draws over the results window.
#include <QRect>

#include "core/reports/observer_table.h"

class QPainter;

namespace ardeno {

// The table from the top left of `area`, its text `pixelSize` high.
void PaintObserverTable(QPainter& painter, const ObserverTable& table, const QRect& area,
                        int pixelSize);

}  // namespace ardeno
