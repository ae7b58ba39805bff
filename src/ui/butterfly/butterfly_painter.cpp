// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/butterfly/butterfly_painter.h"

#include <QImage>
#include <QLine>
#include <QPainter>
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

// The marks are written straight into the picture's pixels: at T = 1 a diagram of 20,000 records
// has about 100,000 of them, too many for one painter call each.
class MarkPixels {
 public:
  explicit MarkPixels(QImage& image)
      : m_bits(reinterpret_cast<QRgb*>(image.bits())),
        m_stride(image.bytesPerLine() / 4),
        m_width(image.width()),
        m_height(image.height()) {}

  // The pixels [left, right) x [top, bottom), clipped to the picture.
  void Fill(int left, int top, int right, int bottom, QRgb colour) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, m_width);
    bottom = std::min(bottom, m_height);
    if (left >= right) return;  // wholly beside the picture
    for (int y = top; y < bottom; ++y)
      std::fill(m_bits + y * m_stride + left, m_bits + y * m_stride + right, colour);
  }
  // A rectangle between two corners covers up to, not including, the right and lower edge.
  void Rect(const MarkRect& m, QRgb colour) {
    Fill(std::min(m.X1, m.X2), std::min(m.Y1, m.Y2), std::max(m.X1, m.X2), std::max(m.Y1, m.Y2),
         colour);
  }
  // A vertical line of a one-pixel pen covers both ends.
  void Line(const MarkRect& m, QRgb colour) {
    Fill(m.X1, std::min(m.Y1, m.Y2), m.X1 + 1, std::max(m.Y1, m.Y2) + 1, colour);
  }
  void Marks(const std::vector<MarkRect>& marks, const QColor& colour) {
    for (const MarkRect& m : marks) Rect(m, colour.rgb());
  }
  void Faculae(const std::vector<MarkRect>& marks, bool bars, const QColor& colour) {
    for (const MarkRect& m : marks) bars ? Rect(m, colour.rgb()) : Line(m, colour.rgb());
  }

 private:
  QRgb* m_bits;
  int m_stride;
  int m_width;
  int m_height;
};

// Segment by segment: Qt strokes a wide polyline as one polygon of thousands of edges, which at
// T = 1 cost half of a scroll step's paint; short segments are filled at once.
void DrawCurve(QPainter& p, const std::vector<CurvePoint>& points) {
  if (points.size() < 2) return;
  std::vector<QLine> segments;
  segments.reserve(points.size() - 1);
  for (std::size_t i = 1; i < points.size(); ++i)
    segments.emplace_back(points[i - 1].X, points[i - 1].Y, points[i].X, points[i].Y);
  p.drawLines(segments.data(), static_cast<int>(segments.size()));
}

// Each run of a curve broken at rotations without a value; a run of one rotation is a dot.
void DrawRuns(QPainter& p, const CurveRuns& runs) {
  for (const std::vector<CurvePoint>& run : runs) {
    if (run.size() == 1)
      p.drawPoint(run.front().X, run.front().Y);
    else
      DrawCurve(p, run);
  }
}

void DrawLabels(QPainter& p, const std::vector<FrameLabel>& labels) {
  p.setPen(Qt::black);
  for (const FrameLabel& label : labels)
    p.drawText(QRect(label.X, label.Y, 200, 40), Qt::AlignLeft | Qt::AlignTop,
               QString::fromStdString(label.Text));
}

}  // namespace

QImage RenderButterflyScene(const ButterflyScene& scene, const QFont& font, QSize client) {
  QImage picture(client, QImage::Format_RGB32);
  picture.fill(Qt::white);
  {
    MarkPixels pixels(picture);
    for (const CoronaBandMark& band : scene.Corona)
      pixels.Rect(band.Rect, qRgb(band.Grey, band.Grey, band.Grey));
  }
  {
    QPainter p(&picture);
    p.setFont(font);
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
  }
  {
    MarkPixels pixels(picture);
    pixels.Faculae(scene.SupplementaryFaculae, scene.FaculaeBars, kSupplementaryFaculaColour);
    pixels.Marks(scene.SupplementarySpots, kSupplementarySpotColour);
    pixels.Faculae(scene.OwnFaculae, scene.FaculaeBars, kOwnFaculaColour);
    pixels.Marks(scene.Groups, Qt::black);
  }
  QPainter p(&picture);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kMeanColour, 2));
  DrawRuns(p, scene.Mean.North);
  DrawRuns(p, scene.Mean.South);
  p.setPen(QPen(kSmoothedColour, 2));
  DrawRuns(p, scene.Smoothed.North);
  DrawRuns(p, scene.Smoothed.South);
  p.setPen(QPen(kBoundsColour, 1));
  for (const auto& curve : scene.Bounds) DrawCurve(p, curve);
  return picture;
}

}  // namespace ardeno
