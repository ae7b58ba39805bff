// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/butterfly/observations_glyph.h"

#include <QPainter>
#include <QPixmap>
#include <array>

namespace ardeno {

namespace {

constexpr int kGlyphSize = 20;

// Two wings of marks either side of the equator, drifting towards it as in a cycle.
constexpr std::array<QPoint, 12> kMarks = {{{3, 4},
                                            {5, 5},
                                            {7, 6},
                                            {9, 7},
                                            {11, 8},
                                            {13, 9},
                                            {3, 15},
                                            {5, 14},
                                            {7, 13},
                                            {9, 12},
                                            {11, 11},
                                            {13, 10}}};

QPixmap Glyph(const QColor& frame, const QColor* marks) {
  QPixmap pixmap(kGlyphSize, kGlyphSize);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setPen(frame);
  p.drawRect(0, 0, kGlyphSize - 1, kGlyphSize - 1);
  p.drawLine(1, kGlyphSize / 2, kGlyphSize - 2, kGlyphSize / 2);  // the equator
  if (marks != nullptr)
    for (const QPoint& m : kMarks) p.fillRect(m.x(), m.y() - 1, 3, 2, *marks);
  return pixmap;
}

}  // namespace

QIcon ObservationsGlyph(bool observationsDrawn) {
  QIcon icon;
  if (!observationsDrawn) {
    icon.addPixmap(Glyph(Qt::darkGray, nullptr));
    return icon;
  }
  const QColor black(Qt::black), grey(Qt::gray), blue(0, 0, 160), white(Qt::white);
  icon.addPixmap(Glyph(Qt::darkGray, &black), QIcon::Normal);
  icon.addPixmap(Glyph(Qt::lightGray, &grey), QIcon::Disabled);
  icon.addPixmap(Glyph(Qt::black, &blue), QIcon::Active);
  icon.addPixmap(Glyph(Qt::black, &white), QIcon::Selected);
  return icon;
}

}  // namespace ardeno
