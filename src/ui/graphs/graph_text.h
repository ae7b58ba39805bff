// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts of the graphs: the core's UTF-8 names as QStrings, and text placed by its top-left
// corner as the graphs were laid out.
#include <QString>
#include <string_view>

class QPainter;

namespace ardeno {

QString GraphText(std::string_view utf8);
void TextAt(QPainter& painter, int x, int top, const QString& text);

}  // namespace ardeno
