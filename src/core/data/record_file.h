// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files that are plain runs of 1774-byte records (the data file and its backup), read in one
// block and written whole through a temporary file.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <system_error>
#include <vector>

#include "core/data/observation_record.h"

namespace ardeno {

// Far beyond any station's archive (a drawing a day for five centuries); a larger file is some
// other file under the data file's name and is refused instead of exhausting the memory.
inline constexpr std::uintmax_t kMaxFileRecords = 200000;

class HeldFile;

struct RecordFileRead {
  int WholeRecords = 0;              // file size div 1774; a trailing partial record is ignored
  std::uintmax_t TrailingBytes = 0;  // bytes of that partial record (file size mod 1774)
  std::error_code Error;             // set when the file could not be read
  // The file, still open as it was read; closed when the last holder lets it go.
  std::shared_ptr<const HeldFile> File;
};

// Fills records with the whole records of the file followed by extraCapacity empty records; a
// file of more than kMaxFileRecords records is refused with std::errc::file_too_large, and a
// pipe, device or socket under the name with std::errc::not_supported (it is never opened).
// The records are written once into the array's memory (never zero-filled first); the vector's
// memory is reused when it is large enough, so a database loaded again does not allocate again.
// On an error records is left empty.
RecordFileRead ReadRecordFile(const std::filesystem::path& file, int extraCapacity,
                              std::vector<ObservationRecord>& records);

// Replaces file with the records (ReplaceFileBytes), so a failed write (full disk, no
// permission, read-only file) leaves the old file as it was. The error, if any.
std::error_code WriteRecordFile(const std::filesystem::path& file,
                                std::span<const ObservationRecord> records);

}  // namespace ardeno
