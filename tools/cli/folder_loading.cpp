// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/folder_loading.h"

#include <filesystem>
#include <iostream>
#include <string_view>

#include "cli/command_registry.h"
#include "core/data/data_folder.h"
#include "core/data/record_fields.h"
#include "core/text/core_text.h"
#include "core/text/dates.h"
#include "core/text/shown_text.h"

namespace ardeno::cli {

bool LoadExistingFolder(const std::vector<std::string>& args, const char* usage, Database& db,
                        LoadReport& report) {
  if (args.size() != 1) {
    PrintUsage(usage);
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
    std::cerr << FillText(CoreText("ardeno-cli", "Ve složce %1 není soubor datax.dat."),
                          {folder.string()})
              << "\n";
    return false;
  }
  // An empty file starts the program as a new database; a script gets no invented record.
  if (report.RecordsInFile == 0) {
    std::cerr << FillText(CoreText("ardeno-cli",
                                   "Soubor datax.dat ve složce %1 neobsahuje žádný zákres."),
                          {folder.string()})
              << "\n";
    return false;
  }
  if (report.Warning) std::cerr << *report.Warning << "\n";
  return true;
}

bool LoadFolderForChange(const std::vector<std::string>& args, const char* usage, Database& db,
                         LoadReport& report, FolderLock& lock) {
  if (args.size() == 1) {
    const std::string_view words(usage);
    const std::string command(words.substr(0, words.find(' ')));
    FolderLockAttempt attempt = LockDataFolder(args[0], "ardeno-cli " + command);
    if (attempt.Refused) {
      std::cerr << *attempt.Refused << "\n";
      return false;
    }
    lock = std::move(attempt.Lock);
    if (lock.Held()) RemoveInterruptedSaves(args[0]);
  }
  return LoadExistingFolder(args, usage, db, report);
}

void PrintUnreadable(const std::vector<std::string>& problems) {
  for (const auto& problem : problems)
    std::cerr << FillText(CoreText("ardeno-cli", "Nečitelné: %1"), {problem}) << "\n";
}

int StatusAfterOutput(const Database& db, int outputStatus) {
  if (outputStatus != 0 || !db.OriginalNotKept) return outputStatus;
  std::cerr << CoreText("ardeno-cli",
                        "Výstup je spočten jen ze zákresů, které se načetly: soubor datax.dat se "
                        "nenačetl celý (co chybí, je uvedeno výše).")
            << "\n";
  return 1;
}

bool PeriodInRecords(const Database& db, int year, int month) {
  std::optional<CalendarDate> first;
  std::optional<CalendarDate> last;
  bool found = false;
  for (int i = 1; i <= db.RecordCount; ++i) {
    const auto date = RecordDate(db.Record(i));
    if (!date) continue;
    if (!first || *date < *first) first = date;
    if (!last || *last < *date) last = date;
    found = found || (date->Year == year && (month == 0 || date->Month == month));
  }
  if (found) return true;
  if (!first) {
    std::cerr << CoreText("ardeno-cli", "Žádný zákres nemá datum.") << "\n";
  } else if (month == 0) {
    std::cerr << FillText(CoreText("ardeno-cli",
                                   "V roce %1 není žádný zákres: zákresy jsou z let %2 až %3."),
                          {std::to_string(year), std::to_string(first->Year),
                           std::to_string(last->Year)})
              << "\n";
  } else {
    const auto monthText = [](int m, int y) { return std::to_string(m) + "." + std::to_string(y); };
    std::cerr << FillText(CoreText("ardeno-cli",
                                   "V měsíci %1 není žádný zákres: zákresy jsou od %2 do %3."),
                          {monthText(month, year), monthText(first->Month, first->Year),
                           monthText(last->Month, last->Year)})
              << "\n";
  }
  return false;
}

bool ObserverInRecords(const Database& db, const std::string& observer) {
  for (int i = 1; i <= db.RecordCount; ++i)
    if (db.Record(i).Observer() == observer) return true;
  std::cerr << FillText(CoreText("ardeno-cli", "Pozorovatel \"%1\" nemá v databázi žádný zákres."),
                        {ShownText(observer)})
            << "\n";
  return false;
}

std::optional<std::string> SaveFolder(const std::string& folder, Database& db) {
  if (db.LoadFailed) return CoreText("DataFile", kLoadFailedMessage);
  // The file was not loaded whole: rewriting it would lose what was left out.
  if (db.OriginalNotKept)
    return CoreText("ardeno-cli", "Soubor datax.dat se nenačetl celý, proto se nepřepisuje.");
  if (const auto blocked = SaveBlockedMessage(folder)) return blocked;
  if (db.SortedAtLoad) {
    // The records go back in date order: the file as found is kept first.
    LoadReport kept;
    KeepFileAsFound(db, folder, kept);
    if (kept.Warning) std::cerr << *kept.Warning << "\n";
    if (db.LoadFailed) return CoreText("DataFile", kSortedNotKeptMessage);
  }
  ApplyRadiusWord(db);
  return SaveDatabase(db, folder, SettingsWord::KeepUnchosen);
}

}  // namespace ardeno::cli
