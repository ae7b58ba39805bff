// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/network_day_counts.h"

#include "core/results/month_totals.h"

namespace ardeno {

NetworkDayCounts CountsOf(const ObservationRecord& r) {
  NetworkDayCounts counts;
  counts.Groups = r.ResultWord(kGroupsN) + r.ResultWord(kGroupsS);
  counts.Spots = r.ResultWord(kSpotsN) + r.ResultWord(kSpotsS);
  counts.Relative = r.ResultWord(kRelativeN) + r.ResultWord(kRelativeS);
  if (!r.IsSpecial() || HasHemisphereMarker(r)) {
    counts.North = HemisphereCounts{r.ResultWord(kGroupsN), r.ResultWord(kSpotsN)};
    counts.South = HemisphereCounts{r.ResultWord(kGroupsS), r.ResultWord(kSpotsS)};
  }
  return counts;
}

std::string GroupsText(const std::optional<HemisphereCounts>& hemisphere) {
  return hemisphere ? std::to_string(hemisphere->Groups) : std::string();
}

std::string SpotsText(const std::optional<HemisphereCounts>& hemisphere) {
  return hemisphere ? std::to_string(hemisphere->Spots) : std::string();
}

}  // namespace ardeno
