// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/photo/magnifier_window.h"

#include <QCoreApplication>
#include <QPainter>

#include "core/photo/photo_picture.h"

namespace ardeno {

namespace {
constexpr int kShownSide = kMagnifiedSide * kMagnifierZoom;
constexpr int kMargin = 5;
}  // namespace

MagnifierWindow::MagnifierWindow(QWidget* parent) : QWidget(parent, Qt::Tool) {
  setObjectName("TForm13");
  setWindowTitle(QCoreApplication::translate("Ardeno", "Lupa"));
  setFixedSize(kSide, kSide);
  setAttribute(Qt::WA_ShowWithoutActivating);
}

void MagnifierWindow::ShowRegion(const QImage& region, bool withCross) {
  m_region = region;
  m_cross = withCross;
  update();
}

void MagnifierWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  if (!m_region.isNull())
    painter.drawImage(QRect(kMargin, kMargin, kShownSide, kShownSide), m_region);
  if (m_cross) {
    // The edges of two overlapping rectangles: a cross whose arms stop at a small square
    // around the pixel under the pointer, so that pixel stays visible.
    painter.setPen(QPen(Qt::red, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(QPoint(0, 195), QPoint(205, 420)));
    painter.drawRect(QRect(QPoint(195, 0), QPoint(420, 205)));
  }
}

}  // namespace ardeno
