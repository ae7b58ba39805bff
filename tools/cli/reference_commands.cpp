// SPDX-License-Identifier: GPL-3.0-or-later
// ardeno-cli import-groups DIR FILE...: catalogue days added to DIR's database.
// ardeno-cli import-reference DIR [SOURCES]: DIR's SIDC files written from the published series.
// ardeno-cli k-factors DIR: observers' k-factors against DIR's SIDC daily numbers.
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/command_registry.h"
#include "cli/folder_loading.h"
#include "core/data/folder_lock.h"
#include "core/reference/group_files_import.h"
#include "core/reference/k_factors.h"
#include "core/reference/reference_series.h"
#include "core/shell/program_files.h"
#include "core/text/core_text.h"

namespace ardeno::cli {

namespace {

// The file that tells a folder of the published series, installed or in the source tree.
constexpr const char* kReferenceMarker = "README.md";

constexpr std::size_t kKeptDaysPerLine = 8;

void PrintKeptDays(const std::vector<CalendarDate>& days) {
  if (days.empty()) return;
  std::cout << FillText(CoreText("ardeno-cli",
                                 "Ponecháno beze změny %1 dní, které už v databázi jsou (nebo se "
                                 "v souborech opakují):"),
                        {std::to_string(days.size())});
  for (std::size_t i = 0; i < days.size(); ++i)
    std::cout << (i % kKeptDaysPerLine == 0 ? "\n  " : " ") << FormatDate(days[i]);
  std::cout << "\n";
}

constexpr const char* kImportGroupsUsage =
    CoreTextNoop("ardeno-cli", "import-groups [--new] SLOŽKA SOUBOR|SLOŽKA_SOUBORŮ...");

int ImportGroups(const std::vector<std::string>& args) {
  const bool isNew = !args.empty() && args[0] == "--new";
  const std::size_t first = isNew ? 1 : 0;
  if (args.size() < first + 2) {
    PrintUsage(kImportGroupsUsage);
    return 1;
  }
  const std::vector<std::filesystem::path> inputs(args.begin() + static_cast<long>(first) + 1,
                                                  args.end());
  const FolderImportResult result =
      ImportGroupFiles(args[first], inputs, InvocationDate(),
                       isNew ? ImportTarget::NewDatabase : ImportTarget::ExistingDatabase,
                       "ardeno-cli import-groups");
  PrintUnreadable(result.Problems);
  if (result.Error) {
    std::cerr << *result.Error << "\n";
    return 1;
  }
  const ImportReport& report = result.Import;
  if (result.NewDatabase && report.AddedDays > 0)
    std::cout << CoreText("ardeno-cli", "Nová databáze (polární souřadnice, poloměr 125 mm).")
              << "\n";
  std::cout << FillText(CoreText("ardeno-cli", "Přidáno dní: %1 (beze skvrn %2) ze souborů: %3"),
                        {std::to_string(report.AddedDays), std::to_string(report.SpotlessDays),
                         std::to_string(result.FilesRead)})
            << "\n";
  if (report.GroupsLeftOut > 0)
    std::cout << FillText(CoreText("ardeno-cli", "Skupin nad 40 na den (vynechány nejmenší): %1"),
                          {std::to_string(report.GroupsLeftOut)})
              << "\n";
  if (report.RepeatedGroups > 0)
    std::cout << FillText(CoreText("ardeno-cli",
                                   "Skupin uvedených pro týž den dvakrát (uloženy jednou): %1"),
                          {std::to_string(report.RepeatedGroups)})
              << "\n";
  if (report.AreasNotExact > 0)
    std::cout << FillText(CoreText("ardeno-cli",
                                   "Skupin u okraje, jejichž opravenou plochu nelze uložit "
                                   "přesně: %1"),
                          {std::to_string(report.AreasNotExact)})
              << "\n";
  PrintKeptDays(report.KeptDays);
  // Nothing readable among the named files is a failed import, not an empty success.
  return result.FilesRead > 0 ? 0 : 1;
}

int ImportReference(const std::vector<std::string>& args) {
  if (args.empty() || args.size() > 2) {
    PrintUsage("import-reference SLOŽKA [ZDROJE]");
    return 1;
  }
  // Without a folder named: the series installed with the program, or of its source tree.
  const auto sources = args.size() == 2
                           ? std::optional<std::filesystem::path>(args[1])
                           : FindFolderHolding(ProgramFilesFolders(kReferenceFiles, ProgramFolder(),
                                                                   ARDENO_SOURCE_DIR),
                                               kReferenceMarker);
  if (!sources) {
    std::cerr << CoreText("ardeno-cli",
                          "Zveřejněné řady nebyly nalezeny vedle programu ani v "
                          "share/ardeno/reference; uveď složku ZDROJE.")
              << "\n";
    return 1;
  }
  // One writer of the series at a time: the next one finishes or throws away what a killed
  // run left, and must not take a live run's staging folder for a dead one.
  const FolderLockAttempt lock = LockDataFolder(args[0], "ardeno-cli import-reference");
  if (lock.Refused) {
    std::cerr << *lock.Refused << "\n";
    return 1;
  }
  const ReferenceImport result = ImportReferenceSeries(args[0], *sources, InvocationDate());
  PrintUnreadable(result.Problems);
  for (const auto& empty : result.EmptySources) std::cerr << empty << "\n";
  std::cout << FillText(CoreText("ardeno-cli", "Zapsáno souborů: %1"),
                        {std::to_string(result.Written.size())});
  if (!result.Written.empty())
    std::cout << " (" << result.Written.front() << " … " << result.Written.back() << ")";
  std::cout << "\n";
  if (result.Error) {
    std::cerr << *result.Error << "\n";
    return 1;
  }
  return result.Written.empty() || !result.EmptySources.empty() ? 1 : 0;
}

int KFactors(const std::vector<std::string>& args) {
  Database db;
  LoadReport load;
  if (!LoadExistingFolder(args, "k-factors SLOŽKA", db, load)) return 1;
  std::vector<std::string> messages;
  const ReferenceNumbers reference = ReadReferenceNumbers(args[0], messages);
  for (const auto& message : messages) std::cerr << message << "\n";
  if (reference.empty()) {
    std::cerr << FillText(CoreText("ardeno-cli",
                                   "Ve složce %1/SIDC nejsou denní čísla (dssn<rok>.dat); zapíše "
                                   "je import-reference."),
                          {args[0]})
              << "\n";
    return 1;
  }
  const KFactorTable table = ComputeKFactors(db, reference);
  {
    // Scripts read the table by its Czech titles and headings whatever the language; the
    // messages after it follow the language.
    const CzechTexts czechTable;
    const char* titles[] = {"Celý disk (SILSO celkové denní číslo)", "Severní polokoule",
                            "Jižní polokoule"};
    for (int s = kWholeDisk; s <= kSouth; ++s) {
      std::cout << (s == kWholeDisk ? "" : "\n") << titles[s] << "\n";
      if (table.Series[static_cast<std::size_t>(s)].empty()) {
        std::cout << "  žádné společné dny\n";
        continue;
      }
      for (const auto& line : KFactorLines(table.Series[static_cast<std::size_t>(s)]))
        std::cout << line << "\n";
    }
  }
  // Damaged year files were named and left out: the table lacks their days.
  return StatusAfterOutput(db, messages.empty() ? 0 : 1);
}

const bool kRegistered =
    RegisterCommand({"import-groups", kImportGroupsUsage, ImportGroups}) &&
    RegisterCommand({"import-reference",
                     CoreTextNoop("ardeno-cli", "import-reference SLOŽKA [ZDROJE]"),
                     ImportReference}) &&
    RegisterCommand({"k-factors", CoreTextNoop("ardeno-cli", "k-factors SLOŽKA"), KFactors});

}  // namespace

}  // namespace ardeno::cli
