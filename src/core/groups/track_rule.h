// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rule by which a group seen on a drawing is taken for the group of a track, with all its
// limits: where the track's group should stand, how far from there a sighting may lie, which of
// two close candidates is taken, how long a track waits, and when a lone sighting is a place
// misread that day. Degrees of longitude are Carrington degrees; "foreshortened" means multiplied
// by the cosine of the distance from the central meridian (at least kTrackLeastForeshortening).
#include <optional>
#include <vector>

#include "core/groups/group_tracks.h"

namespace ardeno {

// A catalogue leaves a region out on days it has no spots (a plage), an observer a small group in
// poor seeing: a track waits this many drawing days on which its place is on the disk.
inline constexpr int kTrackMissedDays = 8;

// Where a track's group should stand: the mean of its last sightings, each rotated to the moment
// (Howard, Harvey and Snodgrass 1990), so that a place misread by some degrees on one day moves
// the track's place by a share of it only.
inline constexpr int kTrackRecentSightings = 3;

// Tolerance of a link, growing with the days since the last sighting up to a bound: in latitude,
// which a group keeps within a degree or two, and in longitude, which its centre changes more as
// it grows and decays and which is read less surely towards the limb (there the tolerance grows
// as the foreshortening; no link is made kTrackLimbDegrees apart, or kTrackLatitude.Bound, times
// kTrackOneCoordinateReach).
struct LinkTolerance {
  double Base, PerDay, Bound;
};
inline constexpr LinkTolerance kTrackLatitude{5.0, 0.5, 7.0};
inline constexpr LinkTolerance kTrackLongitude{6.0, 1.0, 10.0};
inline constexpr double kTrackLimbDegrees = 15.0;
inline constexpr double kTrackLeastForeshortening = 0.3;
// A track seen on the drawing before: a place off in one coordinate only (one of the two misread
// or misprinted) may lie this many times the tolerance away; off in both at once, as a new group
// born beside a fading one as a rule is, no further than the ellipse of the two tolerances.
inline constexpr double kTrackOneCoordinateReach = 1.4;
// A track that missed drawing days: its longitude tolerance narrowed to this share (a new group
// is as a rule born a few degrees from where an old one faded), and a change of area narrows the
// ellipse too: an area grown or shrunk by a factor of e^kTrackAreaChange fills it alone.
inline constexpr double kTrackMissedLongitude = 0.8;
inline constexpr double kTrackAreaChange = 2.0;

// Of the pairs within their tolerance, the one-to-one choice of least cost in sum is linked (two
// neighbours both read a few degrees off keep their tracks). The cost is the distance in degrees
// (longitude foreshortened), plus kTrackAreaWeight degrees for each factor e between the areas
// (counted from kTrackAreaFloor, so that small groups' areas weigh little), plus kTrackMissedCost
// for a track that missed drawing days: a group seen on the drawing before keeps its place
// against one that was missing, unless that one lies clearly nearer. A track or group left
// unlinked counts kTrackUnlinkedCost, so that a pair dearer than two of these (at the edge of
// the tolerance, much changed in area, after missed days) is a new group rather than the track's.
inline constexpr double kTrackAreaWeight = 2.0;
inline constexpr double kTrackAreaFloor = 20.0;
inline constexpr double kTrackMissedCost = 4.5;
inline constexpr double kTrackUnlinkedCost = 8.0;

// A lone sighting is given back to the one track it fits, on a date that track has none: inside
// the track, within kTrackStrayLatitude and kTrackStrayLongitude (foreshortened) of its place;
// inside it or on the drawing day before or after it (within kTrackStrayEndDays), with one
// coordinate within kTrackStrayExact and the other within kTrackStrayFar or with N and S swapped.
inline constexpr double kTrackStrayLatitude = 8.0;
inline constexpr double kTrackStrayLongitude = 10.0;
inline constexpr double kTrackStrayExact = 2.0;
inline constexpr double kTrackStrayFar = 25.0;
inline constexpr double kTrackStrayEndDays = 1.5;

struct TrackPlace {
  double Longitude = 0, Latitude = 0;
};

// Where the group of a track with these sightings (in time order, at least one) should stand at
// `moment`.
TrackPlace ExpectedPlace(const std::vector<TrackSighting>& sightings, double moment);

// A track as a candidate for a sighting.
struct LinkCandidate {
  TrackPlace Place;     // expected at the sighting's moment
  double Meridian = 0;  // of the expected place, degrees from the central meridian
  double Days = 0;      // since the track's last sighting
  bool Missed = false;  // missing on a drawing day since then
  int LastArea = 0;     // corrected area of its last sighting
};

// The cost of linking `seen` to the track; nothing when it lies outside the tolerance.
std::optional<double> LinkCost(const LinkCandidate& track, const TrackSighting& seen);

// Whether a lone sighting fits `place` (the track's place at its moment) as a place misread;
// `inside` when the track runs on both sides of it, else it lies next to the track's first or
// last sighting.
bool StrayFits(const TrackPlace& place, const TrackSighting& stray, bool inside);

}  // namespace ardeno
