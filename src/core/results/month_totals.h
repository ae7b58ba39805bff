// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One month's sums of the daily values every record carries in its results block, and the rule by
// which a record counts for the whole disk, for a hemisphere and for the areas.
#include <array>
#include <cstdint>

#include "core/data/observation_record.h"

namespace ardeno {

// The hemisphere selection of the statistics views.
enum class Hemisphere : int { Whole = 1, North = 2, South = 3 };

// The eight daily quantities, in the order of the sums and of the table columns.
enum class Quantity : int { G = 0, F, R, CV, SN, RB, Area, CorrectedArea };
inline constexpr int kQuantityCount = 8;
// g, f, R, CV, SN and RB count for special records too; the two areas never do.
inline constexpr int kCountQuantities = 6;

// Index of the first of the seven record-header sums (central groups, spots, R, facular fields,
// conditions, image quality, Q), after the 8 x 3 hemisphere sums.
inline constexpr int kCentralGroupsEntry = 24;
inline constexpr int kMonthTotalsEntries = 31;

struct MonthTotals {
  // 0..23: quantity q for hemisphere h at 3q + h - 1; 24..30 the header values.
  std::array<std::int32_t, kMonthTotalsEntries> Sums{};
  int Records = 0;
  int SpecialRecords = 0;
  // Normal records and special records with a hemisphere marker.
  int HemisphereRecords = 0;

  std::int32_t Sum(Quantity q, Hemisphere h) const {
    return Sums[static_cast<std::size_t>(3 * static_cast<int>(q) + static_cast<int>(h) - 1)];
  }
  int NormalRecords() const { return Records - SpecialRecords; }
};

// The first group stands at the north or south marker position, stored for a group whose
// hemisphere alone is known.
bool HasHemisphereMarker(const ObservationRecord& record);

// Group k was drawn where it stands: not a group of a special drawing (counted, not drawn) and
// not at a hemisphere marker. Only such a group has a heliographic place and a disk area.
bool GroupHasPlace(const ObservationRecord& record, int k);

// Adds one record and counts it: whole-disk g, f, R, CV, SN and RB always; their hemisphere
// values unless the record is special without a marker; the areas for normal records only.
void AddRecordToTotals(MonthTotals& totals, const ObservationRecord& record);

}  // namespace ardeno
