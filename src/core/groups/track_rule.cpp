// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/groups/track_rule.h"

#include <algorithm>
#include <cmath>

#include "core/solar/angles.h"
#include "core/solar/differential_rotation.h"

namespace ardeno {

namespace {

double Within(const LinkTolerance& t, double days) {
  return std::min(t.Bound, t.Base + t.PerDay * std::fabs(days));
}

double Foreshortening(double meridian) {
  return std::max(std::cos(meridian * kDegToRad), kTrackLeastForeshortening);
}

// As |remainder(l1 - l2, 360)|, without its cost for the longitudes of 0..360 degrees that every
// pair of a drawing and a track compares.
double LongitudeApart(double l1, double l2) {
  double apart = std::fabs(l1 - l2);
  if (apart >= 360) apart = std::fmod(apart, 360.0);
  return apart > 180 ? 360 - apart : apart;
}

}  // namespace

TrackPlace ExpectedPlace(const std::vector<TrackSighting>& sightings, double moment) {
  const TrackSighting& last = sightings.back();
  const double lastLongitude =
      RotatedLongitude(last.Longitude, last.Latitude, moment - last.Moment);
  // Offsets from the last place, so that the mean does not break at 0/360 degrees.
  double offsets = 0, latitudes = 0;
  int n = 0;
  for (auto s = sightings.rbegin(); s != sightings.rend() && n < kTrackRecentSightings; ++s, ++n) {
    const double longitude = RotatedLongitude(s->Longitude, s->Latitude, moment - s->Moment);
    offsets += std::remainder(longitude - lastLongitude, 360.0);
    latitudes += s->Latitude;
  }
  return {std::fmod(lastLongitude + offsets / n + 360.0, 360.0), latitudes / n};
}

std::optional<double> LinkCost(const LinkCandidate& track, const TrackSighting& seen) {
  // Most pairs lie far apart: refused before the cosines.
  const double db = std::fabs(track.Place.Latitude - seen.Latitude);
  if (db > kTrackLatitude.Bound * kTrackOneCoordinateReach) return std::nullopt;
  const double dl = LongitudeApart(track.Place.Longitude, seen.Longitude);
  if (dl > kTrackLimbDegrees * kTrackOneCoordinateReach) return std::nullopt;
  // Of the two places the one nearer the centre, where the longitude is read more surely.
  const double foreshortening =
      Foreshortening(std::min(std::fabs(track.Meridian), std::fabs(seen.Meridian)));
  const double across =
      dl * foreshortening /
      (Within(kTrackLongitude, track.Days) * (track.Missed ? kTrackMissedLongitude : 1));
  const double along = db / Within(kTrackLatitude, track.Days);
  const double areaChange = std::fabs(
      std::log((seen.CorrectedArea + kTrackAreaFloor) / (track.LastArea + kTrackAreaFloor)));
  if (track.Missed) {
    const double change = areaChange / kTrackAreaChange;
    if (across * across + along * along + change * change > 1) return std::nullopt;
  } else if (across + along > kTrackOneCoordinateReach) {
    return std::nullopt;
  }
  const double latitude = (track.Place.Latitude + seen.Latitude) / 2;
  return std::hypot(dl * std::cos(latitude * kDegToRad) * foreshortening, db) +
         kTrackAreaWeight * areaChange + (track.Missed ? kTrackMissedCost : 0.0);
}

bool StrayFits(const TrackPlace& place, const TrackSighting& stray, bool inside) {
  const double db = std::fabs(place.Latitude - stray.Latitude);
  const double flipped = std::fabs(place.Latitude + stray.Latitude);
  const double dl = LongitudeApart(place.Longitude, stray.Longitude);
  const bool latitudeMisread =
      dl <= kTrackStrayExact && (db <= kTrackStrayFar || flipped <= kTrackStrayExact);
  const bool longitudeMisread = db <= kTrackStrayExact && dl <= kTrackStrayFar;
  if (latitudeMisread || longitudeMisread) return true;
  return inside && db <= kTrackStrayLatitude &&
         dl * Foreshortening(stray.Meridian) <= kTrackStrayLongitude;
}

}  // namespace ardeno
