// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawing is laid out in a reference frame 800 units wide (disk centre 280, 280, radius 250,
// 250 units standing for the 125 mm of the paper drawing) and brought to window pixels by one
// scale factor, DrawScale, in sixteenths of a pixel per reference unit.
#include <cstdint>

namespace ardeno {

inline constexpr int kReferenceWidth = 800;
inline constexpr int kCanvasCentre = 280;
inline constexpr int kDiskRadiusRef = 250;
inline constexpr int kDiskLeftRef = 30;
inline constexpr int kDiskRightRef = 530;

// The standard window (client width 800) gives 14; the compact/large toggle uses 16 per 800.
inline std::uint16_t DrawScaleForWidth(int clientWidth) {
  return static_cast<std::uint16_t>(clientWidth * 14 / kReferenceWidth);
}
inline std::uint16_t ToggledDrawScaleForWidth(int clientWidth) {
  return static_cast<std::uint16_t>(clientWidth * 16 / kReferenceWidth);
}

// A point in reference units (or, once scaled, in pixels).
struct RefPoint {
  int X = 0;
  int Y = 0;
  bool operator==(const RefPoint&) const = default;
};

struct PixelBox {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
};

struct DrawingScale {
  std::uint16_t DrawScale = 14;

  // S(v): reference units to pixels; v is taken as a signed 16-bit value as the layout stores it.
  int S(int v) const { return (static_cast<std::int16_t>(v) * static_cast<int>(DrawScale)) >> 4; }
  // F(n): point size of a font of nominal size n.
  int F(int n) const { return (n * (DrawScale + 1)) >> 4; }
  // S(250) without truncation: the disk radius the angular read-out works with.
  double DiskRadiusPixels() const { return DrawScale * 15.625; }
  int CentrePixels() const { return S(kCanvasCentre); }
  PixelBox DiskBox() const {
    return {S(kDiskLeftRef), S(kDiskLeftRef), S(kDiskRightRef), S(kDiskRightRef)};
  }
};

}  // namespace ardeno
