// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Paints the own results of a month: the page of the results window (its measures follow the page
// font size, each column as wide as the widest text it holds) and the printed protocol.
#include <QRect>
#include <QSize>
#include <vector>

#include "core/reports/own_report_page.h"

class QPainter;

namespace ardeno {

// Where the page's table and sums go at one font size, measured from the texts they hold.
struct OwnPageLayout {
  int Margin = 0;
  int Line = 0;
  int Gap = 0;                   // white space that keeps neighbouring cells apart
  std::vector<int> ColumnLefts;  // each column's cell is [left + Gap, left + width)
  std::vector<int> ColumnWidths;
  int HalfColumn = 0;  // the sums' step: each block two half columns wide, blocks alternate rows
  int TableTop = 0;    // the column heads' line
  QSize Size;          // the whole page
};

OwnPageLayout LayOutOwnReportPage(const OwnReportPage& page, int fontSize);

// Who reads the page: the window speaks its language; the printed page stands for the station's
// own report file and keeps the file's Czech text.
enum class OwnPageReader { Window, Printout };

// The page from the top left; `width` (at least the layout's) centres the title.
void PaintOwnReportPage(QPainter& painter, const OwnReportPage& page, int fontSize, int width,
                        OwnPageReader reader);

// The protocol on one printed page `area`.
void PaintOwnProtocol(QPainter& painter, const OwnProtocol& protocol, const QRect& area);

}  // namespace ardeno
