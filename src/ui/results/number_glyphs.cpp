// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/results/number_glyphs.h"

#include <QGlyphRun>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QVarLengthArray>
#include <string_view>

namespace ardeno {

namespace {

// Characters with no kerning or ligature against one another in the fonts tables use.
constexpr std::string_view kNumberCharacters = "0123456789 .,+-:/%()";

}  // namespace

void NumberGlyphs::Prepare(const QFont& font) {
  m_font = font;
  m_prepared = true;
  m_glyph.fill(0);
  m_raw = QRawFont::fromFont(font);
  if (!m_raw.isValid()) return;
  for (const char c : kNumberCharacters) {
    const QList<quint32> glyphs = m_raw.glyphIndexesForString(QString(QChar(c)));
    if (glyphs.size() != 1 || glyphs[0] == 0) continue;
    const QList<QPointF> advances = m_raw.advancesForGlyphIndexes(glyphs);
    m_glyph[static_cast<std::size_t>(c)] = glyphs[0];
    m_advance[static_cast<std::size_t>(c)] = advances[0].x();
  }
}

bool NumberGlyphs::Draw(QPainter& painter, const QFont& font, const QRectF& rect, int flags,
                        const QString& text) {
  if (!m_prepared || font != m_font) Prepare(font);
  QVarLengthArray<quint32, 32> glyphs;
  QVarLengthArray<QPointF, 32> positions;
  qreal x = 0;
  for (const QChar c : text) {
    const ushort code = c.unicode();
    const quint32 glyph = code < kCharacters ? m_glyph[code] : 0;
    if (glyph == 0) return false;
    glyphs.append(glyph);
    positions.append(QPointF(x, 0));
    x += m_advance[code];
  }
  if (glyphs.isEmpty()) return true;

  qreal left = rect.left();
  if (flags & Qt::AlignRight) {
    left = rect.right() - x;
  } else if (flags & Qt::AlignHCenter) {
    left = rect.left() + (rect.width() - x) / 2;
  }
  const qreal height = m_raw.ascent() + m_raw.descent();
  qreal top = rect.top();
  if (flags & Qt::AlignBottom) {
    top = rect.bottom() - height;
  } else if (flags & Qt::AlignVCenter) {
    top = rect.top() + (rect.height() - height) / 2;
  }

  QGlyphRun run;
  run.setRawFont(m_raw);
  run.setGlyphIndexes(QList<quint32>(glyphs.begin(), glyphs.end()));
  run.setPositions(QList<QPointF>(positions.begin(), positions.end()));
  painter.drawGlyphRun(QPointF(left, top + m_raw.ascent()), run);
  return true;
}

}  // namespace ardeno
