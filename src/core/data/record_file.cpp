#include "core/data/record_file.h"

#include <cerrno>
#include <cstdio>
#include <memory>

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
  return read;
}

std::error_code WriteRecordFile(const std::filesystem::path& link,
                                std::span<const ObservationRecord> records) {
  std::error_code error;
  // A data file kept elsewhere behind a symbolic link is replaced where it really lives.
  std::error_code noFile;
  const bool isLink = std::filesystem::is_symlink(std::filesystem::symlink_status(link, noFile));
  const std::filesystem::path file = isLink ? std::filesystem::canonical(link, error) : link;
  if (error) return error;
  std::filesystem::path temporary = file;
  temporary += ".tmp";
  errno = 0;
  std::FILE* raw = std::fopen(temporary.c_str(), "wb");
  if (!raw) return LastError();
  errno = 0;
  bool written = records.empty() ||
                 std::fwrite(records.data(), kRecordSize, records.size(), raw) == records.size();
  if (written) written = std::fflush(raw) == 0;
  if (!written) error = LastError();
  errno = 0;
  if (std::fclose(raw) != 0 && !error) error = LastError();
  if (!error) {
    // The new file keeps the permissions the user gave the old one.
    std::error_code noOldFile;
    const auto status = std::filesystem::status(file, noOldFile);
    if (!noOldFile && std::filesystem::exists(status))
      std::filesystem::permissions(temporary, status.permissions(), error);
  }
  if (!error) std::filesystem::rename(temporary, file, error);
  if (error) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
  }
  return error;
}

}  // namespace ardeno
