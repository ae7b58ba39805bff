#pragma once
// Files that are plain runs of 1774-byte records (the data file and its backup), read in one
// block and written whole through a temporary file.
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <system_error>
#include <vector>

#include "core/data/observation_record.h"

namespace ardeno {

struct RecordFileContents {
  // The whole records of the file followed by extraCapacity empty records.
  std::vector<ObservationRecord> Records;
  int WholeRecords = 0;  // file size div 1774; a trailing partial record is ignored
  std::error_code Error;  // set when the file could not be read; Records is then empty
};

RecordFileContents ReadRecordFile(const std::filesystem::path& file, int extraCapacity);

// Writes the records to "<file>.tmp" in the same folder and renames it over file, so a failed
// write (full disk, no permission) leaves the old file as it was. The error, if any.
std::error_code WriteRecordFile(const std::filesystem::path& file,
                                std::span<const ObservationRecord> records);

}  // namespace ardeno
