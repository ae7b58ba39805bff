#include "core/reference/group_files_import.h"

#include <algorithm>
#include <span>

#include "core/data/aux_file_io.h"
#include "core/data/data_file.h"
#include "core/data/file_error_text.h"
#include "core/data/record_file.h"
#include "core/reference/greenwich_groups.h"
#include "core/reference/srs_report.h"
#include "core/reference/srs_table.h"

namespace ardeno {

namespace fs = std::filesystem;

namespace {

constexpr std::uint16_t kNewDatabaseRadiusWord = 125;  // polar mode, radius 125 mm

std::vector<fs::path> ExpandInputs(const std::vector<fs::path>& inputs,
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
      problems.push_back("Složku " + input.string() + " nelze projít: " + FileErrorText(error));
    std::sort(inFolder.begin(), inFolder.end());
    files.insert(files.end(), inFolder.begin(), inFolder.end());
  }
  return files;
}

}  // namespace

SourceReading ReadCatalogueFile(const fs::path& file) {
  const std::string name = file.filename().string();
  SourceReading reading;
  std::optional<FileBytes> content;
  try {
    content = ReadAuxFile(file, file.string());
  } catch (const AuxFileError& error) {
    reading.Problems.push_back(error.what());
    return reading;
  }
  if (!content) {
    reading.Problems.push_back("Soubor " + file.string() + " neexistuje.");
    return reading;
  }
  const std::string_view text = content->Bytes;
  if (LooksLikeSrsReport(text)) return ReadSrsReport(text, name);
  if (LooksLikeSrsTable(text)) return ReadSrsTable(text, name);
  if (LooksLikeGreenwichGroups(text)) return ReadGreenwichGroups(text, name);
  reading.Problems.push_back("Soubor " + file.string() +
                             " není zpráva SRS, tabulka SRS ani soubor skupin RGO; vynechán.");
  return reading;
}

FolderImportResult ImportGroupFiles(const fs::path& folder, const std::vector<fs::path>& inputs,
                                    const CalendarDate& today) {
  FolderImportResult result;
  std::vector<SourceDay> days;
  for (const fs::path& file : ExpandInputs(inputs, result.Problems)) {
    SourceReading reading = ReadCatalogueFile(file);
    if (!reading.Days.empty()) ++result.FilesRead;
    for (auto& problem : reading.Problems) result.Problems.push_back(std::move(problem));
    for (auto& day : reading.Days) days.push_back(std::move(day));
  }

  Database db;
  const fs::path dataFile = folder / kDataFileName;
  std::error_code error;
  const bool hasRecords =
      fs::exists(dataFile, error) && fs::file_size(dataFile, error) >= kRecordSize;
  std::uint16_t radiusWord = kNewDatabaseRadiusWord;
  if (error) {
    result.Error = "Soubor " + dataFile.string() + " nelze přečíst: " + FileErrorText(error) + ".";
    return result;
  }
  if (hasRecords) {
    const LoadReport load = LoadDatabase(db, folder, today);
    if (load.Error || db.LoadFailed) {
      result.Error = load.Error ? *load.Error : std::string(kLoadFailedMessage);
      return result;
    }
    ApplyRadiusWord(db);
    radiusWord = NeedsCoordinateMode(db) ? 0 : RadiusWordFor(db);
  } else {
    fs::create_directories(folder, error);
    if (error) {
      result.Error = "Složku " + folder.string() + " nelze vytvořit: " + FileErrorText(error) + ".";
      return result;
    }
    result.NewDatabase = true;
    db.Mode = CoordinateMode::Polar;
    db.DrawingRadius = kDefaultDrawingRadius;
  }

  result.Import = ImportSourceDays(db, std::move(days), radiusWord);
  if (result.Import.AddedDays == 0) return result;
  if (radiusWord == 0) {
    // No radius chosen yet: the word stays 0 so that the program still asks for it.
    const auto records = std::span(db.Records.data(), static_cast<std::size_t>(db.RecordCount));
    if (const std::error_code failure = WriteRecordFile(dataFile, records))
      result.Error = "Data se nepodařilo uložit do souboru datax.dat: " + FileErrorText(failure) +
                     ". Původní soubor zůstal beze změny.";
  } else {
    result.Error = SaveDatabase(db, folder);
  }
  if (result.Error) result.Import = {};
  return result;
}

}  // namespace ardeno
