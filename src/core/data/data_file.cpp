#include "core/data/data_file.h"

#include <algorithm>
#include <limits>

#include "core/data/database_ops.h"
#include "core/data/file_error_text.h"
#include "core/data/record_file.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {

namespace fs = std::filesystem;

constexpr int kHeliographicRadiusOffset = 1000;

// A new database: record 1 is the work record, empty except for today's date.
void StartWithToday(Database& db, const CalendarDate& today) {
  if (db.Records.empty()) db.Records.resize(kExtraCapacity);
  db.WorkRecord = ObservationRecord{};
  db.WorkRecord.SetDate(FormatDate(today));
  db.Record(1) = db.WorkRecord;
  db.RecordCount = 1;
  db.CurrentIndex = 1;
}

// Records with a date after the empty place that ended the database.
int CountIgnoredRecords(const Database& db, int wholeRecords) {
  int ignored = 0;
  for (int i = db.RecordCount + 2; i <= wholeRecords; ++i)
    if (db.Record(i).HasDate()) ++ignored;
  return ignored;
}

// Keeps the file as found before any save can drop the ignored records.
void KeepIgnoredRecords(Database& db, const fs::path& file, LoadReport& report) {
  const std::string start = "Zákres č. " + std::to_string(db.RecordCount + 1) +
                            " v souboru datax.dat nemá datum, proto se načetlo jen " +
                            std::to_string(db.RecordCount) + " zákresů a " +
                            std::to_string(report.IgnoredRecords) + " dalších se vynechalo. ";
  std::error_code error;
  fs::copy_file(file, file.parent_path() / kIgnoredRecordsFileName,
                fs::copy_options::overwrite_existing, error);
  if (!error) {
    report.Warning = start + "Soubor, jak byl nalezen, je uschován jako datax-puvodni.dat.";
    return;
  }
  db.LoadFailed = true;
  report.Warning = start + "Soubor se nepodařilo uschovat (" + FileErrorText(error) +
                   "), proto se data neukládají, aby se vynechané zákresy neztratily.";
}

std::optional<std::string> WriteRecords(const fs::path& file, const char* fileName,
                                        std::span<const ObservationRecord> records) {
  const std::error_code error = WriteRecordFile(file, records);
  if (!error) return std::nullopt;
  return std::string("Data se nepodařilo uložit do souboru ") + fileName + ": " +
         FileErrorText(error) + ". Původní soubor zůstal beze změny.";
}

}  // namespace

LoadReport LoadDatabase(Database& db, const fs::path& progDir, const CalendarDate& today) {
  LoadReport report;
  // A database loaded again keeps its arrays' memory; everything else starts afresh.
  std::vector<ObservationRecord> records = std::move(db.Records);
  std::vector<ObservationRecord> copy = std::move(db.RecordsCopy);
  db = Database{};
  db.RecordsCopy = std::move(copy);
  const fs::path file = progDir / kDataFileName;
  std::error_code existsError;
  report.FileExisted = fs::exists(file, existsError);
  int wholeRecords = 0;
  if (report.FileExisted || existsError) {
    const RecordFileRead read = ReadRecordFile(file, kExtraCapacity, records);
    if (read.Error) {
      report.Error = "Soubor datax.dat nelze přečíst: " + FileErrorText(read.Error) +
                     ". Program začíná s prázdnou databází a data neukládá.";
      db.LoadFailed = true;
    } else {
      report.FileExisted = true;
      wholeRecords = read.WholeRecords;
      db.Records = std::move(records);
      db.RecordCount = db.RecordCountAtLoad = db.CurrentIndex = wholeRecords;
    }
  }
  if (wholeRecords == 0) StartWithToday(db, today);

  TrimAtFirstEmpty(db);
  report.IgnoredRecords = CountIgnoredRecords(db, wholeRecords);
  if (report.IgnoredRecords > 0) KeepIgnoredRecords(db, file, report);
  // A file whose first record has no date starts as a new database.
  if (db.RecordCount == 0) StartWithToday(db, today);

  report.Repairs = ApplyLoadRepairs(db);
  CollectObservers(db);
  db.CurrentIndex = db.RecordCount;
  db.WorkRecord = db.Record(db.CurrentIndex);
  return report;
}

std::optional<std::string> SaveDatabase(Database& db, const fs::path& progDir) {
  if (db.LoadFailed) return std::string(kLoadFailedMessage);
  if (db.DrawingRadius == 0 && db.RecordCount > 0) db.DrawingRadius = kDefaultDrawingRadius;
  if (db.RecordCount > 0) db.Record(1).SetRadiusWord(RadiusWordFor(db));
  return WriteRecords(progDir / kDataFileName, kDataFileName,
                      std::span(db.Records.data(), static_cast<std::size_t>(db.RecordCount)));
}

std::optional<std::string> WriteBackup(const Database& db, const fs::path& progDir) {
  if (db.LoadFailed) return std::string(kLoadFailedMessage);
  const auto count = std::min<std::size_t>(static_cast<std::size_t>(db.BackupCount),
                                           db.RecordsCopy.size());
  return WriteRecords(progDir / kBackupFileName, kBackupFileName,
                      std::span(db.RecordsCopy.data(), count));
}

void ApplyRadiusWord(Database& db) {
  if (db.RecordCount < 1) return;
  const int value = db.Record(1).RadiusWord();
  if (value > kHeliographicRadiusOffset) {
    db.Mode = CoordinateMode::Heliographic;
    db.DrawingRadius = static_cast<float>(value - kHeliographicRadiusOffset);
  } else if (value > 0) {
    db.Mode = CoordinateMode::Polar;
    db.DrawingRadius = static_cast<float>(value);
  }
}

bool NeedsCoordinateMode(const Database& db) {
  return db.RecordCount < 1 || db.Record(1).RadiusWord() == 0;
}

std::uint16_t RadiusWordFor(const Database& db) {
  const double radius = db.DrawingRadius == 0 ? kDefaultDrawingRadius : db.DrawingRadius;
  const double value =
      db.Mode == CoordinateMode::Heliographic ? radius + kHeliographicRadiusOffset : radius;
  const std::int64_t rounded = Round(value);
  return static_cast<std::uint16_t>(
      std::clamp<std::int64_t>(rounded, 0, std::numeric_limits<std::uint16_t>::max()));
}

}  // namespace ardeno
