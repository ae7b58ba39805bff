// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the groups of a drawing go: the class colours, the auxiliary spots on the disk, the
// scaled group circles and the columns of the group table along the bottom of the drawing.
#include <cstdint>
#include <string_view>

#include "core/drawing/drawing_scale.h"
#include "core/solar/group_circles.h"

namespace ardeno {

struct Rgb {
  int R = 0;
  int G = 0;
  int B = 0;
  bool operator==(const Rgb&) const = default;
};

// Colour of a group by the first letter of its class (Zurich A..H); other letters, and a group
// without a class, get the colour of A.
Rgb ClassColour(std::string_view groupType);

inline constexpr Rgb kFirstAuxSpotColour{10, 10, 205};
inline constexpr Rgb kSecondAuxSpotColour{205, 23, 10};
inline constexpr Rgb kGroupCircleColour{125, 125, 125};

// An auxiliary spot: top-left corner of its circle in reference units, radius in pixels.
struct AuxSpotMark {
  int X = 0;
  int Y = 0;
  int Rho = 1;
};

// position: angle in whole degrees * 128 + distance in millimetres; area in millionths.
AuxSpotMark AuxSpot(std::uint16_t position, std::uint16_t area, int mirrorX, int mirrorY,
                    const DrawingScale& scale);

// Radius in pixels of a group circle of the given reference radius (at least 1).
int ScaledCircleRadius(int referenceRadius, const DrawingScale& scale);

// Group table: rows (reference y) and the column of group i (1-based).
inline constexpr int kTableTypeRow = 540;
inline constexpr int kTableLatitudeRow = 560;
inline constexpr int kTableLongitudeRow = 580;
inline constexpr int kTableSpotCountRow = 600;
inline constexpr int kTableGroupNumberRow = 623;
inline constexpr int kTableRotationNumberRow = 638;
inline int GroupTableColumn(int i) { return 30 + 38 * i; }

// Position (reference units) of the rotation group number written beside a group circle.
inline RefPoint RotationNumberPosition(const GroupCircle& c) {
  return {2 * c.R + c.X + 2, c.Y + c.R - 6};
}

}  // namespace ardeno
