// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/data/removed_records.h"

#include <vector>

#include "core/data/database_ops.h"
#include "core/data/file_error_text.h"
#include "core/data/record_file.h"
#include "core/text/core_text.h"
#include "core/text/shown_text.h"

namespace ardeno {

std::string RemoveQuestion(const ObservationRecord& record) {
  return FillText(CoreText("RemovedRecords",
                           "Odstranit zákres ze dne %1, pozorovatel %2?\nZákres se přidá do "
                           "souboru %3 a příkaz Zpět (Ctrl+Z) ho vrátí."),
                  {ShownText(record.Date()), ShownText(record.Observer()), kRemovedFileName});
}

Refusal CheckRemoval(const Database& db, int index) {
  if (index < 1 || index > db.RecordCount)
    return CoreText("RemovedRecords", "Nejdřív vyber zákres v seznamu, který se má odstranit.");
  // Record 1 also carries the settings of a database; a database is never left without it.
  if (db.RecordCount == 1)
    return CoreText("RemovedRecords", "Jediný zákres databáze nelze odstranit.");
  return std::nullopt;
}

Refusal AppendRemovedRecord(const std::filesystem::path& progDir, const ObservationRecord& record) {
  const std::filesystem::path file = progDir / kRemovedFileName;
  std::vector<ObservationRecord> removed;
  std::error_code missing;
  if (std::filesystem::exists(file, missing)) {
    const RecordFileRead read = ReadRecordFile(file, 1, removed);
    if (read.Error)
      return FillText(
          CoreText("RemovedRecords", "Soubor %1 nelze přečíst: %2. Zákres nebyl odstraněn."),
          {kRemovedFileName, FileErrorText(read.Error)});
    if (read.TrailingBytes != 0)
      return FillText(CoreText("RemovedRecords",
                               "Soubor %1 není celý soubor zákresů (jeho délka není násobkem 1774 "
                               "bajtů), proto se do něj nezapisuje. Zákres nebyl odstraněn."),
                      {kRemovedFileName});
    removed.back() = record;
  } else {
    removed.push_back(record);
  }
  if (const std::error_code error = WriteRecordFile(file, removed))
    return FillText(
        CoreText("RemovedRecords", "Do souboru %1 nelze zapsat: %2. Zákres nebyl odstraněn."),
        {kRemovedFileName, FileErrorText(error)});
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
