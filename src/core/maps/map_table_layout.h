// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the b/l table under the single map writes its labels and values, in map units, and how
// large its font is: each value keeps inside its column at every scale, so that "136.1" and
// "95.9" side by side are never read as "136.195.9".
#include <string>
#include <vector>

#include "core/maps/map_groups.h"

namespace ardeno {

// One text of the table with its top-left corner in map units.
struct MapTableText {
  int X = 0;
  int Y = 0;
  std::string Text;
  bool operator==(const MapTableText&) const = default;
};

// The "b" and "l" labels once at the start of every row, then each cell's latitude above its
// longitude; rows lie 30 units apart under the map, columns 30 units apart.
std::vector<MapTableText> MapTableTexts(const std::vector<MapTableCell>& table);

// The table's font size in pixels: 11 where the widest value ("000.0", `widestAt11` pixels at
// 11 pixels) fits its column at scale k with a gap, otherwise smaller in proportion (at least 1).
inline constexpr int kMapTableFontPixels = 11;
int MapTableFontPixels(int widestAt11, int k);

}  // namespace ardeno
