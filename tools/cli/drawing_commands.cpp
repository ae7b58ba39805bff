// SPDX-License-Identifier: GPL-3.0-or-later
// ardeno-cli recompute, merge, equal-dates and coordinates: the drawing window's database
// commands and the printed ephemeris without a screen.
#include <iostream>
#include <optional>
#include <string>
#include <variant>

#include "cli/command_registry.h"
#include "cli/folder_loading.h"
#include "core/data/equal_dates.h"
#include "core/data/merge_records.h"
#include "core/entry/cell_numbers.h"
#include "core/solar/coordinate_table.h"
#include "core/solar/recompute_results.h"
#include "core/text/core_text.h"

namespace ardeno::cli {

namespace {

int Fail(const std::string& message) {
  std::cerr << message << "\n";
  return 1;
}

int Recompute(const std::vector<std::string>& args) {
  Database db;
  LoadReport report;
  FolderLock lock;
  if (!LoadFolderForChange(args, "recompute SLOŽKA", db, report, lock)) return 1;
  const RecomputeOutcome outcome = RecomputeAllResults(db);
  if (const auto error = SaveFolder(args[0], db)) return Fail(*error);
  std::cout << FillText(CoreText("ardeno-cli",
                                 "Přepočteno záznamů: %1, doplněný čas 12:00: %2, nečitelné datum: "
                                 "%3"),
                        {std::to_string(outcome.Recomputed), std::to_string(outcome.TimeRepairs),
                         std::to_string(outcome.UnreadableDates)})
            << "\n";
  return 0;
}

constexpr const char* kMergeUsage =
    CoreTextNoop("ardeno-cli", "merge SLOŽKA JINÝ.dat [--skip-equal-dates]");

int Merge(const std::vector<std::string>& args) {
  const bool skip = args.size() == 3 && args[2] == "--skip-equal-dates";
  if (args.size() != 2 && !skip) {
    PrintUsage(kMergeUsage);
    return 1;
  }
  Database db;
  LoadReport report;
  FolderLock lock;
  if (!LoadFolderForChange({args[0]}, kMergeUsage, db, report, lock)) return 1;
  if (const auto own = RefuseOwnDataFile(args[1], args[0])) return Fail(*own);
  const auto read = ReadMergeFile(args[1]);
  if (const auto* refusal = std::get_if<std::string>(&read)) return Fail(*refusal);
  const auto& added = std::get<std::vector<ObservationRecord>>(read);
  const int equal = CountEqualDates(db, added);
  const auto merged = MergeRecords(db, added, skip);
  if (const auto* refusal = std::get_if<std::string>(&merged)) return Fail(*refusal);
  if (const auto error = SaveFolder(args[0], db)) return Fail(*error);
  const MergeOutcome& outcome = std::get<MergeOutcome>(merged);
  std::cout << FillText(CoreText("ardeno-cli",
                                 "Přidáno záznamů: %1, vynecháno: %2, shodná data: %3, záznamů "
                                 "celkem: %4, už v datech (stejné bajt po bajtu): %5"),
                        {std::to_string(outcome.Added), std::to_string(outcome.LeftOut),
                         std::to_string(equal), std::to_string(db.RecordCount),
                         std::to_string(outcome.Duplicates)})
            << "\n";
  // The good drawings are stored; the refused ones were named and the merge was not whole.
  if (outcome.Refused == 0) return 0;
  return Fail(outcome.RefusedMessage);
}

int EqualDates(const std::vector<std::string>& args) {
  Database db;
  LoadReport report;
  if (!LoadExistingFolder(args, "equal-dates SLOŽKA", db, report)) return 1;
  for (int index : RecordsWithEqualNeighbour(db))
    std::cout << index << " " << db.Record(index).Date() << "\n";
  return StatusAfterOutput(db);
}

int Coordinates(const std::vector<std::string>& args) {
  const auto usage = [] {
    PrintUsage(CoreTextNoop("ardeno-cli", "coordinates ROK PRVNÍ-MĚSÍC (1, 5 nebo 9)"));
    return 1;
  };
  if (args.size() != 2) return usage();
  const std::optional<std::int64_t> year = ParseWholeNumber(args[0]);
  const std::optional<std::int64_t> month = ParseWholeNumber(args[1]);
  if (!year || *year < 1 || *year > 9999)
    return Fail(CoreText("ardeno-cli", "Rok musí být číslo od 1 do 9999."));
  if (!month || (*month != 1 && *month != 5 && *month != 9)) return usage();
  std::cout << CoordinateTableText(
      BuildCoordinateTable(static_cast<int>(*year), static_cast<int>(*month) - 1));
  return 0;
}

const bool kRegistered =
    RegisterCommand({"recompute", CoreTextNoop("ardeno-cli", "recompute SLOŽKA"), Recompute}) &&
    RegisterCommand({"merge", kMergeUsage, Merge}) &&
    RegisterCommand(
        {"equal-dates", CoreTextNoop("ardeno-cli", "equal-dates SLOŽKA"), EqualDates}) &&
    RegisterCommand(
        {"coordinates", CoreTextNoop("ardeno-cli", "coordinates ROK PRVNÍ-MĚSÍC"), Coordinates});

}  // namespace

}  // namespace ardeno::cli
