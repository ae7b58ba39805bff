// SPDX-License-Identifier: GPL-3.0-or-later
// ardeno-cli lint DIR [M.YYYY|YYYY]: the plausibility checks of the drawings, one finding a line.
#include <iostream>
#include <string>
#include <vector>

#include "cli/command_registry.h"
#include "cli/folder_loading.h"
#include "core/quality/quality_checks.h"
#include "core/text/core_text.h"

namespace ardeno::cli {

namespace {

constexpr const char* kLintUsage = CoreTextNoop("ardeno-cli", "lint SLOŽKA [M.RRRR|RRRR]");

// Exit status: 0 no finding, 1 findings, 2 the folder or the period could not be used.
int Lint(const std::vector<std::string>& args) {
  if (args.empty() || args.size() > 2) {
    PrintUsage(kLintUsage);
    return 2;
  }
  QualityPeriod period;
  if (args.size() == 2) {
    const auto parsed = ParseQualityPeriod(args[1]);
    if (!parsed || args[1].empty()) {
      std::cerr << FillText(CoreText("ardeno-cli", "Období \"%1\": %2"),
                            {args[1], CoreText("Quality", kQualityPeriodRule)})
                << "\n";
      return 2;
    }
    period = *parsed;
  }
  Database db;
  LoadReport load;
  if (!LoadExistingFolder({args[0]}, kLintUsage, db, load)) return 2;
  if (period.Year != 0 && !PeriodInRecords(db, period.Year, period.Month)) return 2;
  const RecordPositions positions = ComputeRecordPositions(db);
  std::vector<std::string> messages;
  const QualityReport report =
      CheckFolderQuality(args[0], db, positions, LastChangeSeconds(db, std::nullopt), messages);
  for (const auto& message : messages) std::cerr << message << "\n";
  for (const auto& skipped : report.Skipped) std::cerr << skipped << "\n";
  const std::vector<QualityFinding> findings = FindingsIn(report, period);
  for (const QualityFinding& finding : findings) std::cout << FindingLine(finding) << "\n";
  for (const auto& [code, count] : CountsByCode(findings))
    std::cout << code << ": " << count << "\n";
  // A damaged reference file left its checks out: not a clean result either.
  if (!findings.empty() || !messages.empty()) return 1;
  return StatusAfterOutput(db);
}

const bool kRegistered = RegisterCommand({"lint", kLintUsage, Lint});

}  // namespace

}  // namespace ardeno::cli
