// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/results/observer_table_painter.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace ardeno {

namespace {

QFont TableFont(int pixelSize) {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(std::max(1, pixelSize));
  return font;
}

struct ColumnWidths {
  int Name = 0;
  int Value = 0;
};

// The heading over the observers' names (cut short as the program has always shown it).
QString NameHeading() { return QCoreApplication::translate("Ardeno", " Pozorovate"); }

ColumnWidths WidthsFor(const ObserverTable& table, const QFont& font, int pixelSize) {
  const QFontMetrics metrics(font);
  ColumnWidths widths;
  widths.Name = metrics.horizontalAdvance(NameHeading() + QStringLiteral("  "));
  for (const auto& row : table.Cells) {
    widths.Name = std::max(
        widths.Name, metrics.horizontalAdvance(QString::fromStdString(row.front())) + pixelSize);
  }
  widths.Value = metrics.horizontalAdvance(QStringLiteral("000000"));
  return widths;
}

}  // namespace

void PaintObserverTable(QPainter& painter, const ObserverTable& table, const QRect& area,
                        int pixelSize) {
  if (table.Cells.empty()) return;
  const int columns = static_cast<int>(table.Cells.front().size());
  QFont font = TableFont(pixelSize);
  ColumnWidths widths = WidthsFor(table, font, pixelSize);
  const int needed = widths.Name + (columns - 1) * widths.Value;
  if (needed > area.width()) {
    // Many years: the whole table shrinks to the width it has.
    pixelSize = std::max(1, pixelSize * area.width() / needed);
    font = TableFont(pixelSize);
    widths = WidthsFor(table, font, pixelSize);
  }
  painter.setFont(font);
  painter.setPen(Qt::black);
  const int rowHeight = pixelSize * 3 / 2;
  const int nameWidth = widths.Name;
  const int columnWidth = widths.Value;
  const int left = area.left();
  int y = area.top();
  // Headings over the name column, the years and the sums.
  painter.drawText(QRect(left, y, nameWidth, rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   NameHeading());
  painter.drawText(QRect(left + nameWidth, y, (columns - 2) * columnWidth, rowHeight),
                   Qt::AlignLeft | Qt::AlignVCenter,
                   QCoreApplication::translate("Ardeno", "    Období   "));
  painter.drawText(QRect(left, y, nameWidth + (columns - 1) * columnWidth, rowHeight),
                   Qt::AlignRight | Qt::AlignVCenter,
                   QCoreApplication::translate("Ardeno", "    Suma  pozorování   "));
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
