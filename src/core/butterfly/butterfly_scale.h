// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where things lie in the butterfly diagram: rotation r at x = (r - StartRotation) T + 50 - S,
// latitude b at y = EquatorY - b H. Every layer is computed in these pixel coordinates.
#include <cstdint>
#include <vector>

namespace ardeno {

inline constexpr int kButterflyLeftAxisX = 50;
// The diagram starts here when the supplementary data are shown, and with the corona underlay.
inline constexpr int kSupplementaryStartRotation = 1200;
inline constexpr int kCoronaStartRotation = 1100;

// The diagram's scale and placement: T pixels per rotation, H pixels per degree, the y of the
// equator (window half height + drag offset - vertical scroll), the horizontal scroll position S
// and the rotation at the left axis.
struct ButterflyScale {
  int TimeFactor = 1;   // T, 1..16
  int HeightScale = 3;  // H, 1..9
  int EquatorY = 0;
  int ScrollX = 0;  // S
  int StartRotation = 0;
};

// A filled rectangle between two corner points, as the diagram gives them (either corner may be
// the upper one); for a line both x are equal.
struct MarkRect {
  int X1 = 0;
  int Y1 = 0;
  int X2 = 0;
  int Y2 = 0;
  bool operator==(const MarkRect&) const = default;
};

struct CurvePoint {
  int X = 0;
  int Y = 0;
  bool operator==(const CurvePoint&) const = default;
};

inline int RotationX(const ButterflyScale& s, int rotation) {
  return (rotation - s.StartRotation) * s.TimeFactor + kButterflyLeftAxisX - s.ScrollX;
}

// The rotation at the left axis: 1100 with the corona, 1200 with the supplementary data,
// otherwise record 1's rotation lowered to a whole hundred.
int ChooseStartRotation(int firstRotation, bool supplementaryShown, bool coronaShown);

}  // namespace ardeno
