// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A "photograph" of a paper drawing for the digitizing tests: the drawing of a record rendered
// as printed (white disk) 1600 pixels wide and kept as a JPG, with where its disk and groups lie.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <cmath>
#include <filesystem>

#include "core/data/observation_record.h"
#include "core/drawing/drawing_scale.h"
#include "ui/drawing/drawing_painter.h"
#include "ui/shell/jpeg_file.h"

namespace ardeno::test {

struct PhotographedDrawing {
  DrawingView View;
  int Centre = 0;  // the disk centre is (Centre, Centre)
  QPoint North;    // the top of the limb
};

// Renders `record` and writes it to `file` (quality 85); false when the file cannot be written.
inline bool PhotographDrawing(const ObservationRecord& record, const std::filesystem::path& file,
                              PhotographedDrawing& shot) {
  shot.View.ForPicture = true;
  shot.View.Scale.DrawScale = DrawScaleForWidth(1600);
  QImage picture(1600, 1360, QImage::Format_RGB32);
  {
    QPainter painter(&picture);
    FaculaBitmap bitmap;
    PaintDrawing(painter, picture.width(), picture.height(), &record, shot.View,
                 MeasureDrawingFaculae(&record, shot.View, bitmap));
  }
  shot.Centre = shot.View.Scale.S(kCanvasCentre);
  shot.North = QPoint(shot.Centre, shot.View.Scale.S(kDiskLeftRef));
  return !WriteJpegFile(picture, file, 85);
}

// Where the drawing puts a point at (angle10, distance10) of the 125 mm disk.
inline QPoint DrawnPixel(const PhotographedDrawing& shot, int angle10, int distance10) {
  const double a = angle10 / 10.0 * 3.141592653589793 / 180;
  const double r = distance10 / 10.0 * 2 * shot.View.Scale.DrawScale / 16.0;
  return {shot.Centre + static_cast<int>(std::lround(std::sin(a) * r)),
          shot.Centre - static_cast<int>(std::lround(std::cos(a) * r))};
}

// Centroid of the grey group-circle pixels within `radius` of the expected place; (-1, -1) when
// there are none.
inline QPointF GreyCentroid(const QImage& image, QPoint near, int radius) {
  double sx = 0, sy = 0;
  int n = 0;
  for (int y = near.y() - radius; y <= near.y() + radius; ++y)
    for (int x = near.x() - radius; x <= near.x() + radius; ++x) {
      if (!image.rect().contains(x, y)) continue;
      const QColor c = image.pixelColor(x, y);
      // The circle's grey (125) survives JPG compression within a few levels.
      if (std::abs(c.red() - 125) < 25 && std::abs(c.green() - 125) < 25 &&
          std::abs(c.blue() - 125) < 25) {
        sx += x;
        sy += y;
        ++n;
      }
    }
  return n == 0 ? QPointF(-1, -1) : QPointF(sx / n, sy / n);
}

}  // namespace ardeno::test
