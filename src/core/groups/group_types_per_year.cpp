// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/groups/group_types_per_year.h"

#include <algorithm>
#include <optional>

#include "core/data/record_fields.h"
#include "core/solar/day_results.h"
#include "core/text/core_text.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {

constexpr int kOtherTypes = static_cast<int>(GroupTypes.size());

int GroupAreaWithSmallSpots(const ObservationRecord& record, int k) {
  return static_cast<int>(Round(record.Area(k) + kSmallSpotArea * record.SmallSpots(k)));
}

}  // namespace

TypeCountTable ComputeTypeCounts(const RecordPositions& positions) {
  TypeCountTable table;
  const auto dated = [](const RecordPosition& r) { return r.HasDate; };
  const auto first = std::find_if(positions.Records.begin(), positions.Records.end(), dated);
  const auto last = std::find_if(positions.Records.rbegin(), positions.Records.rend(), dated);
  if (first == positions.Records.end() || first->Date.Year == 0 ||
      last->Date.Year < first->Date.Year)
    return table;
  table.FirstYear = first->Date.Year;
  table.Years.resize(static_cast<std::size_t>(last->Date.Year - table.FirstYear + 1));
  for (int i = 1; i <= positions.Count(); ++i) {
    const RecordPosition& where = positions.Record(i);
    const int y = where.Date.Year - table.FirstYear;
    if (!where.HasDate || y < 0 || y >= static_cast<int>(table.Years.size())) continue;
    TypeCounts& counts = table.Years[static_cast<std::size_t>(y)];
    for (const GroupFacts& group : positions.FactsOf(i)) {
      counts[static_cast<std::size_t>(group.TypeValue == 0 ? kOtherTypes : group.TypeValue - 1)] +=
          1;
    }
  }
  return table;
}

TextGrid TypeCountGrid(const TypeCountTable& table) {
  TextGrid grid;
  auto& headers = grid.AddRow(static_cast<int>(table.Years.size()) + 1);
  headers[0] = CoreText("GroupTables", "Typ");
  for (std::size_t y = 0; y < table.Years.size(); ++y) {
    headers[y + 1] = std::to_string(table.FirstYear + static_cast<int>(y));
  }
  for (int t = 0; t <= kOtherTypes; ++t) {
    auto& cells = grid.AddRow();
    cells[0] = t < kOtherTypes ? std::string(GroupTypes[static_cast<std::size_t>(t)])
                               : CoreText("GroupTables", "jiný");
    for (std::size_t y = 0; y < table.Years.size(); ++y) {
      cells[y + 1] = std::to_string(table.Years[y][static_cast<std::size_t>(t)]);
    }
  }
  return grid;
}

YearRange RecordYears(const Database& db) {
  YearRange range;
  for (int i = 1; i <= db.RecordCount; ++i) {
    if (const auto date = RecordDate(db.Record(i))) {
      range.First = date->Year;
      break;
    }
  }
  for (int i = db.RecordCount; i >= 1; --i) {
    if (const auto date = RecordDate(db.Record(i))) {
      range.Last = date->Year;
      break;
    }
  }
  return range;
}

std::vector<LargeGroup> LargestGroups(const Database& db, int year) {
  std::vector<LargeGroup> largest;
  for (int i = 1; i <= db.RecordCount; ++i) {
    const ObservationRecord& record = db.Record(i);
    if (record.IsSpecial()) continue;
    const std::optional<CalendarDate> date = RecordDate(record);
    if (!date || date->Year != year) continue;
    for (int k = 1; k <= record.GroupCount(); ++k) {
      const int area = GroupAreaWithSmallSpots(record, k);
      if (area < 1) continue;
      if (static_cast<int>(largest.size()) == kLargestGroupsShown && area <= largest.back().Area) {
        continue;
      }
      const auto place = std::upper_bound(largest.begin(), largest.end(), area,
                                          [](int a, const LargeGroup& g) { return a > g.Area; });
      largest.insert(place, LargeGroup{record.Date(), record.GroupType(k),
                                       record.RotationGroupNumber(k), area, record.Rotation()});
      if (static_cast<int>(largest.size()) > kLargestGroupsShown) largest.pop_back();
    }
  }
  return largest;
}

TextGrid LargestGroupsGrid(const std::vector<LargeGroup>& groups) {
  TextGrid grid;
  grid.AddRow(6) = {CoreText("GroupTables", "Pořadí"), CoreText("GroupTables", "Datum"),
                    CoreText("GroupTables", "Typ"),    CoreText("GroupTables", "Č.sk."),
                    CoreText("GroupTables", "Plocha"), CoreText("GroupTables", "Rotace")};
  int rank = 0;
  for (const LargeGroup& g : groups) {
    grid.AddRow() = {std::to_string(++rank),
                     g.Date,
                     g.Type,
                     std::to_string(g.RotationGroupNumber),
                     std::to_string(g.Area),
                     std::to_string(g.Rotation)};
  }
  return grid;
}

}  // namespace ardeno
