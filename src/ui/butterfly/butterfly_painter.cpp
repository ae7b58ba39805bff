#include "ui/butterfly/butterfly_painter.h"

#include <QPolygon>
#include <QRect>
#include <algorithm>
#include <vector>

namespace ardeno {

namespace {

const QColor kSupplementaryFaculaColour(255, 100, 100);
const QColor kSupplementarySpotColour(60, 60, 60);
const QColor kOwnFaculaColour(255, 10, 10);
const QColor kMeanColour(255, 0, 255);
const QColor kSmoothedColour(255, 0, 0);
const QColor kBoundsColour(0, 0, 255);

// The pixels a rectangle between two corners covers: the right and lower edges are outside.
QRect Covered(const MarkRect& m) {
  const int left = std::min(m.X1, m.X2);
  const int right = std::max(m.X1, m.X2);
  const int top = std::min(m.Y1, m.Y2);
  const int bottom = std::max(m.Y1, m.Y2);
  return QRect(left, top, right - left, bottom - top);
}

void FillMarks(QPainter& p, const std::vector<MarkRect>& marks, const QColor& colour) {
  if (marks.empty()) return;
  std::vector<QRect> rects;
  rects.reserve(marks.size());
  for (const MarkRect& m : marks) rects.push_back(Covered(m));
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawRects(rects.data(), static_cast<int>(rects.size()));
}

void DrawLines(QPainter& p, const std::vector<MarkRect>& marks, const QColor& colour) {
  if (marks.empty()) return;
  std::vector<QLine> lines;
  lines.reserve(marks.size());
  for (const MarkRect& m : marks) lines.emplace_back(m.X1, m.Y1, m.X2, m.Y2);
  p.setPen(QPen(colour, 1));
  p.drawLines(lines.data(), static_cast<int>(lines.size()));
}

void DrawFaculae(QPainter& p, const std::vector<MarkRect>& marks, bool bars, const QColor& colour) {
  if (bars) FillMarks(p, marks, colour); else DrawLines(p, marks, colour);
}

void DrawCurve(QPainter& p, const std::vector<CurvePoint>& points) {
  if (points.size() < 2) return;
  QPolygon line;
  line.reserve(static_cast<int>(points.size()));
  for (const CurvePoint& c : points) line << QPoint(c.X, c.Y);
  p.drawPolyline(line);
}

void DrawLabels(QPainter& p, const std::vector<FrameLabel>& labels) {
  p.setPen(Qt::black);
  for (const FrameLabel& label : labels)
    p.drawText(QRect(label.X, label.Y, 200, 40), Qt::AlignLeft | Qt::AlignTop,
               QString::fromStdString(label.Text));
}

}  // namespace

void PaintButterflyScene(QPainter& p, const ButterflyScene& scene, const QFont& font) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setFont(font);
  // The corona: one rectangle per band, each its own grey.
  p.setPen(Qt::NoPen);
  for (const CoronaBandMark& band : scene.Corona) {
    p.setBrush(QColor(band.Grey, band.Grey, band.Grey));
    p.drawRect(Covered(band.Rect));
  }
  int grey = -1;
  for (const FrameLine& line : scene.Frame.Lines) {
    if (line.Grey != grey) {
      grey = line.Grey;
      p.setPen(QPen(QColor(grey, grey, grey), 1));
    }
    p.drawLine(line.X1, line.Y1, line.X2, line.Y2);
  }
  DrawLabels(p, scene.Frame.Labels);
  DrawLabels(p, scene.LeftEdgeLabels);

  DrawFaculae(p, scene.SupplementaryFaculae, scene.FaculaeBars, kSupplementaryFaculaColour);
  FillMarks(p, scene.SupplementarySpots, kSupplementarySpotColour);
  DrawFaculae(p, scene.OwnFaculae, scene.FaculaeBars, kOwnFaculaColour);
  FillMarks(p, scene.Groups, Qt::black);

  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kMeanColour, 2));
  DrawCurve(p, scene.Mean.North);
  DrawCurve(p, scene.Mean.South);
  p.setPen(QPen(kSmoothedColour, 2));
  DrawCurve(p, scene.Smoothed.North);
  DrawCurve(p, scene.Smoothed.South);
  p.setPen(QPen(kBoundsColour, 1));
  for (const auto& curve : scene.Bounds) DrawCurve(p, curve);
  p.restore();
}

}  // namespace ardeno
