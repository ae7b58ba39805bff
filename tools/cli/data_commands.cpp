// SPDX-License-Identifier: GPL-3.0-or-later
// ardeno-cli check DIR and resave DIR: the data file seen and rewritten as the program loads it.
#include <iostream>
#include <optional>
#include <string>

#include "cli/command_registry.h"
#include "cli/folder_loading.h"
#include "core/data/data_file.h"
#include "core/data/database.h"
#include "core/text/core_text.h"
#include "core/text/shown_text.h"

namespace ardeno::cli {

namespace {

// Reads only: the load never writes, and the file as found is not copied here.
int Check(const std::vector<std::string>& args) {
  Database db;
  LoadReport report;
  if (!LoadExistingFolder(args, "check SLOŽKA", db, report)) return 1;
  std::cout << FillText(CoreText("ardeno-cli", "Záznamů: %1"), {std::to_string(db.RecordCount)})
            << "\n";
  if (db.RecordCount > 0)
    std::cout << FillText(CoreText("ardeno-cli", "První datum: %1"),
                          {ShownText(db.Record(1).Date())})
              << "\n"
              << FillText(CoreText("ardeno-cli", "Poslední datum: %1"),
                          {ShownText(db.Record(db.RecordCount).Date())})
              << "\n";
  std::cout << "RadiusWord: " << db.Record(1).RadiusWord() << "\n"
            << FillText(CoreText("ardeno-cli", "Opravy: %1"), {std::to_string(report.Repairs)})
            << "\n";
  // Everything the load left out or found doubtful was named on stderr.
  return report.Warning ? 1 : 0;
}

int Resave(const std::vector<std::string>& args) {
  Database db;
  LoadReport report;
  FolderLock lock;
  if (!LoadFolderForChange(args, "resave SLOŽKA", db, report, lock)) return 1;
  const std::optional<std::string> error = SaveFolder(args[0], db);
  if (error) {
    std::cerr << *error << "\n";
    return 1;
  }
  std::cout << FillText(CoreText("ardeno-cli", "Uloženo záznamů: %1, opravy: %2"),
                        {std::to_string(db.RecordCount), std::to_string(report.Repairs)})
            << "\n";
  return 0;
}

const bool kRegistered =
    RegisterCommand({"check", CoreTextNoop("ardeno-cli", "check SLOŽKA"), Check}) &&
    RegisterCommand({"resave", CoreTextNoop("ardeno-cli", "resave SLOŽKA"), Resave});

}  // namespace

}  // namespace ardeno::cli
