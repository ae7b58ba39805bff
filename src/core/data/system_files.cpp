// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/data/system_files.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace ardeno {

namespace {

std::error_code LastErrno() {
  return std::error_code(errno != 0 ? errno : EIO, std::generic_category());
}

}  // namespace

#ifdef _WIN32

namespace {

// A byte of the lock file far beyond its text: locking it leaves the holder's name readable.
constexpr DWORD kLockedByteHigh = 0x40000000;

std::error_code LastWindowsError() {
  return std::error_code(static_cast<int>(::GetLastError()), std::system_category());
}

// A C runtime descriptor over a handle the program opened with the sharing it needs.
int DescriptorOf(HANDLE handle, int flags, std::error_code& error) {
  if (handle == INVALID_HANDLE_VALUE) {
    error = LastWindowsError();
    return kNoFile;
  }
  const int file = ::_open_osfhandle(reinterpret_cast<intptr_t>(handle), flags);
  if (file < 0) {
    ::CloseHandle(handle);
    error = std::make_error_code(std::errc::too_many_files_open);
  }
  return file;
}

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// The rename with POSIX semantics of Windows 10 (1607), which MinGW's headers declare only for
// a version number no build uses; the value is the system's.
constexpr auto kFileRenameInfoEx = static_cast<FILE_INFO_BY_HANDLE_CLASS>(22);
constexpr DWORD kRenameReplacingPosix = 0x1 | 0x2;  // replace if it exists, POSIX semantics

}  // namespace

int OpenForReading(const std::filesystem::path& file, std::error_code& error) {
  // Shared for deletion too: a save renames its new file over a data file held open.
  return DescriptorOf(::CreateFileW(file.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr),
                      _O_RDONLY | _O_BINARY, error);
}

int CreateNewFile(const std::filesystem::path& file, std::error_code& error) {
  const HANDLE handle = ::CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_FILE_EXISTS) {
    error = std::make_error_code(std::errc::file_exists);
    return kNoFile;
  }
  return DescriptorOf(handle, _O_WRONLY | _O_BINARY, error);
}

int OpenForRewriting(const std::filesystem::path& file, std::error_code& error) {
  return DescriptorOf(::CreateFileW(file.c_str(), GENERIC_WRITE, kShareAll, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr),
                      _O_WRONLY | _O_BINARY, error);
}

std::error_code CloseFile(int file) {
  errno = 0;
  return file < 0 || ::_close(file) == 0 ? std::error_code() : LastErrno();
}

std::error_code ReadAt(int file, char* out, std::size_t size, std::uint64_t offset) {
  const HANDLE handle = reinterpret_cast<HANDLE>(::_get_osfhandle(file));
  while (size > 0) {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset & 0xFFFFFFFFu);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    const DWORD part = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
    DWORD got = 0;
    if (!::ReadFile(handle, out, part, &got, &at)) {
      if (::GetLastError() == ERROR_HANDLE_EOF) return std::make_error_code(std::errc::io_error);
      return LastWindowsError();
    }
    if (got == 0) return std::make_error_code(std::errc::io_error);  // the file became shorter
    out += got;
    size -= got;
    offset += got;
  }
  return {};
}

