// ardeno-cli crosscheck DIR SRS...: the station's drawings against NOAA's Solar Region Summaries.
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/command_registry.h"
#include "cli/folder_loading.h"
#include "core/quality/noaa_crosscheck.h"
#include "core/reference/group_files_import.h"

namespace ardeno::cli {

namespace {

constexpr const char* kCrossCheckUsage = "crosscheck SLOŽKA SRS_SOUBOR|SLOŽKA_SRS...";

int CrossCheckCommand(const std::vector<std::string>& args) {
  if (args.size() < 2) {
    std::cerr << "Použití: ardeno-cli " << kCrossCheckUsage << "\n";
    return 1;
  }
  Database db;
  LoadReport load;
  if (!LoadExistingFolder({args[0]}, kCrossCheckUsage, db, load)) return 1;
  std::vector<std::filesystem::path> files;
  for (std::size_t a = 1; a < args.size(); ++a) {
    std::error_code error;
    if (std::filesystem::is_directory(args[a], error)) {
      std::vector<std::filesystem::path> inFolder;
      for (std::filesystem::directory_iterator it(args[a], error), end; !error && it != end;
           it.increment(error))
        if (it->is_regular_file()) inFolder.push_back(it->path());
      std::sort(inFolder.begin(), inFolder.end());
      files.insert(files.end(), inFolder.begin(), inFolder.end());
    } else {
      files.emplace_back(args[a]);
    }
  }
  std::vector<SourceDay> reports;
  for (const auto& file : files) {
    SourceReading reading = ReadCatalogueFile(file);
    for (const auto& problem : reading.Problems) std::cerr << "Nečitelné: " << problem << "\n";
    for (SourceDay& day : reading.Days) reports.push_back(std::move(day));
  }
  const CrossCheckResult result = CrossCheck(db, ComputeRecordPositions(db), reports);
  for (const auto& line : result.Lines) std::cout << line << "\n";
  std::cout << "Porovnáno zákresů: " << result.Drawings << "\n";
  std::cout << CrossCheckSummary(result) << "\n";
  return 0;
}

const bool kRegistered = RegisterCommand({"crosscheck", kCrossCheckUsage, CrossCheckCommand});

}  // namespace

}  // namespace ardeno::cli
