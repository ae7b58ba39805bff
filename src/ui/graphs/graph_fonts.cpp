// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/graphs/graph_fonts.h"

#include <algorithm>
#include <cmath>

namespace ardeno {

QFont GraphFont(int pointSize, double scale) {
  QFont font;
  font.setFamilies(QStringList{"Ms sans Serif", "MS Sans Serif", "DejaVu Sans"});
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(pointSize * 96.0 / 72.0 * scale))));
  return font;
}

}  // namespace ardeno
