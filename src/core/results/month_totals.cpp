// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/results/month_totals.h"

namespace ardeno {

namespace {

// Results-block words of quantity q for the north and the south.
int NorthWord(int q) { return kGroupsN + q; }
int SouthWord(int q) { return kGroupsS + q; }

bool AtMarker(const ObservationRecord& record, int k) {
  const int angle = record.Angle10(k);
  return record.Distance10(k) == kMarkerDistance10 &&
         (angle == kNorthMarkerAngle10 || angle == kSouthMarkerAngle10);
}

}  // namespace

bool HasHemisphereMarker(const ObservationRecord& record) { return AtMarker(record, 1); }

bool GroupHasPlace(const ObservationRecord& record, int k) {
  return !record.IsSpecial() && !AtMarker(record, k);
}

void AddRecordToTotals(MonthTotals& totals, const ObservationRecord& record) {
  const bool special = record.IsSpecial();
  const bool hemispheres = !special || HasHemisphereMarker(record);
  ++totals.Records;
  if (special) ++totals.SpecialRecords;
  if (hemispheres) ++totals.HemisphereRecords;

  auto& sums = totals.Sums;
  const auto add = [&](int q, bool withHemispheres) {
    const std::int32_t north = record.ResultWord(NorthWord(q));
    const std::int32_t south = record.ResultWord(SouthWord(q));
    sums[3 * q] += north + south;
    if (!withHemispheres) return;
    sums[3 * q + 1] += north;
    sums[3 * q + 2] += south;
  };
  for (int q = 0; q < kCountQuantities; ++q) add(q, hemispheres);
  const std::uint16_t header[] = {
      record.CentralGroups(), record.CentralSpots(), record.CentralR(), record.FacularFields(),
      record.Conditions(),    record.ImageQuality(), record.QualityQ()};
  for (int i = 0; i < 7; ++i) sums[kCentralGroupsEntry + i] += header[i];
  if (special) return;
  for (int q = kCountQuantities; q < kQuantityCount; ++q) add(q, true);
}

}  // namespace ardeno
