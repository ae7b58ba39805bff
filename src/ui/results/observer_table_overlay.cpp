// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/results/observer_table_overlay.h"

#include <QPainter>

#include "ui/results/observer_table_painter.h"

namespace ardeno {

ObserverTableOverlay::ObserverTableOverlay(QWidget* parent) : QWidget(parent) {
  setObjectName("TabulkaPozorovatelu");
  setFocusPolicy(Qt::StrongFocus);
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, Qt::white);
  setPalette(colours);
  hide();
}

void ObserverTableOverlay::ShowTable(ObserverTable table, const QRect& geometry) {
  m_table = std::move(table);
  setGeometry(geometry);
  show();
  raise();
  setFocus();
  update();
}

void ObserverTableOverlay::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintObserverTable(painter, m_table, rect().adjusted(12, 12, -12, -12), 12);
}

void ObserverTableOverlay::keyPressEvent(QKeyEvent*) { hide(); }

void ObserverTableOverlay::mousePressEvent(QMouseEvent*) { hide(); }

}  // namespace ardeno
