// SPDX-License-Identifier: GPL-3.0-or-later
// The b/l table under the single map: labels once per row, each value in its column, and a font
// that shrinks with the map so that neighbouring values never run together.
#include <gtest/gtest.h>

#include "core/maps/map_table_layout.h"

namespace ardeno {
namespace {

TEST(MapTableLayoutTest, LabelsOncePerRowAndValuesInTheirColumns) {
  const std::vector<MapTableCell> table = {
      {8, 1, 1, "-20.0", "136.1"}, {9, 2, 1, " 12.5", " 95.9"}, {12, 1, 2, "  3.0", "  8.4"}};
  const std::vector<MapTableText> expected = {
      {10, 413, "b"},     {10, 425, "l"},     {25, 413, "-20.0"}, {25, 425, "136.1"},
      {55, 413, " 12.5"}, {55, 425, " 95.9"}, {10, 443, "b"},     {10, 455, "l"},
      {25, 443, "  3.0"}, {25, 455, "  8.4"}};
  EXPECT_EQ(MapTableTexts(table), expected);
  EXPECT_TRUE(MapTableTexts({}).empty());
}

TEST(MapTableLayoutTest, FontShrinksWithTheColumns) {
  const struct {
    int Widest;  // "000.0" at 11 pixels
    int K;
    int Pixels;
  } cases[] = {
      {27, 16, 11},                             // a column of 30 pixels less the gap holds 28
      {28, 16, 11}, {29, 16, 10}, {27, 12, 8},  // 22 - 2 = 20 pixels: 11 * 20 / 27
      {27, 8, 5},                               // 15 - 2 = 13
      {27, 1, 1},                               // never below one pixel
  };
  for (const auto& c : cases)
    EXPECT_EQ(MapTableFontPixels(c.Widest, c.K), c.Pixels) << c.Widest << " at k " << c.K;
}

}  // namespace
}  // namespace ardeno
