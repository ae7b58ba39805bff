#include "ui/results/own_report_painter.h"

#include <QFont>
#include <QPainter>

namespace ardeno {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

QFont PageFont(int pixelSize, bool bold = false) {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(std::max(1, pixelSize));
  font.setBold(bold);
  return font;
}

QFont TitleFont(int pixelSize) {
  QFont font(QStringLiteral("Serifa BT"));
  font.setStyleHint(QFont::Serif);
  font.setPixelSize(std::max(1, pixelSize));
  font.setBold(true);
  return font;
}

// A row of cells, each right-aligned in its column of `columnWidth` from `left`.
void DrawCells(QPainter& painter, const std::vector<std::string>& cells, int left, int y,
               int columnWidth, int height) {
  for (std::size_t c = 0; c < cells.size(); ++c) {
    const QRect cell(left + static_cast<int>(c) * columnWidth, y, columnWidth - 2, height);
    painter.drawText(cell, Qt::AlignRight | Qt::AlignVCenter, Q(cells[c]));
  }
}

}  // namespace

void PaintOwnReportPage(QPainter& painter, const OwnReportPage& page, int fontSize, int width) {
  const int line = fontSize * 3 / 2;
  const int margin = fontSize;
  const int usable = std::max(1, width - 2 * margin);
  painter.setPen(Qt::black);
  int y = margin;

  // Station, month and year on one line, the instrument below.
  int x = margin;
  for (std::size_t i = 0; i < page.Header.size(); ++i) {
    if (i == 3) {
      x = margin;
      y += line;
    }
    painter.setFont(PageFont(fontSize));
    const QString label = Q(page.Header[i].first) + QStringLiteral("  ");
    painter.drawText(QRect(x, y, usable, line), Qt::AlignLeft | Qt::AlignVCenter, label);
    x += painter.fontMetrics().horizontalAdvance(label);
    painter.setFont(PageFont(fontSize, true));
    const QString value = Q(page.Header[i].second);
    painter.drawText(QRect(x, y, usable, line), Qt::AlignLeft | Qt::AlignVCenter, value);
    x += painter.fontMetrics().horizontalAdvance(value) + 3 * fontSize;
  }
  y += 2 * line;

  painter.setFont(TitleFont(fontSize * 3 / 2));
  painter.drawText(QRect(margin, y, usable, 2 * line), Qt::AlignHCenter | Qt::AlignVCenter,
                   Q(kOwnReportTitle));
  y += 5 * line / 2;

  const int columns = static_cast<int>(page.ColumnHeads.size());
  const int columnWidth = usable / std::max(1, columns);
  painter.setFont(PageFont(fontSize, true));
  DrawCells(painter, page.ColumnHeads, margin, y, columnWidth, line);
  y += line;
  painter.drawLine(margin, y, margin + columns * columnWidth, y);
  painter.setFont(PageFont(fontSize));
  for (const auto& row : page.DayRows) {
    DrawCells(painter, row, margin, y, columnWidth, line);
    y += line;
  }
  painter.drawLine(margin, y, margin + columns * columnWidth, y);
  y += line / 2;

  // The sums and means, staggered: a block of label, sum, mean and hemisphere mean per entry.
  painter.drawText(QRect(margin, y, usable, line), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Suma / průměr / průměr ze záznamů s polokoulemi"));
  y += line;
  const int halfColumn = usable / 33;  // 31 entries two half columns wide, one to spare
  const int rowHeight = 4 * line + line / 4;
  for (const OwnPageTotal& total : page.Totals) {
    const int top = y + (total.Row == 1 ? rowHeight : total.Row == 2 ? line : 0);
    const int left = margin + total.Column * halfColumn;
    const QString texts[] = {Q(total.Label), Q(total.Sum), Q(total.Mean), Q(total.HemisphereMean)};
    for (int k = 0; k < 4; ++k) {
      painter.setFont(PageFont(fontSize, k == 0));
      painter.drawText(QRect(left, top + k * line, 2 * halfColumn - 2, line),
                       Qt::AlignRight | Qt::AlignVCenter, texts[k]);
    }
  }
}

void PaintOwnProtocol(QPainter& painter, const OwnProtocol& protocol, const QRect& area) {
  // Nineteen equal units across the page, the time column taking two.
  const int unit = area.width() / (kProtocolColumns + 1);
  const int line = area.height() / 50;
  const int fontSize = std::min(line * 3 / 4, unit * 2 / 7);
  painter.setPen(Qt::black);
  int y = area.top();
  painter.setFont(TitleFont(std::min(line, area.width() / 40)));
  painter.drawText(QRect(area.left(), y, area.width(), 2 * line),
                   Qt::AlignHCenter | Qt::AlignVCenter, Q(kOwnReportTitle));
  y += 5 * line / 2;
  painter.setFont(PageFont(fontSize));
  painter.drawText(QRect(area.left(), y, area.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                   Q(protocol.Station));
  painter.drawText(QRect(area.left(), y, area.width(), line), Qt::AlignRight | Qt::AlignVCenter,
                   Q(protocol.MonthYear));
  y += 2 * line;

  const int right = area.left() + (kProtocolColumns + 1) * unit;
  for (int r = 0; r < kProtocolRows; ++r) {
    const auto& row = protocol.Cells[static_cast<std::size_t>(r)];
    painter.setFont(PageFont(fontSize, r == 0 || r >= kProtocolRows - 3));
    int x = area.left();
    for (int c = 0; c < kProtocolColumns; ++c) {
      const int width = c == 1 ? 2 * unit : unit;
      painter.drawText(QRect(x, y, width - unit / 8, line), Qt::AlignRight | Qt::AlignVCenter,
                       Q(row[static_cast<std::size_t>(c)]));
      x += width;
    }
    y += line;
    if (r == 0 || r == kProtocolRows - 4) painter.drawLine(area.left(), y, right, y);
  }
}

}  // namespace ardeno
