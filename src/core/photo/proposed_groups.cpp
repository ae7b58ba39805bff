// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/photo/proposed_groups.h"

#include "core/photo/photo_geometry.h"

namespace ardeno {

namespace {

constexpr double kMillionthsPerSquareMm = 20.4;  // of the disk, on the 125 mm drawing
constexpr int kPositionDegreeFactor = 128;       // packed place: whole degrees * 128 + millimetres

// An auxiliary spot's packed place and area (millionths of the disk) on a drawing `scale` times
// the standard one; an empty place stays empty. Areas in square millimetres are scaled once, as
// the stored areas are scaled back (millionths = 20.4 * mm2 * 125 / radius).
PendingPoint AuxPoint(std::uint16_t packed, std::uint16_t millionths, double scale) {
  if (packed == 0) return {};
  return {static_cast<double>(packed / kPositionDegreeFactor),
          static_cast<double>(packed % kPositionDegreeFactor) * scale,
          millionths / kMillionthsPerSquareMm * scale};
}

}  // namespace

PendingGroups PendingFromProposed(const std::vector<ProposedGroup>& groups, float drawingRadius) {
  const double scale = drawingRadius > 0 ? drawingRadius / kPhotoStandardRadiusMm : 1.0;
  PendingGroups pending;
  int sequence = 0;
  for (const ProposedGroup& g : groups) {
    if (sequence == kMaxGroups) break;
    PendingGroup group;
    group.Type = g.ProposedClass;
    group.Spots = g.SpotCount;
    group.Penumbral = g.PenumbralCount;
    group.Group = {g.Angle10 / 10.0, g.Distance10 / 10.0 * scale,
                   g.AreaDisk / kMillionthsPerSquareMm * scale};
    group.Aux1 = AuxPoint(g.Aux1Position, g.Aux1Area, scale);
    group.Aux2 = AuxPoint(g.Aux2Position, g.Aux2Area, scale);
    pending[++sequence] = group;
  }
  return pending;
}

}  // namespace ardeno
