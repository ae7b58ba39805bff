#include "core/data/held_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "core/data/large_array.h"

namespace ardeno {

namespace {

// 64 records, 113 KB: well inside the cache, large enough that each read is one system call
// per 64 records.
constexpr std::size_t kBufferRecords = 64;

std::error_code LastError() {
  return std::error_code(errno != 0 ? errno : EIO, std::generic_category());
}

// Reads exactly `size` bytes at `offset`, through interrupted and short reads.
std::error_code ReadExactly(int descriptor, char* out, std::size_t size, off_t offset) {
  while (size > 0) {
    errno = 0;
    const ssize_t got = ::pread(descriptor, out, size, offset);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return LastError();
    if (got == 0) return std::make_error_code(std::errc::io_error);  // the file became shorter
    out += got;
    size -= static_cast<std::size_t>(got);
    offset += got;
  }
  return {};
}

}  // namespace

HeldFile::HeldFile(int descriptor) : m_descriptor(descriptor) {
  struct stat status {};
  if (::fstat(m_descriptor, &status) == 0) {
    m_size = static_cast<std::uintmax_t>(status.st_size);
    m_modified = status.st_mtim;
  }
}

HeldFile::~HeldFile() {
  if (m_descriptor >= 0) ::close(m_descriptor);
}

bool HeldFile::ChangedSinceOpened() const {
  struct stat status {};
  if (::fstat(m_descriptor, &status) != 0) return true;
  return static_cast<std::uintmax_t>(status.st_size) != m_size ||
         status.st_mtim.tv_sec != m_modified.tv_sec || status.st_mtim.tv_nsec != m_modified.tv_nsec;
}

std::error_code HeldFile::ReadRecords(std::size_t count,
                                      std::vector<ObservationRecord>& records) const {
  records.clear();
  return ReadRecordsFrom(m_descriptor, count, records);
}

std::error_code ReadRecordsFrom(int descriptor, std::size_t count,
                                std::vector<ObservationRecord>& records) {
  ReserveLarge(records, records.size() + count);
  std::vector<ObservationRecord> buffer(std::min(count, kBufferRecords));
  for (std::size_t done = 0; done < count;) {
    const std::size_t part = std::min(count - done, kBufferRecords);
    if (const auto error = ReadExactly(descriptor, reinterpret_cast<char*>(buffer.data()),
                                       part * kRecordSize, static_cast<off_t>(done * kRecordSize)))
      return error;
    records.insert(records.end(), buffer.begin(),
                   buffer.begin() + static_cast<std::ptrdiff_t>(part));
    done += part;
  }
  return {};
}

}  // namespace ardeno
