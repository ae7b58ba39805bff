// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The few calls on open files that the standard library does not offer (reading at an offset,
// flushing to the disk, exclusive creation, the time stamp of an open file, an advisory lock),
// once for POSIX systems and once for Windows, so that the data code above them is the same
// on both. A file is an int descriptor on both (on Windows the C runtime's, over a handle).
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace ardeno {

inline constexpr int kNoFile = -1;

// Opens a file for reading. On Windows others may still rename a new file over its name or
// remove it while it is open, as on POSIX systems.
int OpenForReading(const std::filesystem::path& file, std::error_code& error);
// Creates a new file for writing; fails with file_exists when the name is taken (also by a
// link: a link is never followed).
int CreateNewFile(const std::filesystem::path& file, std::error_code& error);
// Opens a file for writing from its start, creating it, never through a link.
int OpenForRewriting(const std::filesystem::path& file, std::error_code& error);
// Closes the file; the error of writes the system reports only now (a network disk).
std::error_code CloseFile(int file);

// Reads exactly `size` bytes at `offset`; io_error when the file ends before.
std::error_code ReadAt(int file, char* out, std::size_t size, std::uint64_t offset);
// Writes every byte at the file's current position.
std::error_code WriteAll(int file, std::string_view bytes);
// Waits until the file's bytes are on the disk.
std::error_code FlushToDisk(int file);
// Renames `from` over `to`, also while another (a held data file) has `to` open: on POSIX
// systems the plain rename; on Windows the rename with POSIX semantics (Windows 10 1607 and
// later), else the classic replacing move, which Windows refuses while `to` is open.
std::error_code RenameOver(const std::filesystem::path& from, const std::filesystem::path& to);
// Flushes the folder's entries (a rename in it) where the system needs that asked for.
void FlushFolder(const std::filesystem::path& folder);

// What tells another writer's change of a file: its size and its modification time.
struct OpenFileStamp {
  std::uintmax_t Size = 0;
  std::int64_t ModifiedNanoseconds = 0;
  friend bool operator==(const OpenFileStamp&, const OpenFileStamp&) = default;
};
bool StampOfOpenFile(int file, OpenFileStamp& stamp);

// A file by its name: its stamp and what tells it from another file put under the same name
// (device and inode, on Windows volume and file index).
struct FileIdentity {
  OpenFileStamp Stamp;
  std::uint64_t Device = 0;
  std::uint64_t Inode = 0;
};
bool IdentityOfFile(const std::filesystem::path& file, FileIdentity& identity);

// The folder lets this process create files in it (beyond its mode bits: a read-only mount).
bool FolderAcceptsFiles(const std::filesystem::path& folder);

// The lock one writer of a data folder holds: on POSIX systems a lock (flock) on the folder
// itself, on Windows a locked range of the holder's file `lockFile` in it. The system lets the
// lock go when its holder ends in any way.
int OpenFolderLock(const std::filesystem::path& folder, const std::filesystem::path& lockFile,
                   std::error_code& error);
// Takes the lock without waiting; false when another holds it (error would_block) or on failure.
bool TryLockExclusive(int lock, std::error_code& error);

int ProcessNumber();

}  // namespace ardeno
