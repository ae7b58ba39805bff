// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/results/text_page.h"

#include <QFont>
#include <QPainter>
#include <QPrinter>

namespace ardeno {

namespace {

QFont PageFont(int pixelSize) {
  QFont font(QStringLiteral("DejaVu Sans Mono"));
  font.setStyleHint(QFont::Monospace);
  font.setPixelSize(std::max(1, pixelSize));
  return font;
}

int LineStep(int pixelSize) { return pixelSize * 5 / 4 + 1; }

}  // namespace

namespace {

void PaintLines(QPainter& painter, const QStringList& lines, int pixelSize, int step) {
  painter.setFont(PageFont(pixelSize));
  painter.setPen(Qt::black);
  int y = step;
  for (const QString& line : lines) {
    painter.drawText(pixelSize, y, line);
    y += step;
  }
}

}  // namespace

void PaintTextPage(QPainter& painter, const QStringList& lines, int pixelSize) {
  PaintLines(painter, lines, pixelSize, LineStep(pixelSize));
}

bool PrintTextPages(QPrinter& printer, const QStringList& lines) {
  QPainter painter(&printer);
  if (!painter.isActive()) return false;
  // Lines a font height apart, so that a month's report of up to 58 lines fits on one sheet.
  const int pixelSize = std::max(1, printer.height() / 60);
  const int perPage = std::max(1, printer.height() / pixelSize - 2);
  for (int first = 0; first < lines.size(); first += perPage) {
    if (first > 0) printer.newPage();
    PaintLines(painter, lines.mid(first, perPage), pixelSize, pixelSize);
  }
  return true;
}

}  // namespace ardeno
