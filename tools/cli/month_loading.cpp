// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/month_loading.h"

#include <iostream>

#include "cli/command_registry.h"
#include "cli/folder_loading.h"
#include "core/reports/report_text.h"
#include "core/text/core_text.h"

namespace ardeno::cli {

bool LoadMonth(const std::vector<std::string>& args, std::size_t count, const char* usage,
               Database& db, ReportMonth& month) {
  if (args.size() < count) {
    PrintUsage(usage);
    return false;
  }
  const auto named = ParseWholeReportMonth(args[1]);
  if (!named) {
    std::cerr << FillText(CoreText("ardeno-cli", "Měsíc „%1“ nelze přečíst. %2"),
                          {args[1], CoreText("ReportMonth", kWholeReportMonthRule)})
              << "\n";
    return false;
  }
  month = *named;
  LoadReport report;
  if (!LoadExistingFolder({args[0]}, usage, db, report)) return false;
  if (!FindMonthRecords(db, month)) {
    std::cerr << FillText(CoreText("ardeno-cli", "V měsíci %1 není žádný zákres."), {args[1]})
              << "\n";
    return false;
  }
  return true;
}

void TellLeftOut(const Database& db, const ReportDays& days) {
  for (const std::string& message : LeftOutMessages(db, days)) std::cerr << message << "\n";
}

bool TakeReplaceOption(std::vector<std::string>& args) {
  if (args.empty() || args.back() != "--replace") return false;
  args.pop_back();
  return true;
}

bool MayWrite(const std::vector<std::filesystem::path>& files, bool replace) {
  if (replace) return true;
  const auto taken = FirstTakenName(files);
  if (!taken) return true;
  std::cerr << FillText(CoreText("ardeno-cli", "Soubor %1 již existuje (přepsat: --replace)."),
                        {taken->string()})
            << "\n";
  return false;
}

int WriteFiles(const std::vector<std::pair<std::filesystem::path, std::string>>& files) {
  if (const auto error = WriteReportFiles(files)) {
    std::cerr << *error << "\n";
    return 1;
  }
  for (const auto& [path, bytes] : files) std::cout << path.string() << "\n";
  return 0;
}

}  // namespace ardeno::cli
