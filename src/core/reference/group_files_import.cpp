// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reference/group_files_import.h"

#include <algorithm>
#include <span>

#include "core/data/aux_file_io.h"
#include "core/data/data_file.h"
#include "core/data/file_error_text.h"
#include "core/data/file_replace.h"
#include "core/data/folder_lock.h"
#include "core/data/record_file.h"
#include "core/reference/greenwich_groups.h"
#include "core/reference/srs_report.h"
#include "core/reference/srs_table.h"
#include "core/text/core_text.h"
#include "core/text/path_text.h"

namespace ardeno {

namespace fs = std::filesystem;

namespace {
constexpr std::uint16_t kNewDatabaseRadiusWord = 125;  // polar mode, radius 125 mm
}  // namespace

std::vector<fs::path> CatalogueFilesOf(const std::vector<fs::path>& inputs,
                                       std::vector<std::string>& problems) {
  std::vector<fs::path> files;
  for (const fs::path& input : inputs) {
    std::error_code error;
    if (!fs::is_directory(input, error)) {
      files.push_back(input);
      continue;
    }
    std::vector<fs::path> inFolder;
    for (fs::directory_iterator it(input, error), end; !error && it != end; it.increment(error))
      if (it->is_regular_file(error)) inFolder.push_back(it->path());
    if (error)
      problems.push_back(FillText(CoreText("Import", "Složku %1 nelze projít: %2"),
                                  {PathUtf8(input), FileErrorText(error)}));
    std::sort(inFolder.begin(), inFolder.end());
    files.insert(files.end(), inFolder.begin(), inFolder.end());
  }
  return files;
}

SourceReading ReadCatalogueFile(const fs::path& file) {
  const std::string name = PathUtf8(file.filename());
  SourceReading reading;
  std::optional<FileBytes> content;
  try {
    content = ReadAuxFile(file, PathUtf8(file));
  } catch (const AuxFileError& error) {
    reading.Problems.push_back(error.what());
    return reading;
  }
  if (!content) {
    reading.Problems.push_back(
        FillText(CoreText("Import", "Soubor %1 neexistuje."), {PathUtf8(file)}));
    return reading;
  }
  const std::string_view text = content->Bytes;
  if (LooksLikeSrsReport(text)) return ReadSrsReport(text, name);
  if (LooksLikeSrsTable(text)) return ReadSrsTable(text, name);
  if (LooksLikeGreenwichGroups(text)) return ReadGreenwichGroups(text, name);
  reading.Problems.push_back(FillText(
      CoreText("Import", "Soubor %1 není zpráva SRS, tabulka SRS ani soubor skupin RGO; vynechán."),
      {PathUtf8(file)}));
  return reading;
}

namespace {

std::string NewDatabaseHint(const fs::path& folder) {
  return FillText(
      CoreText("Import", "Novou databázi založí příkaz import-groups --new %1 SOUBOR..."),
      {PathUtf8(folder)});
}

// The folder's database, loaded whole, with its radius word; the error text otherwise.
std::optional<std::string> LoadWhole(const fs::path& folder, const CalendarDate& today,
                                     Database& db) {
  std::error_code error;
  if (!fs::is_directory(folder, error))
    return FillText(CoreText("Import", "Složka %1 neexistuje."), {PathUtf8(folder)}) + " " +
           NewDatabaseHint(folder);
  const LoadReport load = LoadDatabase(db, folder, today);
  if (load.Error) return *load.Error;
  if (!load.FileExisted)
    return FillText(CoreText("Import", "Ve složce %1 není soubor datax.dat."), {PathUtf8(folder)}) +
           " " + NewDatabaseHint(folder);
  if (load.RecordsInFile == 0)
    return FillText(
        CoreText("Import",
                 "Soubor datax.dat ve složce %1 neobsahuje žádný zákres; nic se nezměnilo."),
        {PathUtf8(folder)});
  // Saving would drop what the load left out.
  if (db.OriginalNotKept)
    return *load.Warning + "\n" +
           CoreText("Import", "Soubor datax.dat se nenačetl celý, proto se nepřepisuje.");
  ApplyRadiusWord(db);
  return std::nullopt;
}

bool DataFileNamed(const fs::path& folder) {
  std::error_code error;
  return fs::symlink_status(folder / kDataFileName, error).type() != fs::file_type::not_found;
}

std::string DataFileExistsMessage(const fs::path& folder) {
  return FillText(CoreText("Import",
                           "Ve složce %1 už soubor datax.dat je; nová databáze se zakládá jen ve "
                           "složce bez něj. Nic se nezměnilo."),
                  {PathUtf8(folder)});
}

// A new database in polar mode with the radius of 125 mm, checked again under the lock.
std::optional<std::string> PrepareNew(const fs::path& folder, Database& db) {
  if (DataFileNamed(folder)) return DataFileExistsMessage(folder);
  db.Mode = CoordinateMode::Polar;
  db.DrawingRadius = kDefaultDrawingRadius;
  // Another program that creates the file from now on makes the save refuse.
  db.FileAtLoad = StampOfDataFile(folder);
  return std::nullopt;
}

}  // namespace

FolderImportResult ImportGroupFiles(const fs::path& folder, const std::vector<fs::path>& inputs,
                                    const CalendarDate& today, ImportTarget target,
                                    const std::string& holder) {
  FolderImportResult result;
  std::vector<SourceDay> days;
  for (const fs::path& file : CatalogueFilesOf(inputs, result.Problems)) {
    SourceReading reading = ReadCatalogueFile(file);
    if (!reading.Days.empty()) ++result.FilesRead;
    for (auto& problem : reading.Problems) result.Problems.push_back(std::move(problem));
    for (auto& day : reading.Days) days.push_back(std::move(day));
  }
  // Nothing to add: the folder is not touched at all.
  if (result.FilesRead == 0) return result;

  const bool isNew = target == ImportTarget::NewDatabase;
  if (isNew && DataFileNamed(folder)) {
    result.Error = DataFileExistsMessage(folder);
    return result;
  }
  if (isNew) {
    if (const std::error_code error = CreateFolders(folder)) {
      result.Error = FillText(CoreText("Import", "Složku %1 nelze vytvořit: %2."),
                              {PathUtf8(folder), FileErrorText(error)});
      return result;
    }
  }
  FolderLockAttempt lock = LockDataFolder(folder, holder);
  if (lock.Refused) {
    result.Error = *lock.Refused;
    return result;
  }
  if (lock.Lock.Held()) RemoveInterruptedSaves(folder);

  Database db;
  std::optional<std::string> refused =
      isNew ? PrepareNew(folder, db) : LoadWhole(folder, today, db);
  if (refused) {
    result.Error = std::move(refused);
    return result;
  }
  result.NewDatabase = isNew;
  const std::uint16_t radiusWord = isNew                     ? kNewDatabaseRadiusWord
                                   : NeedsCoordinateMode(db) ? 0
                                                             : RadiusWordFor(db);
  result.Import = ImportSourceDays(db, std::move(days), radiusWord);
  if (result.Import.AddedDays == 0) return result;
  // No radius chosen yet: the word stays 0 so that the program still asks for it.
  result.Error = SaveDatabase(db, folder, SettingsWord::KeepUnchosen);
  if (result.Error) result.Import = {};
  return result;
}

}  // namespace ardeno
