#pragma once
// A record file kept open from the moment it was read. Its contents as read stay available for
// the whole run, even after a save has renamed a new file over its name (the open file keeps the
// old contents), so the backup of the data as loaded needs no second copy of them in memory.
#include <cstdint>
#include <ctime>
#include <system_error>
#include <vector>

#include "core/data/observation_record.h"

namespace ardeno {

class HeldFile {
 public:
  // Takes over the descriptor of a regular file opened for reading and notes its size and time.
  explicit HeldFile(int descriptor);
  ~HeldFile();
  HeldFile(const HeldFile&) = delete;
  HeldFile& operator=(const HeldFile&) = delete;

  int Descriptor() const { return m_descriptor; }
  std::uintmax_t SizeWhenOpened() const { return m_size; }
  // Another program wrote into the file itself (not by renaming a new one over it) since it was
  // opened: its size or modification time differ.
  bool ChangedSinceOpened() const;
  // The first `count` records of the file (it must hold them) into `records`.
  std::error_code ReadRecords(std::size_t count, std::vector<ObservationRecord>& records) const;

 private:
  int m_descriptor = -1;
  std::uintmax_t m_size = 0;
  std::timespec m_modified{};
};

// Appends `count` records read from the start of the open file to `records`. The records pass
// through a small buffer that stays in the processor's cache, so the array's fresh memory is
// written once, never zero-filled first. A file shorter than `count` records is an error.
std::error_code ReadRecordsFrom(int descriptor, std::size_t count,
                                std::vector<ObservationRecord>& records);

}  // namespace ardeno
