// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/maps/corona_painter.h"

#include <QCoreApplication>
#include <QFont>
#include <QPainter>
#include <QPolygon>
#include <cmath>

#include "core/solar/angles.h"
#include "core/text/dates.h"

namespace ardeno {

namespace {

void TextAt(QPainter& p, int x, int y, const QString& text) {
  p.drawText(QRect(x, y, 2000, 200), Qt::AlignLeft | Qt::AlignTop, text);
}

QFont ViewFont(int pixels) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(pixels);
  return font;
}

}  // namespace

void PaintCoronaGraph(QPainter& p, const CoronaData& corona, int position) {
  const int firstRow = CoronaGraphFirstRow(position);
  p.setPen(Qt::black);
  p.setBrush(Qt::white);
  for (int j = 1; j <= kCoronaSectors; ++j) {
    const auto points = CoronaGraphSector(corona, firstRow, j);
    if (points.empty()) continue;
    QPolygon q;
    for (const CoronaGraphPoint& point : points) q << QPoint(point.X, point.Y);
    p.drawPolygon(q);
  }
  for (int i = 0; i <= 3; ++i) {
    const int x = 10 * static_cast<int>(std::lround(i * kCoronaRotationDays)) + 120;
    p.drawLine(x, 10, x, 600);
  }
  p.setFont(ViewFont(13));
  TextAt(p, 100, 50, QString::number(position + kCoronaGraphRotationOffset));
  TextAt(p, 100, 70, QString::fromStdString(FormatDate(CoronaRowDate(firstRow))));
  TextAt(p, 80, 30, QCoreApplication::translate("Ardeno", "Východní"));
  TextAt(p, 100, 350, QCoreApplication::translate("Ardeno", "Západní"));
}

CoronaButterflyScene PrepareCoronaButterfly(const CoronaData& corona) {
  return {CoronaMeansByRotation(corona)};
}

void PaintCoronaButterfly(QPainter& p, const CoronaButterflyScene& scene, QSize client) {
  const int chunks = static_cast<int>(scene.Rotations.size());
  const int t = std::max(1, (client.width() - 60) / std::max(1, chunks));
  const int h = std::max(1, (client.height() - 40) / 180);
  const int equator = client.height() / 2;
  // Thousands of cells: each filled as a plain rectangle, without a brush set per cell.
  for (int n = 0; n < chunks; ++n) {
    const int x = 50 + n * t;
    for (int band = 1; band <= 36; ++band) {
      const int grey = CoronaBandGrey(scene.Rotations[static_cast<std::size_t>(n)].Means, band);
      const int y = equator + (5 * band - 90) * h + h / 2;
      p.fillRect(QRect(QPoint(x, y - 5 * h), QPoint(x + t - t / 2 + 1, y)),
                 QColor(grey, grey, grey));
    }
  }
  p.setFont(ViewFont(11));
  p.setBrush(Qt::NoBrush);
  for (int latitude = 90; latitude >= -90; latitude -= 30) {
    const int y = equator - latitude * h;
    p.setPen(QColor(150, 150, 150));
    p.drawLine(50, y, 50 + chunks * t, y);
    p.setPen(Qt::black);
    TextAt(p, 20, y - 6, QString::number(latitude));
  }
  for (int n = 0; n < chunks; ++n) {
    const int rotation = scene.Rotations[static_cast<std::size_t>(n)].Rotation;
    if (rotation % 100 != 0) continue;
    const int x = 50 + n * t;
    p.setPen(QColor(150, 150, 150));
    p.drawLine(x, equator - 90 * h, x, equator + 90 * h);
    p.setPen(Qt::black);
    TextAt(p, x, equator + 90 * h + 4, QString::number(rotation));
  }
}

void PaintRealCorona(QPainter& p, const CoronaData& corona, int row, QSize client) {
  // Sector j covers position angles 5 (j - 1) .. 5 j from the north point towards the east limb
  // (left); its length outwards from the limb follows the line intensity.
  const QPoint centre(client.width() / 2, client.height() / 2);
  const int radius = std::max(10, std::min(client.width(), client.height()) / 4);
  const double perUnit = radius / 200.0;
  p.setPen(Qt::NoPen);
  for (int j = 1; j <= kCoronaSectors; ++j) {
    const int v = CoronaValue(corona, row, j);
    const int green = std::min(255, 90 + v);
    p.setBrush(QColor(0, green, 0));
    const double outer = radius + v * perUnit * 2;
    QPolygonF wedge;
    for (double a : {5.0 * (j - 1), 5.0 * j}) {
      const double r = a * kDegToRad;
      wedge << QPointF(centre.x() - std::sin(r) * radius, centre.y() - std::cos(r) * radius);
    }
    for (double a : {5.0 * j, 5.0 * (j - 1)}) {
      const double r = a * kDegToRad;
      wedge << QPointF(centre.x() - std::sin(r) * outer, centre.y() - std::cos(r) * outer);
    }
    p.drawPolygon(wedge);
  }
  p.setBrush(QColor(255, 230, 120));
  p.setPen(Qt::black);
  p.drawEllipse(centre, radius, radius);
  p.setFont(ViewFont(15));
  TextAt(p, 10, 10,
         QCoreApplication::translate("Ardeno", "Korona ") +
             QString::fromStdString(FormatDate(CoronaRowDate(row))));
  TextAt(p, centre.x() - radius - 80, centre.y() - 8,
         QCoreApplication::translate("Ardeno", "Východ"));
  TextAt(p, centre.x() + radius + 40, centre.y() - 8,
         QCoreApplication::translate("Ardeno", "Západ"));
  TextAt(p, centre.x() - 10, centre.y() - radius - 120, QStringLiteral("N"));
}

}  // namespace ardeno
