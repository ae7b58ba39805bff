#include "core/data/merge_records.h"

#include <set>
#include <system_error>

#include "core/data/database_ops.h"
#include "core/data/file_error_text.h"
#include "core/data/record_file.h"

namespace ardeno {

namespace {

std::set<std::string> DatesOf(const Database& db) {
  std::set<std::string> dates;
  for (int i = 1; i <= db.RecordCount; ++i) dates.insert(db.Record(i).DateRaw());
  return dates;
}

}  // namespace

std::variant<std::vector<ObservationRecord>, std::string> ReadMergeFile(
    const std::filesystem::path& file) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (!error && size / kRecordSize >= static_cast<std::uintmax_t>(kMergeFileLimit))
    return std::string(kMergeLimitMessage);
  std::vector<ObservationRecord> records;
  if (!error) error = ReadRecordFile(file, 0, records).Error;
  if (error)
    return "Soubor " + file.filename().string() + " nelze přečíst: " + FileErrorText(error) + ".";
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
  return "V přidaných datech jsou shodné datumy " + std::to_string(count) + "x! Vyločit je?";
}

std::variant<MergeOutcome, std::string> MergeRecords(Database& db,
                                                     const std::vector<ObservationRecord>& added,
                                                     bool skipEqualDates) {
  const std::set<std::string> dates = DatesOf(db);
  std::vector<const ObservationRecord*> kept;
  MergeOutcome outcome;
  for (const ObservationRecord& record : added) {
    if (!record.HasDate() || (skipEqualDates && dates.count(record.DateRaw()) > 0)) {
      ++outcome.LeftOut;
      continue;
    }
    kept.push_back(&record);
  }
  if (db.RecordCount + static_cast<int>(kept.size()) > db.Capacity())
    return std::string(kDatabaseFullMessage);
  for (const ObservationRecord* record : kept) db.Record(++db.RecordCount) = *record;
  outcome.Added = static_cast<int>(kept.size());
  if (outcome.Added == 0) return outcome;
  SortRecords(db);
  CollectObservers(db);
  db.CurrentIndex = db.RecordCount;
  db.WorkRecord = db.Record(db.RecordCount);
  db.DataChanged = true;
  return outcome;
}

}  // namespace ardeno
