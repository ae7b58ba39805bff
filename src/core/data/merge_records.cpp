// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/data/merge_records.h"

#include <algorithm>
#include <set>
#include <system_error>

#include "core/data/data_file.h"
#include "core/data/database_ops.h"
#include "core/data/file_error_text.h"
#include "core/data/load_findings.h"
#include "core/data/record_file.h"
#include "core/text/core_text.h"
#include "core/text/path_text.h"

namespace ardeno {

namespace {

using RecordBytes = decltype(ObservationRecord::Bytes);

// A drawing's bytes as a load leaves them, without the database's settings word, which only
// record 1 carries and which a merge gives to whichever drawing comes first.
RecordBytes DrawingBytes(ObservationRecord record) {
  ApplyLoadRepairs(record);
  record.SetRadiusWord(0);
  return record.Bytes;
}

std::set<std::string> DatesOf(const Database& db) {
  std::set<std::string> dates;
  for (int i = 1; i <= db.RecordCount; ++i) dates.insert(db.Record(i).DateRaw());
  return dates;
}

}  // namespace

std::optional<std::string> RefuseOwnDataFile(const std::filesystem::path& file,
                                             const std::filesystem::path& progDir) {
  std::error_code error;
  if (!std::filesystem::equivalent(file, progDir / kDataFileName, error) || error)
    return std::nullopt;
  return FillText(CoreText("MergeRecords",
                           "Soubor %1 je datový soubor této složky; sám do sebe se nepřidává, "
                           "každý zákres by v datech byl dvakrát. Nic se nezměnilo."),
                  {PathUtf8(file)});
}

std::variant<std::vector<ObservationRecord>, std::string> ReadMergeFile(
    const std::filesystem::path& file) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (!error && size / kRecordSize >= static_cast<std::uintmax_t>(kMergeFileLimit))
    return CoreText("MergeRecords", kMergeLimitMessage);
  std::vector<ObservationRecord> records;
  if (!error) error = ReadRecordFile(file, 0, records).Error;
  if (error)
    return FillText(CoreText("MergeRecords", "Soubor %1 nelze přečíst: %2."),
                    {PathUtf8(file.filename()), FileErrorText(error)});
  return records;
}

int CountEqualDates(const Database& db, const std::vector<ObservationRecord>& added) {
  const std::set<std::string> dates = DatesOf(db);
  int count = 0;
  for (const ObservationRecord& record : added)
    if (dates.count(record.DateRaw()) > 0) ++count;
  return count;
}

std::string EqualDatesQuestion(int count) {
  return FillText(
      CoreText("MergeRecords", "V přidaných datech jsou shodné datumy %1x! Vyločit je?"),
      {std::to_string(count)});
}

std::variant<MergeOutcome, std::string> MergeRecords(Database& db,
                                                     const std::vector<ObservationRecord>& added,
                                                     bool skipEqualDates) {
  const std::set<std::string> dates = DatesOf(db);
  std::set<RecordBytes> present;
  for (int i = 1; i <= db.RecordCount; ++i) present.insert(DrawingBytes(db.Record(i)));
  const RecordFindings findings = FindRecordProblems(added);
  const std::vector<int> refused = RecordsFound(findings);
  std::vector<ObservationRecord> kept;
  MergeOutcome outcome;
  for (std::size_t i = 0; i < added.size(); ++i) {
    const ObservationRecord& record = added[i];
    if (std::binary_search(refused.begin(), refused.end(), static_cast<int>(i) + 1)) continue;
    if (!record.HasDate()) {
      ++outcome.LeftOut;
      continue;
    }
    if (!present.insert(DrawingBytes(record)).second) {
      ++outcome.Duplicates;
      continue;
    }
    if (skipEqualDates && dates.count(record.DateRaw()) > 0) {
      ++outcome.LeftOut;
      continue;
    }
    kept.push_back(record);
    ApplyLoadRepairs(kept.back());
  }
  outcome.Refused = static_cast<int>(refused.size());
  if (!refused.empty()) {
    outcome.RefusedMessage = CoreText("MergeRecords",
                                      "Tyto zákresy přidávaného souboru se nepřidaly, protože "
                                      "neprošly kontrolou, kterou prochází každé načtení dat "
                                      "(čísla jsou pořadí v souboru):");
    for (const std::string& line : findings.Lines) outcome.RefusedMessage += "\n" + line;
  }
  if (db.RecordCount + static_cast<int>(kept.size()) > db.Capacity())
    return CoreText("DatabaseOps", kDatabaseFullMessage);
  // The settings live in record 1, which an added drawing of an earlier date would replace.
  const std::uint16_t settings = db.RecordCount > 0 ? db.Record(1).RadiusWord() : 0;
  for (const ObservationRecord& record : kept) db.Record(++db.RecordCount) = record;
  outcome.Added = static_cast<int>(kept.size());
  if (outcome.Added == 0) return outcome;
  const bool hadRecords = db.RecordCount > outcome.Added;
  SortRecords(db);
  if (hadRecords) db.Record(1).SetRadiusWord(settings);
  CollectObservers(db);
  db.CurrentIndex = db.RecordCount;
  db.WorkRecord = db.Record(db.RecordCount);
  db.DataChanged = true;
  return outcome;
}

}  // namespace ardeno
