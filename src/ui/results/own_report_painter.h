#pragma once
// Paints the own results of a month: the page of the results window (scaled by the page font size
// and the width) and the printed protocol.
#include <QRect>

#include "core/reports/own_report_page.h"

class QPainter;

namespace ardeno {

// The page within `width`, from the top; all measures follow `fontSize`.
void PaintOwnReportPage(QPainter& painter, const OwnReportPage& page, int fontSize, int width);

// The protocol on one printed page `area`.
void PaintOwnProtocol(QPainter& painter, const OwnProtocol& protocol, const QRect& area);

}  // namespace ardeno
