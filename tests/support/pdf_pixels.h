// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A printed page checked by its pixels: the PDF a test printed, rasterized by pdftoppm
// (poppler-utils) into a grey picture.
#include <QImage>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace ardeno::test {

// Page `page` (from 1) of the PDF at `dpi` dots per inch, in shades of grey; a null image when
// the file is no PDF or pdftoppm is missing.
inline QImage RasterizePdfPage(const QString& pdf, int dpi, int page = 1) {
  QTemporaryDir out;
  const QString prefix = out.filePath("page");
  QProcess run;
  run.start("pdftoppm", {"-gray", "-png", "-r", QString::number(dpi), "-f", QString::number(page),
                         "-l", QString::number(page), "-singlefile", pdf, prefix});
  if (!run.waitForFinished(60000) || run.exitCode() != 0) return {};
  return QImage(prefix + ".png").convertToFormat(QImage::Format_Grayscale8);
}

// Pixels darker than `below` in the area.
inline int DarkPixels(const QImage& grey, QRect area, int below = 128) {
  area = area.intersected(grey.rect());
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    const uchar* row = grey.constScanLine(y);
    for (int x = area.left(); x <= area.right(); ++x) n += row[x] < below;
  }
  return n;
}

// Pixels whose whole 5 x 5 neighbourhood is dark: strokes thicker than fine print (a letter
// far too large, a filled area), never a line or text of a readable size.
inline int ThickInkPixels(const QImage& grey, int below = 128) {
  int n = 0;
  for (int y = 2; y + 2 < grey.height(); ++y) {
    for (int x = 2; x + 2 < grey.width(); ++x) {
      bool thick = true;
      for (int dy = -2; dy <= 2 && thick; ++dy) {
        const uchar* row = grey.constScanLine(y + dy);
        for (int dx = -2; dx <= 2 && thick; ++dx) thick = row[x + dx] < below;
      }
      n += thick;
    }
  }
  return n;
}

}  // namespace ardeno::test
