// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The picture of a photographed drawing ("Image"), shown at the window's zoom inside a scroll
// area, with what has been clicked on it drawn over it: the centre and north of the disk, the
// facular outlines and the measured spots. It reports the mouse in picture pixels.
#include <QImage>
#include <QPolygon>
#include <QString>
#include <QWidget>
#include <vector>

namespace ardeno {

// What is drawn over the picture, in picture pixels; prepared by the window whenever a click
// changes it, so a paint only walks it.
struct PhotoOverlay {
  struct Mark {
    QPoint At;
    QString Text;
  };
  bool HasCentre = false;
  QPoint Centre;
  bool HasNorth = false;
  QPoint North;
  std::vector<QPolygon> Outlines;
  int LineWidth = 1;
  std::vector<Mark> Spots;
};

class PhotoCanvas : public QWidget {
  Q_OBJECT
 public:
  explicit PhotoCanvas(QWidget* parent = nullptr);

  void SetPicture(const QImage& picture);
  const QImage& Picture() const { return m_picture; }
  void SetZoom(int zoom);
  int Zoom() const { return m_zoom; }
  void SetOverlay(PhotoOverlay overlay);
  const PhotoOverlay& Overlay() const { return m_overlay; }
  // "Zobrazit výběr" / "Skrýt výběr".
  void SetOverlayShown(bool shown);
  bool OverlayShown() const { return m_overlayShown; }

  // The first view pixel of picture pixel `p` (for tests and for scrolling to a point).
  QPoint ViewPoint(QPoint picturePixel) const;
  // The keys held at the last release of a mouse button (Shift drags a whole group).
  Qt::KeyboardModifiers ReleaseModifiers() const { return m_releaseModifiers; }

 signals:
  void Pressed(QPoint picturePixel, Qt::MouseButton button);
  void Released(QPoint picturePixel, Qt::MouseButton button);
  void Moved(QPoint picturePixel);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  QPoint PicturePixel(QPointF viewPoint) const;
  void PaintOverlay(QPainter& painter) const;

  QImage m_picture;
  int m_zoom;
  PhotoOverlay m_overlay;
  bool m_overlayShown = true;
  Qt::KeyboardModifiers m_releaseModifiers;
};

}  // namespace ardeno
