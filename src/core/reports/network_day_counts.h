// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The counts of one drawing as the other networks' forms ask for them: groups and spots of the
// whole disk and of each hemisphere, R.
#include <optional>
#include <string>

#include "core/data/observation_record.h"

namespace ardeno {

struct HemisphereCounts {
  int Groups = 0;
  int Spots = 0;
};

struct NetworkDayCounts {
  int Groups = 0;
  int Spots = 0;
  int Relative = 0;
  // Nothing for a special drawing without a hemisphere marker: its groups have no hemisphere.
  std::optional<HemisphereCounts> North;
  std::optional<HemisphereCounts> South;
};

NetworkDayCounts CountsOf(const ObservationRecord& record);

// The groups or spots of a hemisphere as a form's cell: empty when the drawing has none.
std::string GroupsText(const std::optional<HemisphereCounts>& hemisphere);
std::string SpotsText(const std::optional<HemisphereCounts>& hemisphere);

}  // namespace ardeno
