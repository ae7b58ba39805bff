// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/results/own_report_painter.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <array>

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

// Texts of the sums and means drawn in each block.
constexpr int kTotalTexts = 4;

std::array<QString, kTotalTexts> TotalTexts(const OwnPageTotal& total) {
  return {Q(total.Label), Q(total.Sum), Q(total.Mean), Q(total.HemisphereMean)};
}

int TextWidth(const QFont& font, const std::string& text) {
  return QFontMetrics(font).horizontalAdvance(Q(text));
}

// A row of cells, each right-aligned in its column.
void DrawCells(QPainter& painter, const std::vector<std::string>& cells, const OwnPageLayout& l,
               int y) {
  for (std::size_t c = 0; c < cells.size() && c < l.ColumnLefts.size(); ++c) {
    const QRect cell(l.ColumnLefts[c] + l.Gap, y, l.ColumnWidths[c] - l.Gap, l.Line);
    painter.drawText(cell, Qt::AlignRight | Qt::AlignVCenter, Q(cells[c]));
  }
}

int HeaderWidth(const OwnReportPage& page, int fontSize) {
  int width = 0;
  int line = 0;
  for (std::size_t i = 0; i < page.Header.size(); ++i) {
    if (i == 3) line = 0;
    line += TextWidth(PageFont(fontSize), page.Header[i].first + "  ") +
            TextWidth(PageFont(fontSize, true), page.Header[i].second) + 3 * fontSize;
    width = std::max(width, line);
  }
  return width;
}

}  // namespace

OwnPageLayout LayOutOwnReportPage(const OwnReportPage& page, int fontSize) {
  OwnPageLayout l;
  l.Margin = fontSize;
  l.Line = fontSize * 3 / 2;
  l.Gap = std::max(4, fontSize * 2 / 3);
  l.TableTop = l.Margin + 2 * l.Line + 2 * l.Line + 5 * l.Line / 2;

  const QFont plain = PageFont(fontSize);
  const QFont bold = PageFont(fontSize, true);
  int x = l.Margin;
  for (std::size_t c = 0; c < page.ColumnHeads.size(); ++c) {
    int widest = TextWidth(bold, page.ColumnHeads[c]);
    for (const auto& row : page.DayRows) {
      if (c < row.size()) widest = std::max(widest, TextWidth(plain, row[c]));
    }
    l.ColumnLefts.push_back(x);
    l.ColumnWidths.push_back(widest + l.Gap);
    x += widest + l.Gap;
  }
  const int tableRight = x;

  int widestTotal = 0;
  for (const OwnPageTotal& total : page.Totals) {
    const auto texts = TotalTexts(total);
    for (int k = 0; k < kTotalTexts; ++k) {
      widestTotal = std::max(
          widestTotal,
          QFontMetrics(k == 0 ? bold : plain).horizontalAdvance(texts[static_cast<size_t>(k)]));
    }
  }
  // Blocks two half columns wide overlap their neighbours' half columns in the other row.
  l.HalfColumn = (widestTotal + l.Gap + 1) / 2;
  int lastColumn = 0;
  for (const OwnPageTotal& total : page.Totals) lastColumn = std::max(lastColumn, total.Column);
  const int totalsRight = l.Margin + (lastColumn + 2) * l.HalfColumn;

  const int tableBottom = l.TableTop + l.Line * (1 + static_cast<int>(page.DayRows.size()));
  const int totalsTop = tableBottom + l.Line / 2 + l.Line;
  const int totalsBottom = totalsTop + 4 * l.Line + l.Line / 4 + kTotalTexts * l.Line;
  const int titleWidth =
      QFontMetrics(TitleFont(fontSize * 3 / 2)).horizontalAdvance(Q(kOwnReportTitle));
  const int right = std::max(
      {tableRight, totalsRight, l.Margin + titleWidth, l.Margin + HeaderWidth(page, fontSize)});
  l.Size = QSize(right + l.Margin, totalsBottom + l.Margin);
  return l;
}

void PaintOwnReportPage(QPainter& painter, const OwnReportPage& page, int fontSize, int width,
                        OwnPageReader reader) {
  const OwnPageLayout l = LayOutOwnReportPage(page, fontSize);
  const int line = l.Line;
  const int margin = l.Margin;
  const int usable = std::max(l.Size.width(), width) - 2 * margin;
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
  y = l.TableTop;

  const int tableRight =
      l.ColumnLefts.empty() ? margin : l.ColumnLefts.back() + l.ColumnWidths.back();
  painter.setFont(PageFont(fontSize, true));
  DrawCells(painter, page.ColumnHeads, l, y);
  y += line;
  painter.drawLine(margin, y, tableRight, y);
  painter.setFont(PageFont(fontSize));
  for (const auto& row : page.DayRows) {
    DrawCells(painter, row, l, y);
    y += line;
  }
  painter.drawLine(margin, y, tableRight, y);
  y += line / 2;

  // The sums and means, staggered: a block of label, sum, mean and hemisphere mean per entry.
  const char* totalsHeading =
      QT_TRANSLATE_NOOP("Ardeno", "Suma / průměr / průměr ze záznamů s polokoulemi");
  painter.drawText(QRect(margin, y, usable, line), Qt::AlignLeft | Qt::AlignVCenter,
                   reader == OwnPageReader::Window
                       ? QCoreApplication::translate("Ardeno", totalsHeading)
                       : QString::fromUtf8(totalsHeading));
  y += line;
  const int rowHeight = 4 * line + line / 4;
  for (const OwnPageTotal& total : page.Totals) {
    const int top = y + (total.Row == 1 ? rowHeight : total.Row == 2 ? line : 0);
    const int left = margin + total.Column * l.HalfColumn;
    const auto texts = TotalTexts(total);
    for (int k = 0; k < kTotalTexts; ++k) {
      painter.setFont(PageFont(fontSize, k == 0));
      painter.drawText(QRect(left, top + k * line, 2 * l.HalfColumn, line),
                       Qt::AlignRight | Qt::AlignVCenter, texts[static_cast<size_t>(k)]);
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
