// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The font of the graph windows: "Ms sans Serif" as they have always asked for, DejaVu Sans
// behind it. Sizes are points at 96 dots per inch, times `scale` for a printer's page.
#include <QFont>
#include <QStringList>

namespace ardeno {

QFont GraphFont(int pointSize, double scale = 1.0);

}  // namespace ardeno
