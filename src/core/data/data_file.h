#pragma once
// The data file datax.dat: a plain run of 1774-byte records without header or trailer, read whole
// at start-up and written whole on request, with its backup datax-zaloha.dat of the data as
// loaded.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "core/data/database.h"
#include "core/text/dates.h"

namespace ardeno {

inline constexpr const char* kDataFileName = "datax.dat";
inline constexpr const char* kBackupFileName = "datax-zaloha.dat";
// Keeps the file as found when the load had to leave out records after an empty date, so that
// the first save (which drops them) cannot lose them.
inline constexpr const char* kIgnoredRecordsFileName = "datax-puvodni.dat";
// Every write of the data file or its backup is refused with this text after a failed load.
inline constexpr const char* kLoadFailedMessage =
    "Soubor datax.dat se při spuštění nepodařilo načíst, proto se data neukládají, aby se "
    "soubor nepřepsal. Oprav přístup k souboru a spusť program znovu.";

struct LoadReport {
  int Repairs = 0;           // load-time repairs applied
  bool FileExisted = false;  // false: a new database of one record dated today
  // The file exists but could not be read; the database starts as new and refuses to save
  // over the file.
  std::optional<std::string> Error;
  // Records that hold data after the first empty date and are therefore not loaded; the
  // Warning tells the user where the file as found was kept.
  int IgnoredRecords = 0;
  std::optional<std::string> Warning;
};

// Loads progDir/datax.dat into db (capacity: records in the file + 2000), trims at the first
// empty date, keeps the copy for the backup, applies the repairs, collects the observers and
// makes the last record current. Without a file (or with a file that holds no record) the
// database is one record dated today. The settings of record 1 are applied separately
// (ApplyRadiusWord), after the other start-up files.
LoadReport LoadDatabase(Database& db, const std::filesystem::path& progDir,
                        const CalendarDate& today);

// Writes records 1..RecordCount to progDir/datax.dat through a temporary file renamed over the
// old one, after putting the drawing radius and coordinate mode into record 1. Returns the Czech
// error text when the data could not be written; the old file then stays as it was. Does not
// clear DataChanged.
std::optional<std::string> SaveDatabase(Database& db, const std::filesystem::path& progDir);

// Writes the records as loaded (RecordsCopy, BackupCount of them) to progDir/datax-zaloha.dat.
std::optional<std::string> WriteBackup(const Database& db, const std::filesystem::path& progDir);

// Takes DrawingRadius and Mode from the RadiusWord of record 1: above 1000 heliographic mode
// with radius value - 1000, 1..1000 polar mode with radius value, 0 leaves both unchanged.
void ApplyRadiusWord(Database& db);
// Record 1 holds RadiusWord 0: neither radius nor mode has been chosen yet.
bool NeedsCoordinateMode(const Database& db);
// The RadiusWord the settings give: Round(radius + 1000) in heliographic mode, Round(radius) in
// polar mode; a radius of 0 counts as 125.
std::uint16_t RadiusWordFor(const Database& db);

}  // namespace ardeno
