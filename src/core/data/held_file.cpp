// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/data/held_file.h"

#include <algorithm>
#include <cstring>

#include "core/data/large_array.h"
#include "core/data/record_file.h"

namespace ardeno {

namespace {

// 64 records, 113 KB: well inside the cache, large enough that each read is one system call
// per 64 records.
constexpr std::size_t kBufferRecords = 64;

}  // namespace

#ifdef _WIN32

HeldFile::HeldFile(int descriptor) {
  // A file too large to load is refused by its size alone, never copied.
  if (StampOfOpenFile(descriptor, m_stamp) && m_stamp.Size / kRecordSize <= kMaxFileRecords) {
    m_contents.resize(static_cast<std::size_t>(m_stamp.Size));
    if (ReadAt(descriptor, m_contents.data(), m_contents.size(), 0)) m_contents.clear();
  }
  CloseFile(descriptor);
}

HeldFile::~HeldFile() = default;

// The copy in memory is the file as read, whatever happens to the file since.
bool HeldFile::ChangedSinceOpened() const { return false; }

std::error_code HeldFile::ReadRecords(std::size_t count,
                                      std::vector<ObservationRecord>& records) const {
  records.clear();
  if (count * kRecordSize > m_contents.size()) return std::make_error_code(std::errc::io_error);
  ReserveLarge(records, count);
  records.resize(count);
  std::memcpy(records.data(), m_contents.data(), count * kRecordSize);
  return {};
}

#else

HeldFile::HeldFile(int descriptor) : m_descriptor(descriptor) {
  StampOfOpenFile(m_descriptor, m_stamp);
}

HeldFile::~HeldFile() { CloseFile(m_descriptor); }

bool HeldFile::ChangedSinceOpened() const {
  OpenFileStamp now;
  return !StampOfOpenFile(m_descriptor, now) || now != m_stamp;
}

// The records pass through a small buffer that stays in the processor's cache, so the array's
// fresh memory is written once, never zero-filled first.
std::error_code HeldFile::ReadRecords(std::size_t count,
                                      std::vector<ObservationRecord>& records) const {
  records.clear();
  ReserveLarge(records, count);
  std::vector<ObservationRecord> buffer(std::min(count, kBufferRecords));
  for (std::size_t done = 0; done < count;) {
    const std::size_t part = std::min(count - done, kBufferRecords);
    if (const auto error = ReadAt(m_descriptor, reinterpret_cast<char*>(buffer.data()),
                                  part * kRecordSize, done * kRecordSize))
      return error;
    records.insert(records.end(), buffer.begin(),
                   buffer.begin() + static_cast<std::ptrdiff_t>(part));
    done += part;
  }
  return {};
}

#endif

}  // namespace ardeno
