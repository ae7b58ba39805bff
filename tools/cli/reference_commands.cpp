// ardeno-cli import-groups DIR FILE...: catalogue days added to DIR's database.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/command_registry.h"
#include "core/reference/group_files_import.h"

namespace ardeno::cli {

namespace {

constexpr std::size_t kKeptDaysPerLine = 8;

void PrintKeptDays(const std::vector<CalendarDate>& days) {
  if (days.empty()) return;
  std::cout << "Ponecháno beze změny " << days.size()
            << " dní, které už v databázi jsou (nebo se v souborech opakují):";
  for (std::size_t i = 0; i < days.size(); ++i)
    std::cout << (i % kKeptDaysPerLine == 0 ? "\n  " : " ") << FormatDate(days[i]);
  std::cout << "\n";
}

int ImportGroups(const std::vector<std::string>& args) {
  if (args.size() < 2) {
    std::cerr << "Použití: ardeno-cli import-groups SLOŽKA SOUBOR...\n";
    return 1;
  }
  const std::vector<std::filesystem::path> inputs(args.begin() + 1, args.end());
  const FolderImportResult result = ImportGroupFiles(args[0], inputs, Today());
  for (const auto& problem : result.Problems) std::cerr << "Nečitelné: " << problem << "\n";
  if (result.Error) {
    std::cerr << *result.Error << "\n";
    return 1;
  }
  const ImportReport& report = result.Import;
  if (result.NewDatabase && report.AddedDays > 0)
    std::cout << "Nová databáze (polární souřadnice, poloměr 125 mm).\n";
  std::cout << "Přidáno dní: " << report.AddedDays << " (beze skvrn " << report.SpotlessDays
            << ") ze souborů: " << result.FilesRead << "\n";
  if (report.GroupsLeftOut > 0)
    std::cout << "Skupin nad 40 na den (vynechány nejmenší): " << report.GroupsLeftOut << "\n";
  if (report.AreasNotExact > 0)
    std::cout << "Skupin u okraje, jejichž opravenou plochu nelze uložit přesně: "
              << report.AreasNotExact << "\n";
  PrintKeptDays(report.KeptDays);
  return 0;
}

const bool kRegistered =
    RegisterCommand({"import-groups", "import-groups SLOŽKA SOUBOR|SLOŽKA_SOUBORŮ...", ImportGroups});

}  // namespace

}  // namespace ardeno::cli
