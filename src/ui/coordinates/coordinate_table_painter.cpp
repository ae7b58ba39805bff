// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/coordinates/coordinate_table_painter.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "core/results/month_walk.h"
#include "core/text/number_format.h"
#include "ui/shell/pad_to_width.h"

namespace ardeno {

namespace {

constexpr int kRow = 20;
constexpr int kTop = 200;
// A face's em is about 86 % of its line height.
constexpr int kEmPerCell = 86;

class TableCanvas {
 public:
  TableCanvas(QPainter& painter, int scale) : m_p(painter), m_scale(scale) {}

  int At(int c) const { return c * m_scale / 16; }
  // cellHeight: the height of a line of text, leading included, as the sizes were chosen.
  void UseFont(int cellHeight) {
    QFont font;
    font.setFamilies({"MS Sans Serif", "DejaVu Sans Condensed", "DejaVu Sans"});
    font.setPixelSize(std::max(1, cellHeight * kEmPerCell / 100));
    m_p.setFont(font);
  }
  // Texts are placed by the top of their line.
  void Text(int x, int y, const QString& text) {
    m_p.drawText(At(x), At(y) + m_p.fontMetrics().ascent(), text);
  }
  void RightText(int x, int y, const QString& text) {
    m_p.drawText(At(x) - m_p.fontMetrics().horizontalAdvance(text),
                 At(y) + m_p.fontMetrics().ascent(), text);
  }
  QPainter& P() { return m_p; }

 private:
  QPainter& m_p;
  int m_scale;
};

QString MonthName(int month) { return QString::fromStdString(MonthNameShown(month)); }

QString Value(double v) { return QString::fromStdString(FormatFloat("0.0", v)); }

}  // namespace

void PaintCoordinateTable(QPainter& painter, const CoordinateTable& table, int scale, int offsetY) {
  painter.save();
  painter.setPen(Qt::black);
  painter.setBackgroundMode(Qt::TransparentMode);
  TableCanvas c(painter, scale);
  const int top = offsetY + kTop;
  c.UseFont(kRow * scale / 8);
  c.Text(160, top - 90,
         QCoreApplication::translate("Ardeno", "Heliografické souřadnice pro rok  ") +
             QString::number(table.Year));
  c.UseFont(2 * kRow * scale / 32);
  for (int i = 1; i <= 4; ++i) {
    c.RightText(200 * i - 90, top - 5, "L");
    c.RightText(200 * i - 25, top - 5, "B");
    c.RightText(200 * i + 15, top - 5, "P");
  }
  for (int d = 1; d <= 31; ++d)
    c.Text(20, top + kRow * d, PadToWidth(painter.fontMetrics(), QString::number(d), c.At(20)));
  for (int i = 1; i <= 4; ++i) {
    const CoordinateColumn& column = table.Columns[static_cast<std::size_t>(i - 1)];
    c.RightText(200 * i - 30, top - 30, MonthName(column.Month));
    for (int d = 1; d <= 31; ++d) {
      const auto& day = column.Days[static_cast<std::size_t>(d)];
      if (!day) continue;
      c.RightText(200 * i - 70, top + kRow * d, Value(day->L0));
      c.RightText(200 * i - 20, top + kRow * d, Value(day->B0));
      c.RightText(200 * i + 30, top + kRow * d, Value(day->P));
    }
    c.Text(200 * i - 50, top + 33 * kRow, QCoreApplication::translate("Ardeno", "Rotace  "));
  }
  for (const RotationMark& mark : table.Marks)
    c.Text(mark.X, top + mark.Row * kRow, QString::fromStdString(mark.Text()));
  painter.restore();
}

}  // namespace ardeno
