// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a painted picture in a ui test: a window's canvas grabbed at a given size, and pixels
// of one colour counted in an area or along a row.
#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QWidget>

namespace ardeno::test {

// Shows the window, resizes it until its canvas has the size asked for, and grabs the canvas.
template <class Window>
QImage PaintCanvas(Window& window, QSize canvas) {
  window.show();
  QCoreApplication::processEvents();
  window.resize(window.size() + (canvas - window.Canvas()->size()));
  QCoreApplication::processEvents();
  return window.Canvas()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Pixels of the colour in the area (the whole picture when the area is empty).
inline int CountColour(const QImage& image, const QColor& colour, QRect area = {}) {
  if (area.isEmpty()) area = image.rect();
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) n += image.pixelColor(x, y) == colour;
  return n;
}

// Pixels of the colour in row y from column fromX to the right edge.
inline int CountInRow(const QImage& image, int y, const QColor& colour, int fromX = 0) {
  return CountColour(image, colour, QRect(fromX, y, image.width() - fromX, 1));
}

// Whether a pixel is white or nearly so (antialiased edges of text count as ink).
inline bool IsWhitish(QRgb pixel) {
  return qRed(pixel) > 200 && qGreen(pixel) > 200 && qBlue(pixel) > 200;
}

// Runs of ink across the rows [top, bottom) of the columns [left, right), split where at least
// `gap` whitish columns stand: texts that run together count as one.
inline int InkRuns(const QImage& image, int top, int bottom, int gap, int left = 0,
                   int right = -1) {
  if (right < 0) right = image.width();
  int runs = 0;
  int white = gap;
  for (int x = left; x < right; ++x) {
    bool ink = false;
    for (int y = top; y < bottom && !ink; ++y) ink = !IsWhitish(image.pixel(x, y));
    if (ink && white >= gap) ++runs;
    white = ink ? 0 : white + 1;
  }
  return runs;
}

}  // namespace ardeno::test
