// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/drawing/aux_spot_distance.h"

#include <algorithm>
#include <cmath>

#include "core/solar/angles.h"
#include "core/solar/heliographic.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {

double Separation(const HeliographicPosition& a, const HeliographicPosition& b) {
  const double cosine =
      std::sin(a.HelioLatitude * kDegToRad) * std::sin(b.HelioLatitude * kDegToRad) +
      std::cos(a.HelioLatitude * kDegToRad) * std::cos(b.HelioLatitude * kDegToRad) *
          std::cos((a.HelioLongitude - b.HelioLongitude) * kDegToRad);
  return std::acos(std::clamp(cosine, -1.0, 1.0)) / kDegToRad;
}

}  // namespace

std::string AuxSpotDistance::Text() const { return FormatFloat("#0.0", Degrees); }

std::vector<AuxSpotDistance> AuxSpotDistances(const ObservationRecord& record,
                                              const SolarEphemeris& eph) {
  std::vector<AuxSpotDistance> rows;
  for (int k = 1; k <= record.GroupCount(); ++k) {
    const HeliographicPosition group =
        PolarToHeliographic(eph, record.Angle10(k), record.Distance10(k));
    const std::uint16_t positions[2] = {record.Aux1Position(k), record.Aux2Position(k)};
    for (int s = 0; s < 2; ++s) {
      if (positions[s] == 0) continue;
      // Packed position: whole degrees * 128 + millimetres.
      const HeliographicPosition spot =
          PolarToHeliographic(eph, (positions[s] / 128) * 10.0, (positions[s] % 128) * 10.0);
      rows.push_back({record.GroupNumber(k), s + 1, Separation(group, spot)});
    }
  }
  return rows;
}

}  // namespace ardeno
