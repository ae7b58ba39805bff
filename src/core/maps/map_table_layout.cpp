// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/maps/map_table_layout.h"

#include <algorithm>

namespace ardeno {

namespace {
constexpr int kColumnUnits = 30;
// Pixels kept free between two values.
constexpr int kTableGap = 2;
}  // namespace

std::vector<MapTableText> MapTableTexts(const std::vector<MapTableCell>& table) {
  std::vector<MapTableText> texts;
  int labelledRow = 0;
  for (const MapTableCell& cell : table) {
    const int yLatitude = 395 + kColumnUnits * cell.Row - 12;
    const int yLongitude = 395 + kColumnUnits * cell.Row;
    if (cell.Row != labelledRow) {
      texts.push_back({10, yLatitude, "b"});
      texts.push_back({10, yLongitude, "l"});
      labelledRow = cell.Row;
    }
    const int x = kColumnUnits * cell.Column - 5;
    texts.push_back({x, yLatitude, cell.Latitude});
    texts.push_back({x, yLongitude, cell.Longitude});
  }
  return texts;
}

int MapTableFontPixels(int widestAt11, int k) {
  const int room = MapPixels(kColumnUnits, k) - kTableGap;
  if (widestAt11 <= room) return kMapTableFontPixels;
  return std::max(1, kMapTableFontPixels * room / widestAt11);
}

}  // namespace ardeno
