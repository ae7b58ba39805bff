// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The client area of a graph window: it paints through its window's paint function and reports
// its size changes, so the window can prepare the geometry before the next paint.
#include <QWidget>
#include <functional>

namespace ardeno {

class GraphCanvas : public QWidget {
  Q_OBJECT
 public:
  explicit GraphCanvas(QWidget* parent = nullptr);
  std::function<void(QPainter&)> Paint;

 signals:
  void Resized(QSize size);
  void Clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace ardeno
