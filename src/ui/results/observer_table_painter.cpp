#include "ui/results/observer_table_painter.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace ardeno {

void PaintObserverTable(QPainter& painter, const ObserverTable& table, const QRect& area,
                        int pixelSize) {
  if (table.Cells.empty()) return;
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(std::max(1, pixelSize));
  painter.setFont(font);
  painter.setPen(Qt::black);
  const QFontMetrics metrics(font);
  const int rowHeight = pixelSize * 3 / 2;
  int nameWidth = metrics.horizontalAdvance(QStringLiteral(" Pozorovate  "));
  for (const auto& row : table.Cells) {
    nameWidth = std::max(nameWidth, metrics.horizontalAdvance(QString::fromStdString(row.front())) + pixelSize);
  }
  const int columnWidth = metrics.horizontalAdvance(QStringLiteral("000000"));
  const int columns = static_cast<int>(table.Cells.front().size());
  const int left = area.left();
  int y = area.top();
  // Headings over the name column, the years and the sums.
  painter.drawText(QRect(left, y, nameWidth, rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral(" Pozorovate"));
  painter.drawText(QRect(left + nameWidth, y, (columns - 2) * columnWidth, rowHeight),
                   Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("    Období   "));
  painter.drawText(QRect(left + nameWidth + (columns - 2) * columnWidth, y, 4 * columnWidth, rowHeight),
                   Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("    Suma  pozorování   "));
  y += rowHeight;
  for (const auto& row : table.Cells) {
    int x = left;
    for (int c = 0; c < columns; ++c) {
      const int width = c == 0 ? nameWidth : columnWidth;
      const QRect cell(x, y, width, rowHeight);
      painter.drawRect(cell);
      painter.drawText(cell.adjusted(3, 0, -3, 0),
                       (c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter,
                       QString::fromStdString(row[static_cast<std::size_t>(c)]));
      x += width;
    }
    y += rowHeight;
  }
}

}  // namespace ardeno
