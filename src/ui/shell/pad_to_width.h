// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Right-aligning a number or short text for drawing, measured in a canvas font.
#include <QFontMetrics>
#include <QString>

namespace ardeno {

// Prepends blanks so that `text` ends near the right edge of `width` pixels.
QString PadToWidth(const QFontMetrics& metrics, const QString& text, int width);

}  // namespace ardeno
