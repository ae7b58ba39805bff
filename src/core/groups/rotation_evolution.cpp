// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/groups/rotation_evolution.h"

#include <algorithm>
#include <cmath>

#include "core/groups/rotation_membership.h"
#include "core/groups/table_bounds.h"
#include "core/solar/day_results.h"
#include "core/text/core_text.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {

constexpr int kLowestRotationAccepted = 15;
constexpr double kLimbReduction = 0.001;

}  // namespace

int ClampEvolutionRotation(const Database& db, int rotation) {
  if (db.RecordCount < 1) return rotation;
  const int first = db.Record(1).Rotation();
  const int last = db.Record(db.RecordCount).Rotation();
  if (rotation < kLowestRotationAccepted) return first;
  return std::max(first, std::min(rotation, std::max(first, last)));
}

std::string EvolutionNotShownMessage(int rotation) {
  return FillText(CoreText("GroupTables",
                           "Vývoj skupin otočky %1 nelze ukázat: otočka nemá žádný "
                           "zákres nebo začíná zvlášťním zákresem."),
                  {std::to_string(rotation)});
}

int EvolutionCorrectedArea(const ObservationRecord& record, int k) {
  const double area =
      static_cast<double>(Round(record.Area(k) + kSmallSpotArea * record.SmallSpots(k)));
  // A damaged distance past the limb is taken on the limb.
  const double rho = std::min<double>(record.Distance10(k), kStandardRadius10) / kStandardRadius10 -
                     kLimbReduction;
  return static_cast<int>(Round(area * 0.5 / std::sqrt(1 - rho * rho)));
}

RotationEvolution ComputeRotationEvolution(const Database& db, const RecordPositions& positions,
                                           int rotation) {
  RotationEvolution evolution;
  evolution.Rotation = rotation;
  auto& headers = evolution.Grid.AddRow(1);
  headers[0] = CoreText("GroupTables", "Skupina");
  const RecordWindow window = RotationRecordWindow(db, rotation);
  if (window.First == 0 || positions.Count() < db.RecordCount) return evolution;
  int firstOfRotation = window.First;
  while (db.Record(firstOfRotation).Rotation() != rotation) ++firstOfRotation;
  if (db.Record(firstOfRotation).IsSpecial()) return evolution;

  // Records more than 41 days after the first one shown are not shown.
  const RecordPosition& start = positions.Record(window.First);
  int last = window.Last;
  if (start.HasDate) {
    const std::int64_t t0 = DaySerial(start.Date);
    for (int i = window.First; i <= window.Last; ++i) {
      const RecordPosition& where = positions.Record(i);
      if (where.HasDate && DaySerial(where.Date) - t0 > kRotationWindowDays) {
        last = i - 1;
        break;
      }
    }
  }
  evolution.Shown = true;
  evolution.FirstRecord = window.First;
  evolution.LastRecord = last;

  const int columns = last - window.First + 2;
  TextGrid grid;
  grid.AddRow(columns)[0] = headers[0];
  for (int n = 1; n <= kMaxRotationGroupNumber; ++n) grid.AddRow()[0] = "   " + std::to_string(n);
  for (int i = window.First; i <= last; ++i) {
    const int column = i - window.First + 1;
    const ObservationRecord& record = db.Record(i);
    grid.Cell(0, column) = record.Date();
    const RecordPosition& where = positions.Record(i);
    if (!where.HasDate) continue;
    const auto groups = positions.GroupsOf(i);
    for (int k = 1; k <= static_cast<int>(groups.size()); ++k) {
      const int n = record.RotationGroupNumber(k);
      if (n < 1 || n > kMaxRotationGroupNumber) continue;
      if (!GroupBelongsToRotation(groups[static_cast<std::size_t>(k - 1)].HelioLongitude,
                                  where.Eph.EphL0, record.Rotation(), rotation)) {
        continue;
      }
      grid.Cell(n, column) = std::to_string(record.SpotCount(k)) + "  " + record.GroupType(k) +
                             "  " + std::to_string(EvolutionCorrectedArea(record, k));
    }
  }
  evolution.Grid = std::move(grid);
  return evolution;
}

}  // namespace ardeno
