// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The in-memory database: every drawing of the data file, in date order, with the single work
// record through which new and corrected drawings pass. One instance is owned by the application
// and handed to each window by reference. Indices are 1-based as everywhere in the program.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/data/observation_record.h"

namespace ardeno {

class HeldFile;

inline constexpr int kExtraCapacity = 2000;  // records that can be added in one run
inline constexpr int kObserverSlots = 200;
inline constexpr float kDefaultDrawingRadius = 125.0f;

enum class CoordinateMode : std::uint8_t { Polar = 0, Heliographic = 1 };

// The data file as this program last read or wrote it. Every save replaces the file (a new
// inode), so another program's save shows even when size and time happen to agree.
struct DataFileStamp {
  bool Exists = false;
  std::uintmax_t Size = 0;
  std::int64_t ModifiedNanoseconds = 0;
  std::uint64_t Device = 0;
  std::uint64_t Inode = 0;
  bool operator==(const DataFileStamp&) const = default;
};

struct Database {
  // Storage for records 1..capacity; Record(i) maps the 1-based index.
  std::vector<ObservationRecord> Records;
  // The data file as loaded, kept open for the whole run: its first BackupCount records are the
  // backup, so the load keeps no second copy of them in memory.
  std::shared_ptr<const HeldFile> LoadedFile;
  // Records 1..BackupCount exactly as loaded when they did not come from a file (a new database,
  // data loaded from bytes held in memory); written by WriteBackup.
  std::vector<ObservationRecord> RecordsCopy;
  int RecordCount = 0;
  int RecordCountAtLoad = 0;
  int BackupCount = 0;
  int CurrentIndex = 0;
  ObservationRecord WorkRecord;
  // Distinct observer names in ascending Windows-1250 byte order (UTF-8 texts); at most 199.
  std::vector<std::string> Observers;
  float DrawingRadius = kDefaultDrawingRadius;
  CoordinateMode Mode = CoordinateMode::Polar;
  bool DataChanged = false;
  // The data file exists but could not be read, or holds no readable record: saving or backing
  // up would overwrite it.
  bool LoadFailed = false;
  // The load left something out that a save would drop (a partial record, records after an
  // empty date, unreadable dates): saving waits until the file as found has been kept.
  bool OriginalNotKept = false;
  // The data file at the load or the last save; unknown for a database not loaded from a folder.
  std::optional<DataFileStamp> FileAtLoad;
  // The file was not in date order and the load sorted the records: the first save would write
  // them in the new order, so the file as found is kept before it, as for OriginalNotKept.
  bool SortedAtLoad = false;

  int Capacity() const { return static_cast<int>(Records.size()); }
  ObservationRecord& Record(int i) { return Records[static_cast<std::size_t>(i - 1)]; }
  const ObservationRecord& Record(int i) const { return Records[static_cast<std::size_t>(i - 1)]; }

  // A stored record is chosen (CurrentIndex within 1..RecordCount): corrections and the
  // facular area measured on the drawing go there.
  bool HasCurrentRecord() const { return CurrentIndex >= 1 && CurrentIndex <= RecordCount; }
  // Makes record `index` (1..RecordCount) current and copies it into the work record, as
  // choosing a line of the record list does.
  void ChooseRecord(int index) {
    CurrentIndex = index;
    WorkRecord = Record(index);
  }
};

}  // namespace ardeno
