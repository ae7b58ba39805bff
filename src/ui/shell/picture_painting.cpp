// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/picture_painting.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cmath>

namespace ardeno {

namespace {

constexpr double kInchesPerMetre = 1 / 0.0254;
constexpr double kPointsPerInch = 72.0;

// The resolution a window picture is painted at: fonts given in points take the same pixels
// in every kind of picture only when every device claims it.
int WindowPictureDpi() { return QImage(1, 1, QImage::Format_RGB32).logicalDpiY(); }

void PaintOnWhite(QPaintDevice& device, QSize size, const PaintPicture& paint) {
  QPainter painter(&device);
  painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
  paint(painter);
}

}  // namespace

QSize PixelSizeAt(QSize size, int dpi) {
  const double factor = static_cast<double>(dpi) / kScreenDpi;
  return QSize(static_cast<int>(std::lround(size.width() * factor)),
               static_cast<int>(std::lround(size.height() * factor)));
}

QImage PaintPixels(QSize size, int dpi, const PaintPicture& paint) {
  QImage image(PixelSizeAt(size, dpi), QImage::Format_RGB32);
  if (image.isNull()) return image;
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    const double factor = static_cast<double>(dpi) / kScreenDpi;
    painter.scale(factor, factor);
    paint(painter);
  }
  image.setDotsPerMeterX(static_cast<int>(std::lround(dpi * kInchesPerMetre)));
  image.setDotsPerMeterY(static_cast<int>(std::lround(dpi * kInchesPerMetre)));
  return image;
}

QByteArray PaintSvg(QSize size, const QString& title, const PaintPicture& paint) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  svg.setResolution(WindowPictureDpi());
  svg.setTitle(title);
  PaintOnWhite(svg, size, paint);
  return bytes;
}

QByteArray PaintPdf(QSize size, const QString& title, const PaintPicture& paint) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&buffer);
    const int dpi = WindowPictureDpi();
    pdf.setResolution(dpi);
    pdf.setPageSize(
        QPageSize(QSizeF(size.width() * kPointsPerInch / dpi, size.height() * kPointsPerInch / dpi),
                  QPageSize::Point));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Ardeno"));
    PaintOnWhite(pdf, size, paint);
  }
  return bytes;
}

}  // namespace ardeno
