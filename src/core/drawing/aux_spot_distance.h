// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Angular distance on the Sun between a group and each of its auxiliary spots, for the
// drawing window's auxiliary-spot panel.
#include <string>
#include <vector>

#include "core/data/observation_record.h"
#include "core/solar/ephemeris.h"

namespace ardeno {

struct AuxSpotDistance {
  int GroupNumber = 0;       // the group's number in the drawing's table
  int Spot = 1;              // 1 or 2: which auxiliary spot
  double Degrees = 0;        // great-circle distance between group and spot
  std::string Text() const;  // "#0.0"
};

// One row per auxiliary spot of the record's groups, in group order. Positions are taken on
// the sphere (heliographic latitude and longitude of both points), so the distance does not
// shrink towards the limb as the drawn distance does.
std::vector<AuxSpotDistance> AuxSpotDistances(const ObservationRecord& record,
                                              const SolarEphemeris& eph);

}  // namespace ardeno
