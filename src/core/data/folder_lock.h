// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Only one program at a time changes the database of a data folder. A writer (the program for
// its whole run, a command for its load, change and save) holds an advisory lock (flock) on the
// data folder itself and, while it holds it, says who it is in the file "datax.zamek" of the
// folder, so that a second writer is refused with a message naming the first. The system drops
// the lock when the holder ends in any way (even killed), so a lock is never left behind; the
// holder's file is removed when the lock is let go (one left by a killed holder is only read
// while somebody holds the lock, and then it is that holder's). A folder whose datax.dat is a
// link to another folder's shares that folder's database: its writer holds that folder's lock
// too, so that writers reaching one file through two folders never save over each other.
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>

#include "core/text/refusal.h"

namespace ardeno {

inline constexpr const char* kFolderLockFileName = "datax.zamek";

class FolderLock {
 public:
  FolderLock() = default;
  FolderLock(FolderLock&& other) noexcept;
  FolderLock& operator=(FolderLock&& other) noexcept;
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;
  ~FolderLock();

  // This writer holds the lock of its folder.
  bool Held() const { return m_handle >= 0; }
  // Lets the lock go (the holder's file is removed first).
  void Release();

 private:
  friend struct FolderLockAttempt;
  FolderLock(int handle, std::filesystem::path holderFile)
      : m_handle(handle), m_holderFile(std::move(holderFile)) {}
  int m_handle = -1;
  std::filesystem::path m_holderFile;  // empty when the folder cannot be written
  // The lock of the folder where the data file really lives, when that is another folder.
  std::unique_ptr<FolderLock> m_dataFileFolder;
};

struct FolderLockAttempt {
  FolderLock Lock;
  // Another writer holds the lock, or the lock file cannot be used: the Czech message naming the
  // holder. Empty also when nothing can be written into the folder at all (a read-only folder):
  // the writers' own checks refuse then, and no lock is needed to read.
  Refusal Refused;

  static FolderLockAttempt Made(int handle, std::filesystem::path holderFile) {
    return {FolderLock(handle, std::move(holderFile)), std::nullopt};
  }
  // Holds `other` (the lock of the folder where the data file lives) as long as Lock.
  void AlsoHold(FolderLock other) {
    Lock.m_dataFileFolder = std::make_unique<FolderLock>(std::move(other));
  }
};

// How long a writer waits for another one to finish: a command's load, change and save takes a
// moment, so two commands started together both store their change; the program holds the lock
// for its whole run, and a command is refused after this wait.
inline constexpr std::chrono::milliseconds kFolderLockWait{2000};

// Takes the lock of `folder` for `holder` ("ardeno-cli import-groups", "Ardeno"), waiting at
// most `wait` for another holder to let it go.
FolderLockAttempt LockDataFolder(const std::filesystem::path& folder, const std::string& holder,
                                 std::chrono::milliseconds wait = kFolderLockWait);

}  // namespace ardeno
