// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The green-corona underlay of the butterfly diagram: the loaded day rows of each Carrington
// rotation, taken by their dates as the synoptic map takes them, each latitude band of 5 degrees
// grey by the intensity of the east and west limb together.
#include <array>
#include <vector>

#include "core/butterfly/butterfly_marks.h"
#include "core/data/corona_data.h"

namespace ardeno {

inline constexpr int kCoronaBands = 36;

// Grey levels of bands 1 (north pole) .. 36 (south pole) of one rotation; computed once from the
// loaded rows, never reading past the last one.
struct CoronaColumn {
  int Rotation = 0;
  std::array<std::uint8_t, kCoronaBands> Greys{};
};
std::vector<CoronaColumn> CoronaColumns(const CoronaData& data);

struct CoronaBandMark {
  MarkRect Rect;
  int Grey = 0;
};
std::vector<CoronaBandMark> PlaceCoronaBands(const std::vector<CoronaColumn>& columns,
                                             const ButterflyScale& scale,
                                             VisibleColumns visible = {});

}  // namespace ardeno
