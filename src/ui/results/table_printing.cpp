// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/results/table_printing.h"

#include <QCoreApplication>
#include <QFont>
#include <QPainter>
#include <QPrinter>

namespace ardeno {

namespace {

// Text is drawn a little smaller than its line, in the program's table face.
QFont TableFont(int lineHeight) {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(std::max(1, lineHeight * 3 / 4));
  return font;
}

void DrawRow(QPainter& painter, const MonthlyTable& table, int row, int valueColumns, int y,
             int lineHeight, int labelWidth, int columnWidth) {
  painter.drawText(QRect(0, y, labelWidth, lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromStdString(table.Cell(row, 0)));
  for (int c = 1; c <= valueColumns; ++c) {
    const QRect cell(labelWidth + (c - 1) * columnWidth, y, columnWidth, lineHeight);
    painter.drawText(cell, Qt::AlignRight | Qt::AlignVCenter,
                     QString::fromStdString(table.Cell(row, c)));
  }
}

}  // namespace

std::optional<QString> PrintMonthlyTable(QPrinter& printer, const MonthlyTable& table,
                                         int valueColumns, PrintType type, int selectedRow) {
  constexpr int kReservedHeight = 400;
  const int width = printer.width();
  const int lineHeight = PrintLineHeight(width);
  const auto pages = PlanTablePages(type, selectedRow, table.LastMonthRow,
                                    LinesPerPage(width, printer.height(), kReservedHeight));
  if (pages.empty())
    return QCoreApplication::translate("Ardeno", "Od zvoleného řádku není co tisknout.");
  valueColumns = std::min(valueColumns, table.ColumnCount - 1);

  QPainter painter(&printer);
  if (!painter.isActive()) return QCoreApplication::translate("Ardeno", "Tiskárnu nelze použít.");
  painter.setFont(TableFont(lineHeight));
  const int labelWidth = width / (valueColumns + 3) * 2;
  const int columnWidth = (width - labelWidth) / (valueColumns + 1);
  for (std::size_t p = 0; p < pages.size(); ++p) {
    if (p > 0) printer.newPage();
    painter.drawText(QRect(0, 0, width, lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     QCoreApplication::translate("Ardeno", "Stránka %1").arg(p + 1));
    int y = 2 * lineHeight;
    DrawRow(painter, table, 0, valueColumns, y, lineHeight, labelWidth, columnWidth);
    y += lineHeight;
    painter.drawLine(0, y, labelWidth + valueColumns * columnWidth, y);
    for (int row : pages[p]) {
      DrawRow(painter, table, row, valueColumns, y, lineHeight, labelWidth, columnWidth);
      y += lineHeight;
    }
  }
  return std::nullopt;
}

}  // namespace ardeno
