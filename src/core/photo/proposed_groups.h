// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The groups a read drawing proposes, taken into the photo window's pending groups so that they
// are stored exactly as groups measured by hand ("Zapiš skupiny").
#include <vector>

#include "core/photo/photo_groups.h"
#include "core/photo/spot_groups.h"

namespace ardeno {

// Sequence numbers 1..n in the order given (west to east), at most kMaxGroups; the class the
// proposed one, left for the observer to confirm in the record editor; places and areas on a
// drawing of `drawingRadius` millimetres (0: the standard 125 mm).
PendingGroups PendingFromProposed(const std::vector<ProposedGroup>& groups, float drawingRadius);

}  // namespace ardeno
