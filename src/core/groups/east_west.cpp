// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/groups/east_west.h"

#include "core/data/record_fields.h"
#include "core/groups/group_text_files.h"
#include "core/text/core_text.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {

constexpr std::array<double, kEastWestZones + 1> kZoneBounds = {-90, -60, -30, 0, 30, 60, 90};
constexpr std::array<const char*, kEastWestZones> kZoneHeaders = {"-90..-60", "-60..-30", "-30..0",
                                                                  "0..30",    "30..60",   "60..90"};
constexpr int kSpotColumn = 8;  // first spot zone column; column 7 separates the two sets
constexpr int kGridColumns = 14;

std::string RightAligned(std::string_view text, int width) {
  const int pad = width - static_cast<int>(text.size());
  return std::string(static_cast<std::size_t>(pad > 0 ? pad : 0), ' ') + std::string(text);
}

std::string PeriodLabel(const CalendarDate& date, PositionPeriod period) {
  switch (period) {
    case PositionPeriod::Daily:
      return FormatDate(date);
    case PositionPeriod::Monthly:
      return FormatFloat("00", date.Month) + "." + std::to_string(date.Year);
    case PositionPeriod::Yearly:
      return std::to_string(date.Year);
  }
  return {};
}

bool SamePeriod(const CalendarDate& a, const CalendarDate& b, PositionPeriod period) {
  if (a.Year != b.Year) return false;
  if (period == PositionPeriod::Yearly) return true;
  if (a.Month != b.Month) return false;
  return period == PositionPeriod::Monthly || a.Day == b.Day;
}

std::string ZoneHeaderLine(const std::array<const char*, kEastWestZones>& bounds) {
  std::string half;
  for (const char* text : bounds) half += RightAligned(text, 6);
  return std::string(10, ' ') + half + "|" + half;
}

}  // namespace

int EastWestZone(double x) {
  for (int z = 0; z < kEastWestZones; ++z) {
    if (kZoneBounds[static_cast<std::size_t>(z)] < x &&
        x < kZoneBounds[static_cast<std::size_t>(z + 1)]) {
      return z;
    }
  }
  return -1;
}

bool PassesTypeFilter(char letter, std::string_view filter) {
  if (filter == kEastWestFilters[0]) return true;
  return letter != '\0' && filter.size() == 1 && letter == filter[0];
}

std::vector<ZoneCounts> ComputeZoneCounts(const Database& db, const RecordPositions& positions,
                                          PositionPeriod period, std::string_view filter) {
  std::vector<ZoneCounts> zones;
  std::optional<CalendarDate> current;
  for (int i = 1; i <= db.RecordCount && i <= positions.Count(); ++i) {
    const ObservationRecord& record = db.Record(i);
    const RecordPosition& where = positions.Record(i);
    if (record.IsSpecial() || !where.HasDate) continue;
    if (!current || !SamePeriod(*current, where.Date, period)) {
      zones.push_back({PeriodLabel(where.Date, period), {}, {}});
      current = where.Date;
    }
    ZoneCounts& counts = zones.back();
    const auto groups = positions.GroupsOf(i);
    for (int k = 1; k <= static_cast<int>(groups.size()); ++k) {
      if (!PassesTypeFilter(GroupTypeLetter(record, k), filter)) continue;
      const double x = groups[static_cast<std::size_t>(k - 1)].CentralMeridianDistance;
      if (x == 0) continue;  // exactly on the central meridian: in no zone
      const int zone = EastWestZone(x);
      if (zone < 0) continue;
      counts.Groups[static_cast<std::size_t>(zone)] += 1;
      counts.Spots[static_cast<std::size_t>(zone)] += record.SpotCount(k);
    }
  }
  return zones;
}

TextGrid EastWestGrid(const std::vector<ZoneCounts>& zones, PositionPeriod period) {
  TextGrid grid;
  auto& headers = grid.AddRow(kGridColumns);
  headers[0] = period == PositionPeriod::Daily     ? CoreText("GroupTables", "Datum")
               : period == PositionPeriod::Monthly ? CoreText("GroupTables", "Měsíc")
                                                   : CoreText("GroupTables", "Rok");
  for (int z = 0; z < kEastWestZones; ++z) {
    headers[static_cast<std::size_t>(1 + z)] = kZoneHeaders[static_cast<std::size_t>(z)];
    headers[static_cast<std::size_t>(kSpotColumn + z)] = kZoneHeaders[static_cast<std::size_t>(z)];
  }
  for (const ZoneCounts& counts : zones) {
    auto& cells = grid.AddRow();
    cells[0] = counts.Label;
    for (int z = 0; z < kEastWestZones; ++z) {
      cells[static_cast<std::size_t>(1 + z)] =
          std::to_string(counts.Groups[static_cast<std::size_t>(z)]);
      cells[static_cast<std::size_t>(kSpotColumn + z)] =
          std::to_string(counts.Spots[static_cast<std::size_t>(z)]);
    }
  }
  return grid;
}

const char* PositionsFileName(PositionPeriod period) {
  switch (period) {
    case PositionPeriod::Daily:
      return "polohydeni.dat";
    case PositionPeriod::Monthly:
      return "polohymesicni.dat";
    case PositionPeriod::Yearly:
      return "polohyrocni.dat";
  }
  return "";
}

std::vector<std::string> PositionsFileLines(const TextGrid& grid) {
  std::vector<std::string> lines;
  lines.push_back(RightAligned("Polohy skupin         ", 46) +
                  RightAligned(" Plolohy skvrn   ", 46));
  lines.push_back(ZoneHeaderLine({"-90 ", "-60 ", "-30 ", "0 ", "30 ", "60"}));
  lines.push_back(ZoneHeaderLine({"-60 ", "-30 ", "0 ", "30 ", "60 ", "90"}));
  lines.push_back(RightAligned("Datum", 10));
  for (int r = 1; r < grid.RowCount(); ++r) {
    std::string line = TrimmedRight(grid.Cell(r, 0), 10);
    for (int z = 0; z < kEastWestZones; ++z) line += TrimmedRight(grid.Cell(r, 1 + z), 6);
    line += "|";
    for (int z = 0; z < kEastWestZones; ++z) line += TrimmedRight(grid.Cell(r, kSpotColumn + z), 6);
    lines.push_back(line);
  }
  return lines;
}

Refusal WritePositionsFile(const std::filesystem::path& progDir, const TextGrid& grid,
                           PositionPeriod period) {
  return WriteGroupTextFile(progDir, PositionsFileName(period), PositionsFileLines(grid));
}

}  // namespace ardeno
