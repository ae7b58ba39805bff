// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Draws the texts numbers are written with (digits, signs, points, spaces) from glyphs looked up
// once per font. Drawing a string the usual way shapes it first, which is most of the time a
// table of a thousand visible numbers takes to paint; these characters need no shaping, so
// their glyphs and advances are laid side by side directly.
#include <QFont>
#include <QRawFont>
#include <QString>
#include <array>

class QPainter;
class QRectF;

namespace ardeno {

class NumberGlyphs {
 public:
  // Draws `text` in `rect` at the alignment `flags` (Qt::Alignment) when every character is one a
  // number is written with and returns true; returns false, drawing nothing, otherwise.
  bool Draw(QPainter& painter, const QFont& font, const QRectF& rect, int flags,
            const QString& text);

 private:
  void Prepare(const QFont& font);

  static constexpr int kCharacters = 128;
  QFont m_font;
  bool m_prepared = false;
  QRawFont m_raw;
  std::array<quint32, kCharacters> m_glyph{};  // 0: not one of the characters
  std::array<qreal, kCharacters> m_advance{};
};

}  // namespace ardeno
