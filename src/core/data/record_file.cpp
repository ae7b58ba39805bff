#include "core/data/record_file.h"

#include <cerrno>
#include <cstdio>
#include <memory>

#include "core/data/file_replace.h"

namespace ardeno {

namespace {

static_assert(sizeof(ObservationRecord) == kRecordSize,
              "records are read and written as one block of bytes");

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

std::error_code LastError() {
  const int code = errno != 0 ? errno : EIO;
  return std::error_code(code, std::generic_category());
}

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
  errno = 0;
  FileHandle handle(std::fopen(file.c_str(), "rb"));
  if (!handle) {
    read.Error = LastError();
    return read;
  }
  const std::uintmax_t size = std::filesystem::file_size(file, read.Error);
  if (read.Error) return read;
  if (size / kRecordSize > kMaxFileRecords) {
    read.Error = std::make_error_code(std::errc::file_too_large);
    return read;
  }
  const std::size_t whole = static_cast<std::size_t>(size / kRecordSize);
  records.resize(whole + static_cast<std::size_t>(extraCapacity));
  errno = 0;
  if (whole > 0 && std::fread(records.data(), kRecordSize, whole, handle.get()) != whole) {
    read.Error = LastError();
    records.clear();
    return read;
  }
  read.WholeRecords = static_cast<int>(whole);
  read.TrailingBytes = size % kRecordSize;
  return read;
}

std::error_code WriteRecordFile(const std::filesystem::path& file,
                                std::span<const ObservationRecord> records) {
  return ReplaceFileBytes(file, std::string_view(reinterpret_cast<const char*>(records.data()),
                                                 records.size() * kRecordSize));
}

}  // namespace ardeno
