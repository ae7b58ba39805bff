// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/data/data_file.h"

#include <algorithm>
#include <limits>

#include "core/data/database_ops.h"
#include "core/data/file_error_text.h"
#include "core/data/file_replace.h"
#include "core/data/held_file.h"
#include "core/data/kept_copy.h"
#include "core/data/record_file.h"
#include "core/data/settings_record.h"
#include "core/data/system_files.h"
#include "core/text/core_text.h"
#include "core/text/number_format.h"
#include "core/text/path_text.h"

namespace ardeno {

namespace {

namespace fs = std::filesystem;

constexpr int kHeliographicRadiusOffset = 1000;

// A new database: no observation yet; place 1 holds the settings record, dated today, until the
// first drawing is stored there.
void StartWithToday(Database& db, const CalendarDate& today) {
  if (db.Records.empty()) db.Records.resize(kExtraCapacity);
  db.LoadedFile.reset();  // the backup is this database, not a damaged file
  db.Record(1) = ObservationRecord{};
  db.Record(1).SetDate(FormatDate(today));
  db.RecordCount = 0;
}

// A file holding only the settings record of a new database is a database without observations;
// the record stays in place 1 for its settings.
void SetSettingsRecordAside(Database& db) {
  if (db.RecordCount == 1 && IsSettingsRecord(db.Record(1))) db.RecordCount = 0;
}

// Records with a date after the empty place that ended the database.
int CountIgnoredRecords(const Database& db, int wholeRecords) {
  int ignored = 0;
  for (int i = db.RecordCount + 2; i <= wholeRecords; ++i)
    if (db.Record(i).HasDate()) ++ignored;
  return ignored;
}

void AddWarning(LoadReport& report, const std::string& text) {
  report.Warning = report.Warning ? *report.Warning + "\n" + text : text;
}

// What a save would drop or what the user should know of, one line each.
void DescribeWhatWasLeftOut(const Database& db, LoadReport& report) {
  if (report.IgnoredRecords > 0)
    AddWarning(report, FillText(CoreText("DataFile",
                                         "Zákres č. %1 v souboru datax.dat nemá datum, proto se "
                                         "načetlo jen %2 zákresů a %3 dalších se vynechalo."),
                                {std::to_string(db.RecordCount + 1), std::to_string(db.RecordCount),
                                 std::to_string(report.IgnoredRecords)}));
  if (report.TrailingBytes > 0)
    AddWarning(report, FillText(CoreText("DataFile",
                                         "Soubor datax.dat nekončí celým zákresem: posledních %1 "
                                         "bajtů je neúplný zákres (například po přerušeném "
                                         "kopírování), který se nenačetl."),
                                {std::to_string(report.TrailingBytes)}));
  for (const std::string& line : report.Findings.Lines) AddWarning(report, line);
  if (!report.Findings.UnreadableDates.empty())
    AddWarning(report, CoreText("DataFile",
                                "Zákres s nečitelným datem nelze zařadit podle data; seznam "
                                "zákresů ho vyřadí."));
}

// The first record dated before the record above it, as SortRecords would move it; 0 when none.
int FirstOutOfOrder(const Database& db) {
  std::optional<CalendarDate> above;
  for (int i = 1; i <= db.RecordCount; ++i) {
    const std::optional<CalendarDate> date = ParseDate(db.Record(i).Date());
    if (date && above && *date < *above) return i;
    above = date;
  }
  return 0;
}

std::string OutOfOrderText(const Database& db, int index) {
  return FillText(CoreText("DataFile",
                           "Zákresy v souboru datax.dat nejsou seřazeny podle data (zákres č. %1 "
                           "z %2 následuje po zákresu z %3); program je seřadil. Soubor, jak byl "
                           "nalezen, se před prvním uložením uschová."),
                  {std::to_string(index), db.Record(index).Date(), db.Record(index - 1).Date()});
}

// The file has bytes but not one record whose date reads: damaged, not a new database.
bool HoldsNoReadableRecord(const Database& db, const LoadReport& report) {
  if (report.RecordsInFile == 0) return report.TrailingBytes > 0;
  return db.RecordCount == 0 ||
         report.Findings.UnreadableDates.size() == static_cast<std::size_t>(db.RecordCount);
}

std::string WriteBlockText(WriteBlock block) {
  return block == WriteBlock::ReadOnlyFile ? CoreText("DataFile", "soubor je jen pro čtení")
                                           : CoreText("DataFile", "do jeho složky nelze zapisovat");
}

std::string UnreadableFileText(std::error_code error) {
  return FillText(CoreText("DataFile",
                           "Soubor datax.dat nelze přečíst: %1. Program začíná s prázdnou "
                           "databází a data neukládá."),
                  {FileErrorText(error)});
}

std::optional<std::string> WriteRecords(const fs::path& file, const char* fileName,
                                        std::span<const ObservationRecord> records) {
  const auto failed = [fileName](const std::string& why) {
    return FillText(CoreText("DataFile",
                             "Data se nepodařilo uložit do souboru %1: %2. Původní soubor zůstal "
                             "beze změny."),
                    {fileName, why});
  };
  if (const WriteBlock block = FindWriteBlock(file); block != WriteBlock::None)
    return failed(WriteBlockText(block));
  const std::error_code error = WriteRecordFile(file, records);
  if (!error) return std::nullopt;
  return failed(FileErrorText(error));
}

}  // namespace

namespace {

// A database loaded again keeps its array's memory; everything else starts afresh.
std::vector<ObservationRecord> StartAfresh(Database& db) {
  std::vector<ObservationRecord> records = std::move(db.Records);
  db = Database{};
  return records;
}

// What follows the reading of the records: trim, findings, repairs, observers, current record.
void FinishLoad(Database& db, LoadReport& report, const CalendarDate& today) {
  if (report.RecordsInFile > 0) {
    TrimAtFirstEmpty(db);
    report.IgnoredRecords = CountIgnoredRecords(db, report.RecordsInFile);
    report.Findings = FindRecordProblems(db);
  }
  if (!db.LoadFailed && HoldsNoReadableRecord(db, report)) {
    const std::uintmax_t size =
        static_cast<std::uintmax_t>(report.RecordsInFile) * kRecordSize + report.TrailingBytes;
    // Readable drawings behind an empty first place are not a file without drawings.
    const std::string what =
        db.RecordCount == 0 && report.IgnoredRecords > 0
            ? FillText(CoreText("DataFile",
                                "Soubor datax.dat (%1 bajtů) začíná zákresem bez data, proto se "
                                "nenačetl žádný zákres; dalších zákresů s datem za ním: %2."),
                       {std::to_string(size), std::to_string(report.IgnoredRecords)})
            : FillText(CoreText("DataFile",
                                "Soubor datax.dat (%1 bajtů) neobsahuje žádný čitelný zákres, je "
                                "poškozen."),
                       {std::to_string(size)});
    report.Error = what + CoreText("DataFile",
                                   " Program ho nepřepíše: začíná s prázdnou databází a data "
                                   "neukládá. Oprav nebo nahraď soubor a spusť program znovu.");
    db.LoadFailed = true;
    db.RecordCount = 0;
  }
  if (db.RecordCount == 0) {
    StartWithToday(db, today);
    TrimAtFirstEmpty(db);
    // The backup of a new database keeps its settings record, as a save would write it.
    db.RecordsCopy.assign(1, db.Record(1));
    db.BackupCount = 1;
  } else {
    DescribeWhatWasLeftOut(db, report);
    db.OriginalNotKept = report.IgnoredRecords > 0 || report.TrailingBytes > 0 ||
                         !report.Findings.UnreadableDates.empty();
    // Every window and statistic takes the database as in date order.
    report.FirstOutOfOrder = FirstOutOfOrder(db);
    if (report.FirstOutOfOrder > 0) {
      AddWarning(report, OutOfOrderText(db, report.FirstOutOfOrder));
      SortRecords(db);
      db.SortedAtLoad = true;
    }
    SetSettingsRecordAside(db);
  }

  report.Repairs = ApplyLoadRepairs(db);
  CollectObservers(db);
  if (db.RecordCount > 0) {
    db.ChooseRecord(db.RecordCount);
  } else {
    db.CurrentIndex = 0;
    db.WorkRecord = ObservationRecord{};
    // The first drawing starts from today's date with the settings of the database; a file that
    // was refused opens on nothing, with no invented drawing to type into.
    if (!db.LoadFailed) {
      db.WorkRecord.SetDate(FormatDate(today));
      db.WorkRecord.SetRadiusWord(db.Record(1).RadiusWord());
    }
  }
}

}  // namespace

LoadReport LoadDatabase(Database& db, const fs::path& progDir, const CalendarDate& today) {
  LoadReport report;
  std::vector<ObservationRecord> records = StartAfresh(db);
  // Taken before the read: a file replaced while it is read counts as changed at the save.
  const DataFileStamp stamp = StampOfDataFile(progDir);
  const fs::path file = progDir / kDataFileName;
  std::error_code existsError;
  const auto status = fs::symlink_status(file, existsError);
  if (status.type() == fs::file_type::not_found) existsError.clear();
  report.FileExisted = fs::exists(status) || fs::is_symlink(status);
  if (report.FileExisted || existsError) {
    const RecordFileRead read = ReadRecordFile(file, kExtraCapacity, records);
    if (read.Error) {
      report.Error = UnreadableFileText(read.Error);
      db.LoadFailed = true;
    } else {
      report.FileExisted = true;
      report.RecordsInFile = read.WholeRecords;
      report.TrailingBytes = read.TrailingBytes;
      db.Records = std::move(records);
      db.LoadedFile = read.File;
      db.RecordCount = db.RecordCountAtLoad = db.CurrentIndex = read.WholeRecords;
    }
  }
  FinishLoad(db, report, today);
  db.FileAtLoad = stamp;
  return report;
}

LoadReport LoadDatabaseFromBytes(Database& db, std::string_view bytes, const CalendarDate& today,
                                 int extraCapacity) {
  LoadReport report;
  std::vector<ObservationRecord> records = StartAfresh(db);
  report.FileExisted = true;
  const std::size_t whole = bytes.size() / kRecordSize;
  if (whole > kMaxFileRecords) {
    report.Error = UnreadableFileText(std::make_error_code(std::errc::file_too_large));
    db.LoadFailed = true;
    FinishLoad(db, report, today);
    return report;
  }
  records.clear();
  records.resize(whole + static_cast<std::size_t>(std::max(extraCapacity, 1)));
  for (std::size_t i = 0; i < whole; ++i)
    std::copy_n(bytes.data() + i * kRecordSize, kRecordSize, records[i].Bytes.data());
  report.RecordsInFile = static_cast<int>(whole);
  report.TrailingBytes = bytes.size() - whole * kRecordSize;
  db.Records = std::move(records);
  db.RecordCount = db.RecordCountAtLoad = db.CurrentIndex = report.RecordsInFile;
  FinishLoad(db, report, today);
  return report;
}

void KeepFileAsFound(Database& db, const fs::path& progDir, LoadReport& report) {
  if (!db.OriginalNotKept && !db.SortedAtLoad) return;
  const KeptCopy kept = KeepCopyOf(progDir / kDataFileName, kIgnoredRecordsFileName);
  if (kept.Error) {
    db.LoadFailed = true;
    AddWarning(report, FillText(CoreText("DataFile",
                                         "Soubor se nepodařilo uschovat (%1), proto se data "
                                         "neukládají, aby se nic neztratilo."),
                                {FileErrorText(kept.Error)}));
    return;
  }
  db.OriginalNotKept = false;
  db.SortedAtLoad = false;
  AddWarning(report, FillText(CoreText("DataFile", "Soubor, jak byl nalezen, je uschován jako %1."),
                              {PathUtf8(kept.Name)}));
}

void RemoveInterruptedSaves(const fs::path& progDir) {
  std::vector<fs::path> leftovers;
  std::error_code error;
  for (fs::directory_iterator it(progDir, error), end; !error && it != end; it.increment(error)) {
    const bool temporary = IsTemporaryNameOf(it->path(), progDir / kDataFileName) ||
                           IsTemporaryNameOf(it->path(), progDir / kBackupFileName);
    std::error_code ignored;
    if (temporary && fs::is_regular_file(it->symlink_status(ignored)))
      leftovers.push_back(it->path());
  }
  for (const fs::path& leftover : leftovers) fs::remove(leftover, error);
}

DataFileStamp StampOfDataFile(const fs::path& progDir) {
  FileIdentity identity;
  DataFileStamp stamp;
  if (!IdentityOfFile(progDir / kDataFileName, identity)) return stamp;
  stamp.Exists = true;
  stamp.Size = identity.Stamp.Size;
  stamp.ModifiedNanoseconds = identity.Stamp.ModifiedNanoseconds;
  stamp.Device = identity.Device;
  stamp.Inode = identity.Inode;
  return stamp;
}

std::optional<std::string> ChangedSinceLoadMessage(const Database& db, const fs::path& progDir) {
  if (!db.FileAtLoad) return std::nullopt;
  const DataFileStamp now = StampOfDataFile(progDir);
  if (now == *db.FileAtLoad) return std::nullopt;
  const auto records = [](const DataFileStamp& stamp) {
    return std::to_string(stamp.Size / kRecordSize);
  };
  std::string what;
  if (!now.Exists)
    what = CoreText("DataFile", "byl mezitím odstraněn nebo přejmenován");
  else if (!db.FileAtLoad->Exists)
    what = FillText(CoreText("DataFile", "mezitím vytvořil jiný program (%1 zákresů)"),
                    {records(now)});
  else
    what = FillText(
        CoreText("DataFile", "mezitím uložil jiný program (nyní %1 zákresů, při načtení %2)"),
        {records(now), records(*db.FileAtLoad)});
  return FillText(CoreText("DataFile",
                           "Soubor datax.dat se od načtení změnil: %1. Uložením by se jeho změny "
                           "ztratily, proto se neuložil."),
                  {what});
}

void AcceptChangedDataFile(Database& db, const fs::path& progDir) {
  db.FileAtLoad = StampOfDataFile(progDir);
}

std::optional<std::string> SaveBlockedMessage(const fs::path& progDir) {
  const WriteBlock block = FindWriteBlock(progDir / kDataFileName);
  if (block == WriteBlock::None) return std::nullopt;
  if (block == WriteBlock::ReadOnlyFile)
    return CoreText("DataFile",
                    "Soubor datax.dat je jen pro čtení: program nové ani opravené zákresy "
                    "neuloží. Chceš-li ukládat, povol zápis a spusť program znovu.");
  return FillText(CoreText("DataFile",
                           "Do složky s daty %1 nelze zapisovat: program nové ani opravené "
                           "zákresy neuloží. Chceš-li ukládat, povol zápis a spusť program "
                           "znovu."),
                  {PathUtf8(progDir)});
}

Refusal SaveDatabase(Database& db, const fs::path& progDir, SettingsWord settings) {
  if (db.LoadFailed) return CoreText("DataFile", kLoadFailedMessage);
  if (db.OriginalNotKept) return CoreText("DataFile", kOriginalNotKeptMessage);
  if (db.SortedAtLoad) return CoreText("DataFile", kSortedNotKeptMessage);
  if (auto changed = ChangedSinceLoadMessage(db, progDir)) return changed;
  if (db.DrawingRadius == 0 && db.RecordCount > 0) db.DrawingRadius = kDefaultDrawingRadius;
  // Without an observation the settings record alone keeps the chosen radius and mode.
  const std::size_t count = db.RecordCount > 0 ? static_cast<std::size_t>(db.RecordCount)
                            : !db.Records.empty() && db.Record(1).HasDate() ? 1
                                                                            : 0;
  const bool keepUnchosen = settings == SettingsWord::KeepUnchosen && NeedsCoordinateMode(db);
  if (!keepUnchosen && count > 0) db.Record(1).SetRadiusWord(RadiusWordFor(db));
  Refusal error =
      WriteRecords(progDir / kDataFileName, kDataFileName, std::span(db.Records.data(), count));
  if (Succeeded(error) && db.FileAtLoad) db.FileAtLoad = StampOfDataFile(progDir);
  return error;
}

Refusal WriteBackup(const Database& db, const fs::path& progDir) {
  if (db.LoadFailed) return CoreText("DataFile", kLoadFailedMessage);
  if (db.LoadedFile) {
    // The file as loaded, read again: a save in this run renamed a new file over its name and
    // left it as it was, unless another program wrote into it meanwhile.
    if (db.LoadedFile->ChangedSinceOpened()) return CoreText("DataFile", kLoadedFileChangedMessage);
    std::vector<ObservationRecord> asLoaded;
    if (const auto error =
            db.LoadedFile->ReadRecords(static_cast<std::size_t>(db.BackupCount), asLoaded))
      return FillText(CoreText("DataFile",
                               "Zálohu se nepodařilo vytvořit: soubor datax.dat, jak byl načten, "
                               "nelze znovu přečíst (%1)."),
                      {FileErrorText(error)});
    return WriteRecords(progDir / kBackupFileName, kBackupFileName, asLoaded);
  }
  const auto count =
      std::min<std::size_t>(static_cast<std::size_t>(db.BackupCount), db.RecordsCopy.size());
  return WriteRecords(progDir / kBackupFileName, kBackupFileName,
                      std::span(db.RecordsCopy.data(), count));
}

void ApplyRadiusWord(Database& db) {
  if (db.Records.empty()) return;
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
  return db.Records.empty() || db.Record(1).RadiusWord() == 0;
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
