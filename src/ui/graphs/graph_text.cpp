// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/graphs/graph_text.h"

#include <QPainter>

namespace ardeno {

QString GraphText(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

void TextAt(QPainter& painter, int x, int top, const QString& text) {
  painter.drawText(x, top + painter.fontMetrics().ascent(), text);
}

}  // namespace ardeno
