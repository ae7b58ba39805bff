// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The data file datax.dat: a plain run of 1774-byte records without header or trailer, read whole
// at start-up and written whole on request, with its backup datax-zaloha.dat of the data as
// loaded.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/data/database.h"
#include "core/data/load_findings.h"
#include "core/text/core_text.h"
#include "core/text/dates.h"
#include "core/text/refusal.h"

namespace ardeno {

inline constexpr const char* kDataFileName = "datax.dat";
inline constexpr const char* kBackupFileName = "datax-zaloha.dat";
// The file as found is kept under this name (numbered for later incidents) before a save can
// drop what the load left out.
inline constexpr const char* kIgnoredRecordsFileName = "datax-puvodni.dat";
// Every write of the data file or its backup is refused with this text after a failed load.
// These texts are shown through CoreText("DataFile", ...).
inline constexpr const char* kLoadFailedMessage = CoreTextNoop(
    "DataFile",
    "Soubor datax.dat se při spuštění nepodařilo načíst, proto se data neukládají, aby se "
    "soubor nepřepsal. Oprav přístup k souboru a spusť program znovu.");
// The backup of the data as loaded is read from the data file kept open since the load; another
// program that wrote into that very file has taken those data away.
inline constexpr const char* kLoadedFileChangedMessage = CoreTextNoop(
    "DataFile",
    "Zálohu dat, jak byla načtena, nelze vytvořit: soubor datax.dat od spuštění programu změnil "
    "jiný program. Nová data se ukládají jako obvykle.");
inline constexpr const char* kSortedNotKeptMessage = CoreTextNoop(
    "DataFile",
    "Zákresy v souboru datax.dat nebyly seřazeny podle data a soubor, jak byl nalezen, není "
    "uschován, proto se data neukládají.");
inline constexpr const char* kOriginalNotKeptMessage = CoreTextNoop(
    "DataFile",
    "Soubor datax.dat byl načten jen zčásti a jeho původní podoba není uschována, proto se data "
    "neukládají, aby se vynechané zákresy neztratily.");

struct LoadReport {
  int Repairs = 0;           // load-time repairs applied
  bool FileExisted = false;  // false: a new database of one record dated today
  int RecordsInFile = 0;     // whole records in the file
  // The file exists but could not be read, or holds no readable record; the database starts as
  // new and refuses to save over the file.
  std::optional<std::string> Error;
  // Records that hold data after the first empty date and are therefore not loaded.
  int IgnoredRecords = 0;
  // Bytes of a partial record at the end of the file (an interrupted copy).
  std::uintmax_t TrailingBytes = 0;
  RecordFindings Findings;
  // The first record of the file dated before the one above it; 0 when the file is in date
  // order. The load puts such a file in date order (db.SortedAtLoad).
  int FirstOutOfOrder = 0;
  // Czech text for the user: everything the load left out or found doubtful, and (after
  // KeepFileAsFound) where the file as found was kept.
  std::optional<std::string> Warning;
};

// Loads progDir/datax.dat into db (capacity: records in the file + 2000), trims at the first
// empty date, keeps the copy for the backup, puts records out of date order in order (and says
// so), applies the repairs, collects the observers and makes the last record current. Only reads:
// nothing is written. Without a file, with an empty one, or with one that holds only the settings
// record of a new database, the database has no record: place 1 holds the settings record (dated
// today when there was none), the work record starts with today's date and no record is current.
// A file with bytes but no record whose date reads is damaged: it is reported as an Error and never
// written over. When the load left something out, db.OriginalNotKept holds saving back until
// KeepFileAsFound. The settings of record 1 are applied separately (ApplyRadiusWord), after the
// other start-up files.
LoadReport LoadDatabase(Database& db, const std::filesystem::path& progDir,
                        const CalendarDate& today);

// The same load from the bytes of a data file held in memory, with room for extraCapacity new
// records (at least 1): what the loader makes of any content, without the disk.
LoadReport LoadDatabaseFromBytes(Database& db, std::string_view bytes, const CalendarDate& today,
                                 int extraCapacity = kExtraCapacity);

// Copies the file as found beside it (datax-puvodni.dat, numbered for later incidents) when the
// load left something out or put the records in date order, and tells in the report's Warning
// where; when no copy can be made, saving stays refused for the whole run (db.LoadFailed).
void KeepFileAsFound(Database& db, const std::filesystem::path& progDir, LoadReport& report);

// Removes the temporary files an interrupted save of the data file or its backup left behind.
// Only a writer holding the folder's lock (LockDataFolder) calls it: then no other writer is
// writing any of them.
void RemoveInterruptedSaves(const std::filesystem::path& progDir);

// The data file as it is now (follows a link to where it really lives).
DataFileStamp StampOfDataFile(const std::filesystem::path& progDir);
// The data file is no longer the one loaded (or last saved) into db: another program saved it
// meanwhile, and saving now would lose its records. The Czech message saying so, or nothing.
std::optional<std::string> ChangedSinceLoadMessage(const Database& db,
                                                   const std::filesystem::path& progDir);
// The user chose to save over the changed file: db takes it as the one it loaded.
void AcceptChangedDataFile(Database& db, const std::filesystem::path& progDir);

// Why nothing could be saved into progDir/datax.dat (a read-only file or folder), known at
// start-up before the observer types the day's drawings; nothing when saving can work.
std::optional<std::string> SaveBlockedMessage(const std::filesystem::path& progDir);

// What a save puts into record 1's RadiusWord. The program always writes its settings; a command
// without a person keeps a word of 0 as it is, so that the program still asks for the mode.
enum class SettingsWord { Write, KeepUnchosen };

// Writes records 1..RecordCount to progDir/datax.dat through a temporary file renamed over the
// old one, after putting the drawing radius and coordinate mode into record 1; a database without
// records writes its settings record alone. Every writer of the data file saves through here, so
// every one refuses alike: after a failed load, while what the load left out is not kept, and over
// a file that changed since the load (ChangedSinceLoadMessage). Returns the Czech error text when
// the data could not be written; the old file then stays as it was. Does not clear DataChanged.
Refusal SaveDatabase(Database& db, const std::filesystem::path& progDir,
                     SettingsWord settings = SettingsWord::Write);

// Writes the records as loaded (BackupCount of them, read again from LoadedFile or taken from
// RecordsCopy) to progDir/datax-zaloha.dat.
Refusal WriteBackup(const Database& db, const std::filesystem::path& progDir);

// Takes DrawingRadius and Mode from the RadiusWord of place 1 (the first record, or the settings
// record of a database without records): above 1000 heliographic mode
// with radius value - 1000, 1..1000 polar mode with radius value, 0 leaves both unchanged.
void ApplyRadiusWord(Database& db);
// Record 1 holds RadiusWord 0: neither radius nor mode has been chosen yet.
bool NeedsCoordinateMode(const Database& db);
// The RadiusWord the settings give: Round(radius + 1000) in heliographic mode, Round(radius) in
// polar mode; a radius of 0 counts as 125.
std::uint16_t RadiusWordFor(const Database& db);

}  // namespace ardeno
