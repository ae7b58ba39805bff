// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A report drawn as lines of text in a fixed-pitch face: the on-window pages of the monthly
// reports and their printouts share this painting.
#include <QStringList>

class QPainter;
class QPrinter;

namespace ardeno {

// Paints `lines` from the top left with a font of `pixelSize`, one line per 1.25 font heights.
void PaintTextPage(QPainter& painter, const QStringList& lines, int pixelSize);

// Prints the lines on as many pages as they need, the font a sixtieth of the page height and
// the lines a font height apart.
// Returns false when the printer could not be opened.
bool PrintTextPages(QPrinter& printer, const QStringList& lines);

}  // namespace ardeno
