// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/results/quiet_calendar_painter.h"

#include <QCoreApplication>
#include <QPainter>

#include "core/results/month_walk.h"

namespace ardeno {

void PaintQuietCalendar(QPainter& painter, int width, int height, const CalendarLayout& layout,
                        const QuietDayMarks& marks) {
  painter.fillRect(0, 0, width, height, Qt::white);
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= 31; ++day) {
      if (!marks[static_cast<std::size_t>(month - 1)][static_cast<std::size_t>(day - 1)]) continue;
      const auto cell = layout.Cell(month, day);
      painter.fillRect(cell.X, cell.Y, cell.Width, cell.Height, Qt::red);
    }
  }
  QFont font = painter.font();
  font.setPixelSize(std::max(6, layout.CellHeight * 2 / 3));
  painter.setFont(font);
  painter.setPen(Qt::black);
  const int headerTop = layout.Top - layout.HeaderHeight;
  for (int month = 1; month <= 12; ++month) {
    const auto cell = layout.Cell(month, 1);
    painter.drawText(QRect(cell.X, headerTop, cell.Width, layout.HeaderHeight), Qt::AlignCenter,
                     QString::fromStdString(MonthNameShown(month)));
  }
  for (int day = 1; day <= 31; ++day) {
    const auto cell = layout.Cell(1, day);
    painter.drawText(
        QRect(layout.Left - layout.LabelWidth, cell.Y, layout.LabelWidth - 4, cell.Height),
        Qt::AlignRight | Qt::AlignVCenter, QString::number(day));
  }
  for (int month = 0; month <= 12; ++month) {
    const int x = layout.Left + month * layout.CellWidth;
    painter.drawLine(x, headerTop, x, layout.Bottom());
  }
  for (int day = 0; day <= 31; ++day) {
    const int y = layout.Top + day * layout.CellHeight;
    painter.drawLine(layout.Left - layout.LabelWidth, y, layout.Right(), y);
  }
  // What a red cell means.
  const QRect sample(layout.Left, layout.LegendTop(), layout.CellWidth / 2, layout.CellHeight);
  painter.fillRect(sample, Qt::red);
  painter.drawRect(sample);
  painter.drawText(QRect(sample.right() + layout.CellHeight / 2, sample.top(),
                         layout.Right() - sample.right(), sample.height()),
                   Qt::AlignLeft | Qt::AlignVCenter,
                   QCoreApplication::translate("QuietCalendar",
                                               "den se zákresem bez skvrn (relativní číslo 0)"));
}

}  // namespace ardeno
