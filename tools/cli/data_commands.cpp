// ardeno-cli check DIR and resave DIR: the data file seen and rewritten as the program loads it.
#include <filesystem>
#include <iostream>
#include <optional>
#include <span>
#include <string>

#include "cli/command_registry.h"
#include "cli/folder_loading.h"
#include "core/data/data_file.h"
#include "core/data/database.h"
#include "core/data/file_error_text.h"
#include "core/data/record_file.h"

namespace ardeno::cli {

namespace {

int Check(const std::vector<std::string>& args) {
  Database db;
  LoadReport report;
  if (!LoadExistingFolder(args, "check SLOŽKA", db, report)) return 1;
  std::cout << "Záznamů: " << db.RecordCount << "\n"
            << "První datum: " << db.Record(1).Date() << "\n"
            << "Poslední datum: " << db.Record(db.RecordCount).Date() << "\n"
            << "RadiusWord: " << db.Record(1).RadiusWord() << "\n"
            << "Opravy: " << report.Repairs << "\n";
  return 0;
}

int Resave(const std::vector<std::string>& args) {
  Database db;
  LoadReport report;
  if (!LoadExistingFolder(args, "resave SLOŽKA", db, report)) return 1;
  std::optional<std::string> error;
  if (db.LoadFailed) {
    // The file was not loaded whole: rewriting it would lose what was left out.
    error = kLoadFailedMessage;
  } else if (NeedsCoordinateMode(db)) {
    // No radius chosen yet: the word stays 0 so that the program still asks for it.
    const std::filesystem::path file = std::filesystem::path(args[0]) / kDataFileName;
    const auto records = std::span(db.Records.data(), static_cast<std::size_t>(db.RecordCount));
    if (const std::error_code failure = WriteRecordFile(file, records))
      error = "Data se nepodařilo uložit do souboru datax.dat: " + FileErrorText(failure) + ".";
  } else {
    ApplyRadiusWord(db);
    error = SaveDatabase(db, args[0]);
  }
  if (error) {
    std::cerr << *error << "\n";
    return 1;
  }
  std::cout << "Uloženo záznamů: " << db.RecordCount << ", opravy: " << report.Repairs << "\n";
  return 0;
}

const bool kRegistered = RegisterCommand({"check", "check SLOŽKA", Check}) &&
                         RegisterCommand({"resave", "resave SLOŽKA", Resave});

}  // namespace

}  // namespace ardeno::cli
