// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/maps/track_map_path.h"

#include "core/maps/map_groups.h"

namespace ardeno {

std::vector<MapUnitPoint> TrackMapPath(const GroupTrack& track) {
  std::vector<MapUnitPoint> path;
  path.reserve(track.Sightings.size());
  for (const TrackSighting& s : track.Sightings)
    path.push_back({MapX(s.Longitude), MapY(s.Latitude)});
  return path;
}

}  // namespace ardeno
