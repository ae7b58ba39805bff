// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A record file kept open from the moment it was read. Its contents as read stay available for
// the whole run, even after a save has renamed a new file over its name (the open file keeps the
// old contents), so the backup of the data as loaded needs no second copy of them in memory.
// Windows refuses to rename a file over one that is open (Windows 10 can, but not every system
// the program runs on): there the contents as read are kept in memory and the file is closed.
#include <cstdint>
#include <string>
#include <system_error>
#include <vector>

#include "core/data/observation_record.h"
#include "core/data/system_files.h"

namespace ardeno {

// The contents as read are a copy in memory (Windows): written into by another program, the
// file still gives them, so nothing is refused for that.
#ifdef _WIN32
inline constexpr bool kHeldFileIsACopy = true;
#else
inline constexpr bool kHeldFileIsACopy = false;
#endif

class HeldFile {
 public:
  // Takes over the descriptor of a regular file opened for reading and notes its size and time.
  explicit HeldFile(int descriptor);
  ~HeldFile();
  HeldFile(const HeldFile&) = delete;
  HeldFile& operator=(const HeldFile&) = delete;

  std::uintmax_t SizeWhenOpened() const { return m_stamp.Size; }
  // Another program wrote into the file itself (not by renaming a new one over it) since it was
  // opened: its size or modification time differ.
  bool ChangedSinceOpened() const;
  // The first `count` records of the file (it must hold them) into `records`.
  std::error_code ReadRecords(std::size_t count, std::vector<ObservationRecord>& records) const;

 private:
  int m_descriptor = kNoFile;
  OpenFileStamp m_stamp;
#ifdef _WIN32
  std::string m_contents;  // the file's bytes as read
#endif
};

}  // namespace ardeno
