// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/photo/photo_canvas.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "core/photo/photo_picture.h"

namespace ardeno {

namespace {
const QColor kCalibrationColour(0, 160, 0);
const QColor kOutlineColour(255, 0, 0);
const QColor kSpotColour(0, 0, 255);
constexpr int kMarkHalf = 6;  // screen pixels
}  // namespace

PhotoCanvas::PhotoCanvas(QWidget* parent) : QWidget(parent), m_zoom(kZoomOneToOne) {
  setObjectName("Image");
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setCursor(Qt::CrossCursor);
  resize(1, 1);
}

void PhotoCanvas::SetPicture(const QImage& picture) {
  const bool sizeChanged = picture.size() != m_picture.size();
  m_picture = picture;
  if (sizeChanged) SetZoom(m_zoom);
  update();
}

void PhotoCanvas::SetZoom(int zoom) {
  m_zoom = zoom;
  resize(std::max(1, PictureToView(m_picture.width(), zoom)),
         std::max(1, PictureToView(m_picture.height(), zoom)));
  update();
}

void PhotoCanvas::SetOverlay(PhotoOverlay overlay) {
  m_overlay = std::move(overlay);
  update();
}

void PhotoCanvas::SetOverlayShown(bool shown) {
  m_overlayShown = shown;
  update();
}

QPoint PhotoCanvas::ViewPoint(QPoint p) const {
  return {PictureToView(p.x(), m_zoom), PictureToView(p.y(), m_zoom)};
}

QPoint PhotoCanvas::PicturePixel(QPointF viewPoint) const {
  return {ViewToPicture(static_cast<int>(std::floor(viewPoint.x())), m_zoom),
          ViewToPicture(static_cast<int>(std::floor(viewPoint.y())), m_zoom)};
}

void PhotoCanvas::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect exposed = event->rect();
  painter.fillRect(exposed, Qt::white);
  if (!m_picture.isNull()) {
    // Only the exposed part is scaled: a 2800-pixel picture at 4:1 is never drawn whole.
    const double scale = static_cast<double>(m_zoom) / kZoomOneToOne;
    const QRectF source(exposed.x() / scale, exposed.y() / scale, exposed.width() / scale,
                        exposed.height() / scale);
    painter.drawImage(QRectF(exposed), m_picture, source);
  }
  if (m_overlayShown) PaintOverlay(painter);
}

void PhotoCanvas::PaintOverlay(QPainter& painter) const {
  painter.setRenderHint(QPainter::Antialiasing, false);
  auto cross = [&painter](QPoint at) {
    painter.drawLine(at.x() - kMarkHalf, at.y(), at.x() + kMarkHalf, at.y());
    painter.drawLine(at.x(), at.y() - kMarkHalf, at.x(), at.y() + kMarkHalf);
  };
  if (m_overlay.HasCentre) {
    painter.setPen(QPen(kCalibrationColour, 2));
    const QPoint centre = ViewPoint(m_overlay.Centre);
    cross(centre);
    if (m_overlay.HasNorth) {
      const QPoint north = ViewPoint(m_overlay.North);
      painter.drawLine(centre, north);
      const int radius =
          static_cast<int>(std::lround(std::hypot(north.x() - centre.x(), north.y() - centre.y())));
      painter.setBrush(Qt::NoBrush);
      painter.drawEllipse(centre, radius, radius);
    }
  }
  painter.setPen(QPen(kOutlineColour, m_overlay.LineWidth));
  for (const QPolygon& outline : m_overlay.Outlines) {
    QPolygon shown;
    for (const QPoint& p : outline) shown << ViewPoint(p);
    if (shown.size() == 1) cross(shown.front());
    // From the third vertex on the field is shown closed, as the drawing will show it.
    if (shown.size() >= 3) {
      painter.setBrush(Qt::NoBrush);
      painter.drawPolygon(shown);
    } else {
      painter.drawPolyline(shown);
    }
  }
  painter.setPen(QPen(kSpotColour, 2));
  for (const PhotoOverlay::Mark& mark : m_overlay.Spots) {
    const QPoint at = ViewPoint(mark.At);
    cross(at);
    painter.drawText(at + QPoint(kMarkHalf + 2, -kMarkHalf), mark.Text);
  }
}

void PhotoCanvas::mousePressEvent(QMouseEvent* event) {
  emit Pressed(PicturePixel(event->position()), event->button());
}

void PhotoCanvas::mouseReleaseEvent(QMouseEvent* event) {
  m_releaseModifiers = event->modifiers();
  emit Released(PicturePixel(event->position()), event->button());
}

void PhotoCanvas::mouseMoveEvent(QMouseEvent* event) {
  emit Moved(PicturePixel(event->position()));
}

}  // namespace ardeno
