// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/graphs/graph_canvas.h"

#include <QPainter>
#include <QResizeEvent>

namespace ardeno {

GraphCanvas::GraphCanvas(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
}

void GraphCanvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (Paint) Paint(painter);
}

void GraphCanvas::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  emit Resized(event->size());
}

void GraphCanvas::mouseReleaseEvent(QMouseEvent*) { emit Clicked(); }

}  // namespace ardeno
