// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A group's track on the synoptic map: its sightings in map units, in the order they were seen.
#include <vector>

#include "core/groups/group_tracks.h"
#include "core/maps/map_faculae.h"

namespace ardeno {

std::vector<MapUnitPoint> TrackMapPath(const GroupTrack& track);

}  // namespace ardeno
