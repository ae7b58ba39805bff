// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Two maps one above the other for comparing observations: the upper half shows chosen contents
// of the map's rotation, the lower half chosen contents of a rotation shifted by whole rotations.
// Both halves share the longitude axis, so the spots can be laid against the faculae, the corona
// or the magnetosphere of the same, an earlier or a later rotation.
#include <string>

namespace ardeno {

enum class ComparisonHalf { Upper, Lower };

// What one half shows. The underlays are drawn first and the spots on top.
struct ComparisonLayers {
  bool Spots = false;
  bool Faculae = false;
  bool Corona = false;
  bool Magnetosphere = false;
  bool operator==(const ComparisonLayers&) const = default;
};

// The spots are the upper half's: the lower half holds what they are compared with.
bool SpotsOffered(ComparisonHalf half);

// The shift bar runs over 0..20; the middle position shows the map's own rotation below.
inline constexpr int kComparisonShiftPositions = 20;
inline constexpr int kComparisonNoShiftPosition = 10;
int ComparisonShift(int position);
int ComparisonRotation(int mapRotation, ComparisonHalf half, int shift);
// The shift as the panel shows it: "0", "+3", "-2".
std::string ComparisonShiftText(int shift);

// Each half holds a whole map frame: the title above the map and the longitude labels under it,
// map units 0..420.
inline constexpr int kComparisonHalfUnits = 420;
struct ComparisonHalfFrame {
  int Top = 0;     // pixels from the top of the client area
  int Height = 0;  // pixels
  int K = 16;      // map scale of the half, sixteenths of a pixel per map unit
};
ComparisonHalfFrame ComparisonFrame(ComparisonHalf half, int clientHeight);

// "dd.mm.yyyy - dd.mm.yyyy": the rotation's first and last day, written beside its number.
std::string ComparisonDatesText(int rotation);

}  // namespace ardeno
