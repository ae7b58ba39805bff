// SPDX-License-Identifier: GPL-3.0-or-later
// ardeno-cli commands of the group statistics: the asymmetry and east-west text files, and the
// grids of the map data, group types, largest groups, evolution of a rotation and the
// per-rotation latitude statistics, printed one row per line with the cells joined by ";".
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/command_registry.h"
#include "cli/folder_loading.h"
#include "core/groups/asymmetry_grid.h"
#include "core/groups/east_west.h"
#include "core/groups/group_statistics.h"
#include "core/groups/group_text_files.h"
#include "core/groups/map_data.h"
#include "core/groups/rotation_evolution.h"
#include "core/text/core_text.h"

namespace ardeno::cli {

namespace {

constexpr const char* kAsymmetryUsage =
    CoreTextNoop("ardeno-cli", "asymmetry SLOŽKA monthly|yearly");
constexpr const char* kPositionsUsage =
    CoreTextNoop("ardeno-cli", "positions SLOŽKA daily|monthly|yearly [vše|A|B|C|D|E|F|G|h|J]");
constexpr const char* kMapDataUsage = CoreTextNoop("ardeno-cli", "map-data SLOŽKA");
constexpr const char* kGroupTypesUsage = CoreTextNoop("ardeno-cli", "group-types SLOŽKA");
constexpr const char* kLargestUsage = CoreTextNoop("ardeno-cli", "largest SLOŽKA ROK");
constexpr const char* kEvolutionUsage = CoreTextNoop("ardeno-cli", "evolution SLOŽKA OTOČKA");
constexpr const char* kRotationStatsUsage = CoreTextNoop("ardeno-cli", "rotation-stats SLOŽKA");

int Usage(const char* usage) {
  PrintUsage(usage);
  return 1;
}

std::optional<int> WholeNumber(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// Prints the table that `grid` makes of `data`. Scripts read the tables by their Czech headings,
// so the tables keep them whatever the language of the messages.
template <typename... Data>
void PrintTable(TextGrid (*grid)(const Data&...), const Data&... data) {
  const CzechTexts table;
  std::cout << GridLines(grid(data...));
}

// Loads the folder and computes the statistics; the notices of left-out records go to stderr.
std::optional<GroupStatistics> Load(const std::string& folder, const char* usage, Database& db) {
  LoadReport report;
  if (!LoadExistingFolder({folder}, usage, db, report)) return std::nullopt;
  GroupStatistics stats = ComputeGroupStatistics(db);
  for (const std::string& message : stats.LeftOutMessages()) std::cerr << message << "\n";
  return stats;
}

int Written(const std::optional<std::string>& error, const std::string& folder, const char* name) {
  if (error) {
    std::cerr << *error << "\n";
    return 1;
  }
  std::cout << (std::filesystem::path(folder) / kGroupFilesFolder / name).string() << "\n";
  return 0;
}

int AsymmetryCommand(const std::vector<std::string>& args) {
  if (args.size() != 2 || (args[1] != "monthly" && args[1] != "yearly"))
    return Usage(kAsymmetryUsage);
  Database db;
  const auto stats = Load(args[0], kAsymmetryUsage, db);
  if (!stats) return 1;
  const auto period = args[1] == "monthly" ? AsymmetryPeriod::Monthly : AsymmetryPeriod::Yearly;
  return StatusAfterOutput(db, Written(WriteAsymmetryFile(args[0], stats->Asymmetry, period),
                                       args[0], AsymmetryFileName(period)));
}

std::optional<PositionPeriod> PeriodNamed(const std::string& name) {
  if (name == "daily") return PositionPeriod::Daily;
  if (name == "monthly") return PositionPeriod::Monthly;
  if (name == "yearly") return PositionPeriod::Yearly;
  return std::nullopt;
}

int PositionsCommand(const std::vector<std::string>& args) {
  if (args.size() < 2 || args.size() > 3) return Usage(kPositionsUsage);
  const auto period = PeriodNamed(args[1]);
  const std::string filter = args.size() == 3 ? args[2] : std::string(kEastWestFilters[0]);
  bool filterKnown = false;
  for (std::string_view known : kEastWestFilters) filterKnown = filterKnown || known == filter;
  if (!period || !filterKnown) return Usage(kPositionsUsage);
  Database db;
  const auto stats = Load(args[0], kPositionsUsage, db);
  if (!stats) return 1;
  const TextGrid grid =
      EastWestGrid(ComputeZoneCounts(db, stats->Positions, *period, filter), *period);
  return StatusAfterOutput(
      db, Written(WritePositionsFile(args[0], grid, *period), args[0], PositionsFileName(*period)));
}

int MapDataCommand(const std::vector<std::string>& args) {
  if (args.size() != 1) return Usage(kMapDataUsage);
  Database db;
  const auto stats = Load(args[0], kMapDataUsage, db);
  if (!stats) return 1;
  PrintTable(MapDataGrid, stats->Rotations, stats->Classes);
  return StatusAfterOutput(db);
}

int GroupTypesCommand(const std::vector<std::string>& args) {
  if (args.size() != 1) return Usage(kGroupTypesUsage);
  Database db;
  const auto stats = Load(args[0], kGroupTypesUsage, db);
  if (!stats) return 1;
  PrintTable(TypeCountGrid, stats->Types);
  return StatusAfterOutput(db);
}

int LargestCommand(const std::vector<std::string>& args) {
  const auto year = args.size() == 2 ? WholeNumber(args[1]) : std::nullopt;
  if (!year) return Usage(kLargestUsage);
  Database db;
  LoadReport report;
  if (!LoadExistingFolder({args[0]}, kLargestUsage, db, report)) return 1;
  const YearRange years = RecordYears(db);
  if (*year < years.First || *year > years.Last) {
    std::cerr << FillText(
                     CoreText("ardeno-cli", "Rok %1 je mimo roky zákresů: zadej rok od %2 do %3."),
                     {std::to_string(*year), std::to_string(years.First),
                      std::to_string(years.Last)})
              << "\n";
    return 1;
  }
  PrintTable(LargestGroupsGrid, LargestGroups(db, *year));
  return StatusAfterOutput(db);
}

int EvolutionCommand(const std::vector<std::string>& args) {
  const auto rotation = args.size() == 2 ? WholeNumber(args[1]) : std::nullopt;
  if (!rotation) return Usage(kEvolutionUsage);
  Database db;
  LoadReport report;
  if (!LoadExistingFolder({args[0]}, kEvolutionUsage, db, report)) return 1;
  const int first = db.Record(1).Rotation();
  const int last = std::max(first, static_cast<int>(db.Record(db.RecordCount).Rotation()));
  if (*rotation < first || *rotation > last) {
    std::cerr << FillText(CoreText("ardeno-cli",
                                   "Otočka %1 je mimo otočky zákresů: zadej otočku od %2 do %3."),
                          {std::to_string(*rotation), std::to_string(first), std::to_string(last)})
              << "\n";
    return 1;
  }
  const RecordPositions positions = ComputeRecordPositions(db);
  const RotationEvolution evolution = [&] {
    const CzechTexts table;
    return ComputeRotationEvolution(db, positions, *rotation);
  }();
  if (!evolution.Shown) std::cerr << EvolutionNotShownMessage(evolution.Rotation) << "\n";
  std::cout << GridLines(evolution.Grid);
  return StatusAfterOutput(db);
}

std::string Decimals6(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.6f", value);
  return text;
}

int RotationStatsCommand(const std::vector<std::string>& args) {
  if (args.size() != 1) return Usage(kRotationStatsUsage);
  Database db;
  const auto stats = Load(args[0], kRotationStatsUsage, db);
  if (!stats) return 1;
  const RotationStatistics& r = stats->Rotations;
  const int count = r.RotationStatsCount();
  for (int k = 1; k <= count; ++k) {
    const RotationStats& s = r.At(k);
    const bool smoothed = k >= 3 && k <= count - 3;
    std::cout << k << ' ' << r.FirstRotation + k - 1 << ' ' << Decimals6(s.MeanNorth) << ' '
              << Decimals6(s.MeanSouth) << ' ' << s.GroupNumbersNorth << ' ' << s.GroupNumbersSouth
              << ' ' << s.HighestNorth10 << ' ' << s.LowestNorth10 << ' ' << s.MostSouthern10 << ' '
              << s.SouthNearestEquator10 << ' '
              << (smoothed ? Decimals6(r.SmoothedAt(k).North) : "0") << ' '
              << (smoothed ? Decimals6(r.SmoothedAt(k).South) : "0") << "\n";
  }
  return StatusAfterOutput(db);
}

const bool kRegistered =
    RegisterCommand({"asymmetry", kAsymmetryUsage, AsymmetryCommand}) &&
    RegisterCommand({"positions", kPositionsUsage, PositionsCommand}) &&
    RegisterCommand({"map-data", kMapDataUsage, MapDataCommand}) &&
    RegisterCommand({"group-types", kGroupTypesUsage, GroupTypesCommand}) &&
    RegisterCommand({"largest", kLargestUsage, LargestCommand}) &&
    RegisterCommand({"evolution", kEvolutionUsage, EvolutionCommand}) &&
    RegisterCommand({"rotation-stats", kRotationStatsUsage, RotationStatsCommand});

}  // namespace

}  // namespace ardeno::cli
