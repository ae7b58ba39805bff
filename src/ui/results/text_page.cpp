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

void PaintTextPage(QPainter& painter, const QStringList& lines, int pixelSize) {
  painter.setFont(PageFont(pixelSize));
  painter.setPen(Qt::black);
  const int step = LineStep(pixelSize);
  int y = step;
  for (const QString& line : lines) {
    painter.drawText(pixelSize, y, line);
    y += step;
  }
}

bool PrintTextPages(QPrinter& printer, const QStringList& lines) {
  QPainter painter(&printer);
  if (!painter.isActive()) return false;
  const int pixelSize = std::max(1, printer.height() / 60);
  const int perPage = std::max(1, printer.height() / LineStep(pixelSize) - 1);
  for (int first = 0; first < lines.size(); first += perPage) {
    if (first > 0) printer.newPage();
    PaintTextPage(painter, lines.mid(first, perPage), pixelSize);
  }
  return true;
}

}  // namespace ardeno
