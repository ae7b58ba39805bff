// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/maps/magnet_cycles_painter.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPolygon>
#include <array>
#include <cmath>

#include "ui/graphs/graph_fonts.h"
#include "ui/graphs/graph_text.h"

namespace ardeno {

namespace {

constexpr int kMarginLeft = 60;
constexpr int kMarginRight = 30;
constexpr int kMarginTop = 50;
constexpr int kMarginBottom = 50;
const QColor kGrid(200, 200, 200);

QString Degrees(double value) { return QString::number(value, 'g', 4) + QStringLiteral("°"); }

QString Title(const MagnetCycleQuery& q) {
  const double low = std::min(q.From, q.To);
  const double high = std::max(q.From, q.To);
  return QCoreApplication::translate("MagnetCycles",
                                     "Srovnání cyklů z magn.dat: šířky %1 až %2 %3, polarita %4")
      .arg(Degrees(low), Degrees(high),
           q.BothHemispheres ? QCoreApplication::translate("MagnetCycles", "sever i jih")
                             : QCoreApplication::translate("MagnetCycles", "sever"),
           q.Greater ? QCoreApplication::translate("MagnetCycles", "větší")
                     : QCoreApplication::translate("MagnetCycles", "menší"));
}

}  // namespace

QColor MagnetCycleColour(int cycle) {
  static const std::array<QColor, 5> colours = {QColor(0, 0, 0), QColor(220, 0, 0),
                                                QColor(0, 0, 220), QColor(0, 150, 0),
                                                QColor(200, 0, 200)};
  return colours[static_cast<std::size_t>(cycle) % colours.size()];
}

int MagnetCyclesFrame::X(double rotation) const {
  return Left + static_cast<int>(std::lround(rotation * Width / (kRotationsPerCycle - 1)));
}

int MagnetCyclesFrame::Y(double percent) const {
  return Top + Height - static_cast<int>(std::lround(percent * Height / 100.0));
}

MagnetCyclesFrame MagnetCyclesFrameFor(QSize client) {
  return {kMarginLeft, kMarginTop, std::max(10, client.width() - kMarginLeft - kMarginRight),
          std::max(10, client.height() - kMarginTop - kMarginBottom)};
}

void PaintMagnetCycles(QPainter& painter, const MagnetCycleCurves& curves, QSize client) {
  painter.save();
  const MagnetCyclesFrame f = MagnetCyclesFrameFor(client);
  painter.setFont(GraphFont(10));
  painter.setPen(Qt::black);
  TextAt(painter, f.Left, 10, Title(curves.Query));
  painter.setFont(GraphFont(8));
  for (int percent = 0; percent <= 100; percent += 10) {
    painter.setPen(percent == 0 ? QColor(Qt::black) : kGrid);
    painter.drawLine(f.Left, f.Y(percent), f.Left + f.Width, f.Y(percent));
    painter.setPen(Qt::black);
    TextAt(painter, 10, f.Y(percent) - 7, QString::number(percent) + " %");
  }
  for (int rotation = 0; rotation < kRotationsPerCycle; rotation += 10) {
    painter.setPen(rotation == 0 ? QColor(Qt::black) : kGrid);
    painter.drawLine(f.X(rotation), f.Top, f.X(rotation), f.Top + f.Height);
    painter.setPen(Qt::black);
    TextAt(painter, f.X(rotation) - 6, f.Top + f.Height + 4, QString::number(rotation));
  }
  TextAt(painter, f.Left + f.Width / 2 - 80, f.Top + f.Height + 22,
         QCoreApplication::translate("MagnetCycles", "otočky od začátku cyklu"));

  for (std::size_t cycle = 0; cycle < curves.Shares.size(); ++cycle) {
    const QColor colour = MagnetCycleColour(static_cast<int>(cycle));
    painter.setPen(QPen(colour, 2));
    const auto& shares = curves.Shares[cycle];
    // Runs of rotations with a value; a rotation without observations breaks the curve.
    QPolygon run;
    const auto flush = [&painter, &run] {
      if (run.size() == 1) painter.drawPoint(run.front());
      if (run.size() > 1) painter.drawPolyline(run);
      run.clear();
    };
    for (std::size_t k = 0; k < shares.size(); ++k) {
      if (!shares[k]) {
        flush();
        continue;
      }
      run << QPoint(f.X(static_cast<double>(k)), f.Y(*shares[k]));
    }
    flush();
    const int first = curves.Query.StartRotation + static_cast<int>(cycle) * kRotationsPerCycle;
    painter.setPen(colour);
    TextAt(painter, f.Left + f.Width - 230, f.Top + 5 + 16 * static_cast<int>(cycle),
           QCoreApplication::translate("MagnetCycles", "cyklus %1: otočky %2 až %3")
               .arg(cycle + 1)
               .arg(first)
               .arg(first + kRotationsPerCycle - 1));
  }
  painter.restore();
}

}  // namespace ardeno
