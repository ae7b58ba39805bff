// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Measuring a sunspot group's area on a photographed drawing: the user paints over the group in
// a view that shows the photograph at twice its size, and the painted pixels are converted to
// square millimetres of the standard drawing of radius 125 mm.
#include <cstdint>
#include <string>
#include <vector>

namespace ardeno {

inline constexpr int kPaintMaskSide = 800;

// An 8-bit mask, white (255) where nothing is painted; row-major, side x side.
struct PaintMask {
  int Side = kPaintMaskSide;
  std::vector<std::uint8_t> Pixels =
      std::vector<std::uint8_t>(kPaintMaskSide * kPaintMaskSide, 255);

  // Paints a black square of `size` pixels centred on (x, y), clipped to the mask.
  void PaintSquare(int x, int y, int size);
};

// Pixels below 255 in rows and columns 1..Side-1 (row 0 and column 0 are not counted).
int CountPaintedPixels(const PaintMask& mask);

// (125 / (2 * photoRadius))^2 * paintedPixels; 0 when the photograph's radius is not known.
double PaintedAreaMm2(int paintedPixels, double photoRadius);

// The area as written into the group grid ("0.0") and as shown while painting ("0.00").
std::string FinalAreaText(double areaMm2);
std::string RunningAreaText(double areaMm2);

}  // namespace ardeno
