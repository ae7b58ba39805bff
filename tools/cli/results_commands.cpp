// SPDX-License-Identifier: GPL-3.0-or-later
// ardeno-cli monthly-csv DIR measured|smoothed 1|2|3 and quiet-days DIR [YEAR]: the monthly table
// CSV exactly as "Do CSV souboru" writes it, and the days without activity; monthly-stats DIR
// 1|2|3 [INDEX]: each month's days, mean, scatter, standard error and provisional flag (own
// drawings unless --all).
#include <algorithm>
#include <charconv>
#include <iostream>
#include <string>
#include <vector>

#include "cli/command_registry.h"
#include "cli/folder_loading.h"
#include "core/graphs/smoothed_graph_kinds.h"
#include "core/results/measured_table.h"
#include "core/results/monthly_csv.h"
#include "core/results/monthly_uncertainty.h"
#include "core/results/quiet_days.h"
#include "core/results/smoothed_table.h"
#include "core/text/core_text.h"
#include "core/text/dates.h"

namespace ardeno::cli {

namespace {

constexpr const char* kMonthlyCsvUsage =
    CoreTextNoop("ardeno-cli", "monthly-csv SLOŽKA measured|smoothed 1|2|3");
constexpr const char* kQuietDaysUsage = CoreTextNoop("ardeno-cli", "quiet-days SLOŽKA [ROK]");
constexpr const char* kMonthlyStatsUsage = CoreTextNoop(
    "ardeno-cli",
    "monthly-stats SLOŽKA 1|2|3 [g|f|r|cv|sn|rb|area|hemisphere-area] [--smoothed] [--all]");

std::optional<int> WholeNumber(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

int MonthlyCsv(const std::vector<std::string>& args) {
  const bool kindKnown = args.size() == 3 && (args[1] == "measured" || args[1] == "smoothed");
  const auto side = args.size() == 3 ? WholeNumber(args[2]) : std::nullopt;
  if (!kindKnown || !side || *side < 1 || *side > 3) {
    PrintUsage(kMonthlyCsvUsage);
    return 1;
  }
  Database db;
  LoadReport report;
  if (!LoadExistingFolder({args[0]}, kMonthlyCsvUsage, db, report)) return 1;
  const auto kind = args[1] == "measured" ? MonthlyTableKind::Measured : MonthlyTableKind::Smoothed;
  const auto hemisphere = static_cast<Hemisphere>(*side);
  if (kind == MonthlyTableKind::Smoothed) {
    if (const auto refusal = CheckSmoothedSpan(db)) {
      std::cerr << *refusal << "\n";
      return 1;
    }
  }
  const RecordMonths months = CollectMonths(db);
  const MonthlyTable table = kind == MonthlyTableKind::Measured
                                 ? BuildMeasuredTable(months, hemisphere)
                                 : BuildSmoothedTable(months, hemisphere);
  if (const auto error = WriteMonthlyCsv(args[0], table, kind, hemisphere)) {
    std::cerr << *error << "\n";
    return 1;
  }
  std::cout << MonthlyCsvPath(args[0], kind, hemisphere).string() << "\n";
  return StatusAfterOutput(db);
}

int QuietDaysCommand(const std::vector<std::string>& args) {
  const auto year = args.size() == 2 ? WholeNumber(args[1]) : std::nullopt;
  if (args.empty() || args.size() > 2 || (args.size() == 2 && !year)) {
    PrintUsage(kQuietDaysUsage);
    return 1;
  }
  Database db;
  LoadReport report;
  if (!LoadExistingFolder({args[0]}, kQuietDaysUsage, db, report)) return 1;
  if (year && !PeriodInRecords(db, *year)) return 1;
  for (const CalendarDate& day : QuietDays(db)) {
    if (!year || day.Year == *year) std::cout << FormatDate(day) << "\n";
  }
  return StatusAfterOutput(db);
}

int MonthlyStats(std::vector<std::string> args) {
  // --smoothed: the 13-month smoothed values with the months behind them instead; --all: the
  // catalogue days averaged in as well.
  const auto flag = [&args](const char* name) {
    const auto found = std::find(args.begin(), args.end(), name);
    if (found == args.end()) return false;
    args.erase(found);
    return true;
  };
  const bool smoothed = flag("--smoothed");
  const RecordChoice choice = flag("--all") ? RecordChoice::AllRecords : RecordChoice::OwnDrawings;
  const auto side = args.size() >= 2 ? WholeNumber(args[1]) : std::nullopt;
  const auto index =
      args.size() == 3 ? SmoothedIndexByCommandName(args[2]) : std::optional(SmoothedIndex::R);
  if (args.size() < 2 || args.size() > 3 || !side || *side < 1 || *side > 3 || !index) {
    PrintUsage(kMonthlyStatsUsage);
    return 1;
  }
  Database db;
  LoadReport report;
  if (!LoadExistingFolder({args[0]}, kMonthlyStatsUsage, db, report)) return 1;
  // The measured table's eight quantities in the order of the graphs' indices.
  const auto quantity = static_cast<Quantity>(static_cast<int>(*index) - 1);
  const RecordMonths records = CollectMonths(db, choice);
  std::cerr << AveragedRecordsText(records) << "\n";
  const auto months =
      MonthlyUncertainty(db, records, quantity, static_cast<Hemisphere>(*side), InvocationDate());
  std::cout << (smoothed ? UncertaintyCsv(SmoothedUncertaintyRows(SmoothedUncertaintyOf(months)))
                         : UncertaintyCsv(MonthlyUncertaintyRows(months)));
  return StatusAfterOutput(db);
}

const bool kRegistered = RegisterCommand({"monthly-csv", kMonthlyCsvUsage, MonthlyCsv}) &&
                         RegisterCommand({"quiet-days", kQuietDaysUsage, QuietDaysCommand}) &&
                         RegisterCommand({"monthly-stats", kMonthlyStatsUsage, MonthlyStats});

}  // namespace

}  // namespace ardeno::cli
