// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/data/record_file.h"

#include <memory>

#include "core/data/file_replace.h"
#include "core/data/held_file.h"
#include "core/data/large_array.h"
#include "core/data/system_files.h"

namespace ardeno {

namespace {

static_assert(sizeof(ObservationRecord) == kRecordSize,
              "records are read and written as one block of bytes");

}  // namespace

RecordFileRead ReadRecordFile(const std::filesystem::path& file, int extraCapacity,
                              std::vector<ObservationRecord>& records) {
  RecordFileRead read;
  records.clear();
  // A pipe or a device under the name would block the start-up or never end.
  const auto status = std::filesystem::status(file, read.Error);
  if (read.Error) return read;
  if (!std::filesystem::is_regular_file(status)) {
    read.Error =
        std::make_error_code(std::filesystem::is_directory(status) ? std::errc::is_a_directory
                                                                   : std::errc::not_supported);
    return read;
  }
  const int descriptor = OpenForReading(file, read.Error);
  if (descriptor < 0) return read;
  auto held = std::make_shared<const HeldFile>(descriptor);
  const std::uintmax_t size = held->SizeWhenOpened();
  if (size / kRecordSize > kMaxFileRecords) {
    read.Error = std::make_error_code(std::errc::file_too_large);
    return read;
  }
  const std::size_t whole = static_cast<std::size_t>(size / kRecordSize);
  ReserveLarge(records, whole + static_cast<std::size_t>(extraCapacity));
  if (const auto error = held->ReadRecords(whole, records)) {
    read.Error = error;
    records.clear();
    return read;
  }
  records.resize(whole + static_cast<std::size_t>(extraCapacity));
  read.WholeRecords = static_cast<int>(whole);
  read.TrailingBytes = size % kRecordSize;
  read.File = std::move(held);
  return read;
}

std::error_code WriteRecordFile(const std::filesystem::path& file,
                                std::span<const ObservationRecord> records) {
  return ReplaceFileBytes(file, std::string_view(reinterpret_cast<const char*>(records.data()),
                                                 records.size() * kRecordSize));
}

}  // namespace ardeno
