#include "cli/folder_loading.h"

#include <filesystem>
#include <iostream>

#include <span>

#include "cli/command_registry.h"
#include "core/data/data_folder.h"
#include "core/data/file_error_text.h"
#include "core/data/record_file.h"
#include "core/text/dates.h"

namespace ardeno::cli {

bool LoadExistingFolder(const std::vector<std::string>& args, const char* usage, Database& db,
                        LoadReport& report) {
  if (args.size() != 1) {
    std::cerr << "Použití: ardeno-cli " << usage << "\n";
    return false;
  }
  const std::filesystem::path folder = args[0];
  if (const auto problem = DataFolderProblem(folder)) {
    std::cerr << *problem << "\n";
    return false;
  }
  report = LoadDatabase(db, folder, InvocationDate());
  if (report.Error) {
    std::cerr << *report.Error << "\n";
    return false;
  }
  if (!report.FileExisted) {
    std::cerr << "Ve složce " << folder.string() << " není soubor datax.dat.\n";
    return false;
  }
  // An empty file starts the program as a new database; a script gets no invented record.
  if (report.RecordsInFile == 0) {
    std::cerr << "Soubor datax.dat ve složce " << folder.string() << " neobsahuje žádný zákres.\n";
    return false;
  }
  if (report.Warning) std::cerr << *report.Warning << "\n";
  return true;
}

int StatusAfterOutput(const Database& db, int outputStatus) {
  if (outputStatus != 0 || !db.OriginalNotKept) return outputStatus;
  std::cerr << "Výstup je spočten jen ze zákresů, které se načetly: soubor datax.dat se nenačetl "
               "celý (co chybí, je uvedeno výše).\n";
  return 1;
}

std::optional<std::string> SaveFolder(const std::string& folder, Database& db) {
  if (db.LoadFailed) return std::string(kLoadFailedMessage);
  // The file was not loaded whole: rewriting it would lose what was left out.
  if (db.OriginalNotKept)
    return std::string("Soubor datax.dat se nenačetl celý, proto se nepřepisuje.");
  if (const auto blocked = SaveBlockedMessage(folder)) return blocked;
  if (db.SortedAtLoad) {
    // The records go back in date order: the file as found is kept first.
    LoadReport kept;
    KeepFileAsFound(db, folder, kept);
    if (kept.Warning) std::cerr << *kept.Warning << "\n";
    if (db.LoadFailed) return std::string(kSortedNotKeptMessage);
  }
  if (!NeedsCoordinateMode(db)) {
    ApplyRadiusWord(db);
    return SaveDatabase(db, folder);
  }
  const std::filesystem::path file = std::filesystem::path(folder) / kDataFileName;
  const auto records = std::span(db.Records.data(), static_cast<std::size_t>(db.RecordCount));
  if (const std::error_code failure = WriteRecordFile(file, records))
    return "Data se nepodařilo uložit do souboru datax.dat: " + FileErrorText(failure) + ".";
  return std::nullopt;
}

}  // namespace ardeno::cli
