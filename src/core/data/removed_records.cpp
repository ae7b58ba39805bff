#include "core/data/removed_records.h"

#include <vector>

#include "core/data/database_ops.h"
#include "core/data/file_error_text.h"
#include "core/data/record_file.h"

namespace ardeno {

std::string RemoveQuestion(const ObservationRecord& record) {
  return "Odstranit zákres ze dne " + record.Date() + ", pozorovatel " + record.Observer() +
         "?\nZákres se přidá do souboru " + kRemovedFileName + " a příkaz Zpět (Ctrl+Z) ho vrátí.";
}

Refusal CheckRemoval(const Database& db, int index) {
  if (index < 1 || index > db.RecordCount)
    return std::string("Nejdřív vyber zákres v seznamu, který se má odstranit.");
  // Record 1 also carries the settings of a database; a database is never left without it.
  if (db.RecordCount == 1) return std::string("Jediný zákres databáze nelze odstranit.");
  return std::nullopt;
}

Refusal AppendRemovedRecord(const std::filesystem::path& progDir, const ObservationRecord& record) {
  const std::filesystem::path file = progDir / kRemovedFileName;
  std::vector<ObservationRecord> removed;
  std::error_code missing;
  if (std::filesystem::exists(file, missing)) {
    const RecordFileRead read = ReadRecordFile(file, 1, removed);
    if (read.Error)
      return "Soubor " + std::string(kRemovedFileName) +
             " nelze přečíst: " + FileErrorText(read.Error) + ". Zákres nebyl odstraněn.";
    if (read.TrailingBytes != 0)
      return "Soubor " + std::string(kRemovedFileName) +
             " není celý soubor zákresů (jeho délka není násobkem 1774 bajtů), proto se do něj "
             "nezapisuje. Zákres nebyl odstraněn.";
    removed.back() = record;
  } else {
    removed.push_back(record);
  }
  if (const std::error_code error = WriteRecordFile(file, removed))
    return "Do souboru " + std::string(kRemovedFileName) +
           " nelze zapsat: " + FileErrorText(error) + ". Zákres nebyl odstraněn.";
  return std::nullopt;
}

Refusal RemoveDrawing(Database& db, const std::filesystem::path& progDir, int index) {
  if (Refusal refused = CheckRemoval(db, index)) return refused;
  if (Refusal refused = AppendRemovedRecord(progDir, db.Record(index))) return refused;
  RemoveRecord(db, index);
  CollectObservers(db);
  return std::nullopt;
}

}  // namespace ardeno