std::error_code WriteAll(int file, std::string_view bytes) {
  while (!bytes.empty()) {
    errno = 0;
    const unsigned part = static_cast<unsigned>(std::min<std::size_t>(bytes.size(), 1u << 30));
    const int written = ::_write(file, bytes.data(), part);
    if (written <= 0) return LastErrno();
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return {};
}

std::error_code FlushToDisk(int file) {
  errno = 0;
  return ::_commit(file) == 0 ? std::error_code() : LastErrno();
}

std::error_code RenameOver(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::error_code error;
  const std::filesystem::path target = std::filesystem::absolute(to, error);
  const HANDLE handle = ::CreateFileW(from.c_str(), DELETE | SYNCHRONIZE, kShareAll, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (!error && handle != INVALID_HANDLE_VALUE) {
    // The system's own form of the name: "\??\C:\...".
    const std::wstring name = L"\\??\\" + target.wstring();
    std::vector<char> buffer(sizeof(FILE_RENAME_INFO) + name.size() * sizeof(wchar_t));
    auto* info = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    // The first member is a flag word since Windows 10 (a BOOLEAN before, in the same place).
    const DWORD flags = kRenameReplacingPosix;
    std::memcpy(buffer.data(), &flags, sizeof flags);
    info->RootDirectory = nullptr;
    info->FileNameLength = static_cast<DWORD>(name.size() * sizeof(wchar_t));
    std::memcpy(info->FileName, name.data(), info->FileNameLength);
    const bool renamed = ::SetFileInformationByHandle(handle, kFileRenameInfoEx, info,
                                                      static_cast<DWORD>(buffer.size())) != 0;
    ::CloseHandle(handle);
    if (renamed) return {};
  } else if (handle != INVALID_HANDLE_VALUE) {
    ::CloseHandle(handle);
  }
  if (::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return {};
  return LastWindowsError();
}

// NTFS journals the rename itself; a folder cannot be flushed through the C runtime.
void FlushFolder(const std::filesystem::path&) {}

bool StampOfOpenFile(int file, OpenFileStamp& stamp) {
  BY_HANDLE_FILE_INFORMATION info{};
  if (!::GetFileInformationByHandle(reinterpret_cast<HANDLE>(::_get_osfhandle(file)), &info))
    return false;
  stamp.Size = (static_cast<std::uintmax_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
  const std::int64_t ticks = static_cast<std::int64_t>(
      (static_cast<std::uint64_t>(info.ftLastWriteTime.dwHighDateTime) << 32) |
      info.ftLastWriteTime.dwLowDateTime);
  stamp.ModifiedNanoseconds = ticks * 100;  // ticks of 100 ns
  return true;
}

bool IdentityOfFile(const std::filesystem::path& file, FileIdentity& identity) {
  // No access asked: only the file's information is read, whatever its permissions.
  const HANDLE handle = ::CreateFileW(file.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION info{};
  const bool read = ::GetFileInformationByHandle(handle, &info) != 0;
  ::CloseHandle(handle);
  if (!read) return false;
  identity.Stamp.Size = (static_cast<std::uintmax_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
  identity.Stamp.ModifiedNanoseconds =
      static_cast<std::int64_t>(
          (static_cast<std::uint64_t>(info.ftLastWriteTime.dwHighDateTime) << 32) |
          info.ftLastWriteTime.dwLowDateTime) *
      100;
  identity.Device = info.dwVolumeSerialNumber;
  identity.Inode = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
  return true;
}

bool FolderAcceptsFiles(const std::filesystem::path& folder) {
  // Windows keeps no write bit for a folder; a read-only share refuses the write itself.
  return ::_waccess(folder.c_str(), 2) == 0;
}

int OpenFolderLock(const std::filesystem::path&, const std::filesystem::path& lockFile,
                   std::error_code& error) {
  return DescriptorOf(::CreateFileW(lockFile.c_str(), GENERIC_READ | GENERIC_WRITE, kShareAll,
                                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr),
                      _O_RDWR | _O_BINARY, error);
}

bool TryLockExclusive(int lock, std::error_code& error) {
  OVERLAPPED at{};
  at.OffsetHigh = kLockedByteHigh;
  if (::LockFileEx(reinterpret_cast<HANDLE>(::_get_osfhandle(lock)),
                   LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at))
    return true;
  error = ::GetLastError() == ERROR_LOCK_VIOLATION
              ? std::make_error_code(std::errc::operation_would_block)
              : LastWindowsError();
  return false;
}

int ProcessNumber() { return ::_getpid(); }

#else

int OpenForReading(const std::filesystem::path& file, std::error_code& error) {
  errno = 0;
  const int handle = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (handle < 0) error = LastErrno();
  return handle;
}

int CreateNewFile(const std::filesystem::path& file, std::error_code& error) {
  errno = 0;
  const int handle =
      ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (handle < 0) error = LastErrno();
  return handle;
}

int OpenForRewriting(const std::filesystem::path& file, std::error_code& error) {
  errno = 0;
  const int handle =
      ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (handle < 0) error = LastErrno();
  return handle;
}

std::error_code CloseFile(int file) {
  errno = 0;
  return file < 0 || ::close(file) == 0 ? std::error_code() : LastErrno();
}

std::error_code ReadAt(int file, char* out, std::size_t size, std::uint64_t offset) {
  while (size > 0) {
    errno = 0;
    const ssize_t got = ::pread(file, out, size, static_cast<off_t>(offset));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return LastErrno();
    if (got == 0) return std::make_error_code(std::errc::io_error);  // the file became shorter
    out += got;
    size -= static_cast<std::size_t>(got);
    offset += static_cast<std::uint64_t>(got);
  }
  return {};
}

std::error_code WriteAll(int file, std::string_view bytes) {
  while (!bytes.empty()) {
    errno = 0;
    const ssize_t written = ::write(file, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return LastErrno();
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return {};
}

std::error_code FlushToDisk(int file) {
  errno = 0;
  return ::fsync(file) == 0 ? std::error_code() : LastErrno();
}

std::error_code RenameOver(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::error_code error;
  std::filesystem::rename(from, to, error);
  return error;
}

void FlushFolder(const std::filesystem::path& folder) {
  const int handle = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (handle < 0) return;
  ::fsync(handle);
  ::close(handle);
}

bool StampOfOpenFile(int file, OpenFileStamp& stamp) {
  struct stat status {};
  if (::fstat(file, &status) != 0) return false;
  stamp.Size = static_cast<std::uintmax_t>(status.st_size);
  stamp.ModifiedNanoseconds =
      static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec;
  return true;
}

bool IdentityOfFile(const std::filesystem::path& file, FileIdentity& identity) {
  struct stat info {};
  if (::stat(file.c_str(), &info) != 0) return false;
  identity.Stamp.Size = static_cast<std::uintmax_t>(info.st_size);
  identity.Stamp.ModifiedNanoseconds =
      static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
  identity.Device = static_cast<std::uint64_t>(info.st_dev);
  identity.Inode = static_cast<std::uint64_t>(info.st_ino);
  return true;
}

bool FolderAcceptsFiles(const std::filesystem::path& folder) {
  return ::access(folder.c_str(), W_OK) == 0;
}

int OpenFolderLock(const std::filesystem::path& folder, const std::filesystem::path&,
                   std::error_code& error) {
  errno = 0;
  const int handle = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (handle < 0) error = LastErrno();
  return handle;
}

bool TryLockExclusive(int lock, std::error_code& error) {
  errno = 0;
  if (::flock(lock, LOCK_EX | LOCK_NB) == 0) return true;
  // Interrupted by a signal: tried again like a lock held by another.
  error = errno == EWOULDBLOCK || errno == EINTR
              ? std::make_error_code(std::errc::operation_would_block)
              : LastErrno();
  return false;
}

int ProcessNumber() { return static_cast<int>(::getpid()); }

#endif

}  // namespace ardeno
