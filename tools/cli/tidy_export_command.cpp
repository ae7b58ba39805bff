// SPDX-License-Identifier: GPL-3.0-or-later
// ardeno-cli export-csv DIR OUT-FOLDER: days.csv, groups.csv and faculae.csv for data tools.
#include <iostream>
#include <string>
#include <vector>

#include "cli/command_registry.h"
#include "cli/folder_loading.h"
#include "core/reports/tidy_csv.h"
#include "core/text/core_text.h"

namespace ardeno::cli {

namespace {

int ExportCsv(const std::vector<std::string>& args) {
  constexpr const char* kUsage = CoreTextNoop("ardeno-cli", "export-csv SLOŽKA VÝSTUPNÍ-SLOŽKA");
  if (args.size() != 2) {
    PrintUsage(kUsage);
    return 1;
  }
  Database db;
  LoadReport report;
  if (!LoadExistingFolder({args[0]}, kUsage, db, report)) return 1;
  const TidyTables tables = BuildTidyTables(db, ComputeRecordPositions(db));
  if (const auto refusal = WriteTidyTables(args[1], tables)) {
    std::cerr << *refusal << "\n";
    return 1;
  }
  std::cout << FillText(CoreText("ardeno-cli", "Zákresů: %1"), {std::to_string(tables.Drawings)})
            << "\n";
  return StatusAfterOutput(db);
}

const bool kRegistered = RegisterCommand(
    {"export-csv", CoreTextNoop("ardeno-cli", "export-csv SLOŽKA VÝSTUPNÍ-SLOŽKA"), ExportCsv});

}  // namespace

}  // namespace ardeno::cli
