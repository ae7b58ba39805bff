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

}  // namespace ardeno::test
