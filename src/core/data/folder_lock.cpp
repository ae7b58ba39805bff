#include "core/data/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <thread>

#include "core/data/file_error_text.h"
#include "core/data/file_replace.h"

namespace ardeno {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kHolderTextMax = 200;

// "ardeno-cli merge (proces 4711, od 09.12.2026 05:31:07)"
std::string HolderText(const std::string& holder) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&now, &local);
  char since[32];
  std::strftime(since, sizeof since, "%d.%m.%Y %H:%M:%S", &local);
  return holder + " (proces " + std::to_string(::getpid()) + ", od " + since + ")";
}

std::string ReadHolder(const fs::path& file) {
  char text[kHolderTextMax];
  const int handle = ::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
  if (handle < 0) return "jiný program";
  const ssize_t read = ::read(handle, text, sizeof text);
  ::close(handle);
  if (read <= 0) return "jiný program";
  return std::string(text, static_cast<std::size_t>(read));
}

// The holder's file, written only into a folder whose mode lets it be written (also as root);
// false when it could not be written.
bool WriteHolder(const fs::path& file, const std::string& text) {
  if (FindWriteBlock(file) != WriteBlock::None) return false;
  const int handle =
      ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (handle < 0) return false;
  const bool written =
      ::write(handle, text.data(), text.size()) == static_cast<ssize_t>(text.size());
  ::close(handle);
  return written;
}

// Polls the lock until it is free or the wait is over; false with errno set otherwise.
bool TakeWithin(int handle, std::chrono::milliseconds wait) {
  constexpr std::chrono::milliseconds kPoll{50};
  const auto until = std::chrono::steady_clock::now() + wait;
  while (::flock(handle, LOCK_EX | LOCK_NB) != 0) {
    if (errno != EWOULDBLOCK && errno != EINTR) return false;
    if (std::chrono::steady_clock::now() >= until) {
      errno = EWOULDBLOCK;
      return false;
    }
    std::this_thread::sleep_for(kPoll);
  }
  return true;
}

}  // namespace

FolderLock::FolderLock(FolderLock&& other) noexcept
    : m_handle(std::exchange(other.m_handle, -1)), m_holderFile(std::move(other.m_holderFile)) {
  other.m_holderFile.clear();
}

FolderLock& FolderLock::operator=(FolderLock&& other) noexcept {
  if (this != &other) {
    Release();
    m_handle = std::exchange(other.m_handle, -1);
    m_holderFile = std::move(other.m_holderFile);
    other.m_holderFile.clear();
  }
  return *this;
}

FolderLock::~FolderLock() { Release(); }

void FolderLock::Release() {
  if (m_handle < 0) return;
  if (!m_holderFile.empty()) ::unlink(m_holderFile.c_str());
  m_holderFile.clear();
  ::close(m_handle);
  m_handle = -1;
}

FolderLockAttempt LockDataFolder(const fs::path& folder, const std::string& holder,
                                 std::chrono::milliseconds wait) {
  const fs::path holderFile = folder / kFolderLockFileName;
  errno = 0;
  const int handle = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (handle < 0) {
    // A folder that is not there has no database to change; the command says so itself.
    if (errno == ENOENT) return {};
    return {FolderLock(), "Složku s daty " + folder.string() + " nelze zamknout: " +
                              FileErrorText(std::error_code(errno, std::generic_category())) +
                              ", proto se data nemění."};
  }
  if (!TakeWithin(handle, wait)) {
    const int reason = errno;
    ::close(handle);
    if (reason == EWOULDBLOCK)
      return {FolderLock(), "Data ve složce " + folder.string() + " právě mění " +
                                ReadHolder(holderFile) +
                                ". Zkus to znovu, až skončí; nic se nezměnilo."};
    return {FolderLock(), "Složku s daty " + folder.string() + " nelze zamknout: " +
                              FileErrorText(std::error_code(reason, std::generic_category())) +
                              ", proto se data nemění."};
  }
  const bool named = WriteHolder(holderFile, HolderText(holder));
  return FolderLockAttempt::Made(handle, named ? holderFile : fs::path());
}

}  // namespace ardeno
