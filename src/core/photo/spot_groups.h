// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Spots read from a drawing formed into groups as an observer forms them: two spots belong to one
// group when they lie close on the Sun (not on the paper: near the limb a group looks squeezed),
// elongated groups along the parallels being allowed a longer reach in longitude than in
// latitude. Per group: its place as the record stores it, the two extreme spots, the counts, the
// area and a proposed class for the observer to confirm.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/solar/ephemeris.h"

namespace ardeno {

// Two spots are joined when (dLongitude / kGroupReachLongitude)^2 + (dLatitude /
// kGroupReachLatitude)^2 <= 1, dLongitude measured along the parallel (degrees of a great
// circle). A group is every chain of such joins; spots drawn inside one penumbra always share a
// group.
inline constexpr double kGroupReachLongitude = 7.5;
inline constexpr double kGroupReachLatitude = 3.0;
// A group's spots lie in one band of latitude; two groups side by side in latitude chain together
// where their spots interleave in longitude. A chain whose spots, sorted by latitude, leave a gap
// of kGroupLatitudeGap degrees with kLeastSpotsBesideGap spots or more on each side is two groups
// (each part looked at again), unless the gap would part the umbrae of one penumbra.
inline constexpr double kGroupLatitudeGap = 1.5;
inline constexpr int kLeastSpotsBesideGap = 3;
// The observer writes each group's number beside it. A written number stands beside the chain of
// its nearest spot when that spot lies within kNumberReachMm and every other chain's spots lie
// kNumberOtherChainFarther times as far or farther; a chain beside which two or more
// numbers stand is as many groups, its spots parted by their places on the Sun (k-means over
// longitude along the parallel and latitude, each measured in its reach above, each part begun at
// the spot nearest its number), the umbrae of one penumbra kept together, when every part has
// kLeastSpotsBesideGap spots or more.
inline constexpr double kNumberReachMm = 12;
inline constexpr double kNumberOtherChainFarther = 1.5;
// A group of the observer's previous drawing, carried to this moment (ExpectedGroupsBefore),
// stands in the chain of its nearest spot when that spot lies within the rule's reach of it (the
// ellipse above); a chain in which two or more such groups stand is parted into as many groups
// as by written numbers, each part begun at its expected place, when every part keeps
// kLeastSpotsOfExpectedGroup spots or more.
inline constexpr int kLeastSpotsOfExpectedGroup = 2;

// A spot as drawn: its centre in millimetres of the standard 125 mm drawing (x towards the
// position angle 90 degrees, y towards north), its drawn area (the penumbra's, or the umbra's for
// a spot without one) and the penumbra it lies in (-1: none; equal numbers share one outline).
struct DrawingSpot {
  double X = 0;
  double Y = 0;
  double AreaMm2 = 0;
  int Penumbra = -1;
};

// Where a group number is written: millimetres of the standard drawing, as DrawingSpot.
struct WrittenNumber {
  double X = 0;
  double Y = 0;
};

// A group of an earlier drawing where it stands at the moment of the drawing being read.
struct ExpectedGroup {
  double Latitude = 0;          // degrees, north positive
  double MeridianDistEast = 0;  // degrees, east positive
};

// A spot's place on the Sun and its area.
struct SpotOnSun {
  double Latitude = 0;              // degrees, north positive
  double MeridianDistEast = 0;      // degrees, east positive
  double Longitude = 0;             // Carrington degrees 0..360
  double DiskMillionths = 0;        // drawn area, millionths of the disk
  double HemisphereMillionths = 0;  // corrected for the foreshortening, of the hemisphere
};
SpotOnSun PlaceSpotOnSun(const SolarEphemeris& eph, const DrawingSpot& spot);

struct ProposedGroup {
  std::vector<int> Spots;  // indices into the spots given, west to east
  // The area-weighted centre of its spots.
  double Latitude = 0;
  double Longitude = 0;
  double MeridianDistEast = 0;
  // As the record stores the group: position angle and distance of the centre on the drawing.
  std::uint16_t Angle10 = 0;
  std::uint16_t Distance10 = 0;
  // The two extreme spots (the most western one first), as the record's auxiliary positions
  // (whole degrees * 128 + whole millimetres) and their areas in millionths of the disk.
  std::uint16_t Aux1Position = 0;
  std::uint16_t Aux2Position = 0;
  std::uint16_t Aux1Area = 0;
  std::uint16_t Aux2Area = 0;
  int SpotCount = 0;
  int PenumbralCount = 0;     // penumbrae drawn in the group
  int AreaDisk = 0;           // millionths of the disk, as the record's Area
  int AreaHemisphere = 0;     // millionths of the hemisphere, corrected
  double ExtentDegrees = 0;   // longest distance between two of its spots, along the Sun
  std::string ProposedClass;  // one of the program's McIntosh classes, for the observer to confirm
};

// Groups of `spots` at the moment of `eph`, ordered from west to east.
std::vector<ProposedGroup> FormSpotGroups(const SolarEphemeris& eph,
                                          const std::vector<DrawingSpot>& spots,
                                          const std::vector<WrittenNumber>& numbers = {},
                                          const std::vector<ExpectedGroup>& expected = {});
// The group of each spot by the rule above, as a label (spots of one group share it).
std::vector<int> GroupLabelsByRule(const SolarEphemeris& eph, const std::vector<DrawingSpot>& spots,
                                   const std::vector<WrittenNumber>& numbers = {},
                                   const std::vector<ExpectedGroup>& expected = {});
// The groups of spots sharing a label (the rule's, or as the observer corrected them), described
// as FormSpotGroups describes them, ordered from west to east.
std::vector<ProposedGroup> DescribeSpotGroups(const SolarEphemeris& eph,
                                              const std::vector<DrawingSpot>& spots,
                                              const std::vector<int>& labels);

// A correction clicked on a read drawing at (x, y), millimetres as DrawingSpot: the spot whose
// centre lies within kSpotClickReachMm is taken away, otherwise a small umbra without a penumbra
// is added there. Returns whether a spot was taken away.
inline constexpr double kSpotClickReachMm = 1.5;
inline constexpr double kAddedSpotAreaMm2 = 0.3;
// The index of the spot within reach of (x, y); nothing when none is.
std::optional<std::size_t> SpotWithinReach(const std::vector<DrawingSpot>& spots, double x,
                                           double y);
DrawingSpot AddedSpot(double x, double y);

// The group of each of `spotCount` spots, 1-based in the order of `groups`; 0 for a spot in none.
std::vector<int> GroupOfEachSpot(const std::vector<ProposedGroup>& groups, std::size_t spotCount);

// Whether two spots at these places are joined by the rule above.
bool SpotsJoin(const SpotOnSun& a, const SpotOnSun& b);

// The class proposed from the extent, the penumbrae and the spots (see the source for the
// measures); always one of GroupTypes.
std::string ProposeGroupClass(const std::vector<SpotOnSun>& spots,
                              const std::vector<bool>& hasPenumbra, int penumbrae);

}  // namespace ardeno
