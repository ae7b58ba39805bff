// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/pad_to_width.h"

#include "core/shell/pad_blanks.h"

namespace ardeno {

QString PadToWidth(const QFontMetrics& metrics, const QString& text, int width) {
  return QString(PadBlankCount(width, metrics.horizontalAdvance(text)), QLatin1Char(' ')) + text;
}

}  // namespace ardeno
