// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One paint function, three kinds of picture: pixels (PNG, JPG, BMP, at screen or print
// resolution), SVG and PDF (text stays text, lines stay vectors, for figures in papers). The
// paint function sees the same client area of `size` window pixels in every kind.
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QSize>
#include <QString>
#include <functional>

namespace ardeno {

using PaintPicture = std::function<void(QPainter& painter)>;

// Window pixels are screen dots at 96 per inch; a picture for print scales them up.
inline constexpr int kScreenDpi = 96;
inline constexpr int kMaxPrintDpi = 1200;

// The pixel size of a picture of `size` window pixels at `dpi`.
QSize PixelSizeAt(QSize size, int dpi);

// A white picture of PixelSizeAt(size, dpi) painted by `paint` scaled dpi/96 times; the image
// says its resolution, so a word processor places it at the window's size.
QImage PaintPixels(QSize size, int dpi, const PaintPicture& paint);

// An SVG or a one-page PDF document of the window's size with `title` in the document's own
// title field.
QByteArray PaintSvg(QSize size, const QString& title, const PaintPicture& paint);
QByteArray PaintPdf(QSize size, const QString& title, const PaintPicture& paint);

}  // namespace ardeno
