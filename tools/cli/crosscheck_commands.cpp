// SPDX-License-Identifier: GPL-3.0-or-later
// ardeno-cli crosscheck DIR SRS...: the station's drawings against NOAA's Solar Region Summaries.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/command_registry.h"
#include "cli/folder_loading.h"
#include "core/quality/noaa_crosscheck.h"
#include "core/quality/noaa_regions.h"
#include "core/text/core_text.h"

namespace ardeno::cli {

namespace {

constexpr const char* kCrossCheckUsage =
    CoreTextNoop("ardeno-cli", "crosscheck SLOŽKA SRS_SOUBOR|SLOŽKA_SRS...");

int CrossCheckCommand(const std::vector<std::string>& args) {
  if (args.size() < 2) {
    PrintUsage(kCrossCheckUsage);
    return 1;
  }
  Database db;
  LoadReport load;
  if (!LoadExistingFolder({args[0]}, kCrossCheckUsage, db, load)) return 1;
  std::vector<std::filesystem::path> inputs(args.begin() + 1, args.end());
  std::vector<std::string> problems;
  const std::vector<SourceDay> reports = ReadReportFiles(inputs, problems);
  PrintUnreadable(problems);
  // Nothing to compare with is no agreement: "0 compared" would read as a clean result.
  if (reports.empty()) {
    std::cerr << CoreText("ardeno-cli",
                          "V zadaných souborech SRS není žádný den zprávy, není s čím porovnávat.")
              << "\n";
    return 1;
  }
  const CrossCheckResult result = CrossCheck(db, ComputeRecordPositions(db), reports);
  for (const auto& line : result.Lines) std::cout << line << "\n";
  std::cout << FillText(CoreText("ardeno-cli", "Porovnáno zákresů: %1"),
                        {std::to_string(result.Drawings)})
            << "\n";
  std::cout << CrossCheckSummary(result) << "\n";
  // A report that could not be read leaves its days out of the comparison.
  return StatusAfterOutput(db, problems.empty() ? 0 : 1);
}

const bool kRegistered = RegisterCommand({"crosscheck", kCrossCheckUsage, CrossCheckCommand});

}  // namespace

}  // namespace ardeno::cli
