// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Maps of several rotations: the long map (16 rotations side by side), the high map (rotations
// stacked) and two maps one above the other. Each rotation is a strip whose groups are placed at
// their mean longitude and latitude; lengths are in units of k / 2 pixels.
#include <vector>

#include "core/maps/map_groups.h"

namespace ardeno {

enum class StripVariant { Long, High, Two };

struct StripScaleFactors {
  int Shift;         // s: the strip's width is 960 k / 2^s
  double Longitude;  // F1: half-units per degree of longitude
  double Latitude;   // F2: half-units per degree of latitude
};
StripScaleFactors StripFactors(StripVariant variant);

// k from the window width (at least 1), and from the page width when printing.
int StripScale(int clientWidth);
int StripPrintScale(int pageWidth);
// k of the two maps: the largest that fits both maps with their labels into the client area, so
// that they fill the window instead of a quarter of it.
int TwoMapsScale(int clientWidth, int clientHeight);

inline constexpr int kLongMapRotations = 16;
inline constexpr int kPrintedHighMapRotations = 14;

// Rotations drawn from `first`: 16 for the long map, 2 for two maps, for the high map as many as
// fit in the height up to the data's last rotation.
int StripCount(StripVariant variant, int first, int lastRotation, int clientHeight, int k);

// Pixels left of a strip's longitude 360 (k times this for the high map, room for the rotation
// numbers).
inline constexpr int kHighMapLeft = 20;
int StripLeft(StripVariant variant, int k, int strip);
int StripBase(StripVariant variant, int k, int strip);
// Pixels of a place within strip `strip`: the one transform of the groups, the grid and its
// labels.
int StripX(StripVariant variant, int k, int strip, double longitude);
int StripY(StripVariant variant, int k, int strip, double latitude);

// k for the disc radii: the single map's scale at the strip's longitude scale.
int StripRadiusScale(StripVariant variant, int k);

struct StripGroup {
  int GroupNumber = 0;
  MapDisc Disc;
};
struct Strip {
  int Rotation = 0;
  std::vector<StripGroup> Groups;
};

// The strips of `count` rotations from `first`, with the same record range, membership test and
// accumulation as the single map.
std::vector<Strip> BuildStrips(const Database& db, const MapSightings& sightings,
                               StripVariant variant, int k, int first, int count, int areaMultiple);

}  // namespace ardeno
