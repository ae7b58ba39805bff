// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/data/folder_lock.h"

#include <ctime>
#include <fstream>
#include <optional>
#include <thread>

#include "core/data/data_file.h"
#include "core/data/file_error_text.h"
#include "core/data/file_replace.h"
#include "core/data/system_files.h"
#include "core/text/core_text.h"
#include "core/text/dates.h"
#include "core/text/path_text.h"

namespace ardeno {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kHolderTextMax = 200;

// "ardeno-cli merge (proces 4711, od 09.12.2026 05:31:07)", in the language of the program that
// holds the lock: the one refused reads it as it stands.
std::string HolderText(const std::string& holder) {
  const std::tm local = LocalTime(std::time(nullptr));
  char since[32];
  std::strftime(since, sizeof since, "%d.%m.%Y %H:%M:%S", &local);
  return FillText(CoreText("FolderLock", "%1 (proces %2, od %3)"),
                  {holder, std::to_string(ProcessNumber()), since});
}

std::string LockFailedText(const fs::path& folder, std::error_code error) {
  return FillText(
      CoreText("FolderLock", "Složku s daty %1 nelze zamknout: %2, proto se data nemění."),
      {PathUtf8(folder), FileErrorText(error)});
}

std::string ReadHolder(const fs::path& file) {
  // A link planted under the name is not followed into another file.
  std::error_code noFile;
  if (fs::is_symlink(fs::symlink_status(file, noFile)))
    return CoreText("FolderLock", "jiný program");
  std::ifstream in(file, std::ios::binary);
  char text[kHolderTextMax];
  in.read(text, sizeof text);
  if (in.gcount() <= 0) return CoreText("FolderLock", "jiný program");
  return std::string(text, static_cast<std::size_t>(in.gcount()));
}

// The holder's file, written only into a folder whose mode lets it be written (also as root);
// false when it could not be written.
bool WriteHolder(const fs::path& file, const std::string& text) {
  if (FindWriteBlock(file) != WriteBlock::None) return false;
  std::error_code error;
  const int handle = OpenForRewriting(file, error);
  if (handle < 0) return false;
  error = WriteAll(handle, text);
  const std::error_code closed = CloseFile(handle);
  return !error && !closed;
}

// Polls the lock until it is free or the wait is over; false with the reason otherwise
// (operation_would_block: another holds it).
bool TakeWithin(int handle, std::chrono::milliseconds wait, std::error_code& error) {
  constexpr std::chrono::milliseconds kPoll{50};
  const auto until = std::chrono::steady_clock::now() + wait;
  while (!TryLockExclusive(handle, error)) {
    if (error != std::errc::operation_would_block) return false;
    if (std::chrono::steady_clock::now() >= until) return false;
    std::this_thread::sleep_for(kPoll);
    error.clear();
  }
  return true;
}

// The folder where `folder`'s datax.dat really lives when it is a link into another folder.
std::optional<fs::path> FolderOfLinkedDataFile(const fs::path& folder) {
  const fs::path file = folder / kDataFileName;
  std::error_code error;
  if (!fs::is_symlink(fs::symlink_status(file, error))) return std::nullopt;
  const fs::path real = fs::canonical(file, error);
  if (error) return std::nullopt;  // a dangling link: no database behind it to protect
  const fs::path own = fs::canonical(folder, error);
  if (error || real.parent_path() == own) return std::nullopt;
  return real.parent_path();
}

}  // namespace

FolderLock::FolderLock(FolderLock&& other) noexcept
    : m_handle(std::exchange(other.m_handle, -1)),
      m_holderFile(std::move(other.m_holderFile)),
      m_dataFileFolder(std::move(other.m_dataFileFolder)) {
  other.m_holderFile.clear();
}

FolderLock& FolderLock::operator=(FolderLock&& other) noexcept {
  if (this != &other) {
    Release();
    m_handle = std::exchange(other.m_handle, -1);
    m_holderFile = std::move(other.m_holderFile);
    m_dataFileFolder = std::move(other.m_dataFileFolder);
    other.m_holderFile.clear();
  }
  return *this;
}

FolderLock::~FolderLock() { Release(); }

void FolderLock::Release() {
  m_dataFileFolder.reset();
  if (m_handle < 0) return;
  std::error_code ignored;
  if (!m_holderFile.empty()) fs::remove(m_holderFile, ignored);
  m_holderFile.clear();
  CloseFile(m_handle);
  m_handle = -1;
}

FolderLockAttempt LockDataFolder(const fs::path& folder, const std::string& holder,
                                 std::chrono::milliseconds wait) {
  const fs::path holderFile = folder / kFolderLockFileName;
  std::error_code error;
  const int handle = OpenFolderLock(folder, holderFile, error);
  if (handle < 0) {
    // A folder that is not there has no database to change; the command says so itself. Where
    // the lock is a file (Windows), a read-only folder takes none and needs none to be read.
    std::error_code noFolder;
    if (!fs::is_directory(folder, noFolder) || !FolderAcceptsFiles(folder)) return {};
    return {FolderLock(), LockFailedText(folder, error)};
  }
  if (!TakeWithin(handle, wait, error)) {
    CloseFile(handle);
    if (error == std::errc::operation_would_block)
      return {FolderLock(),
              FillText(CoreText("FolderLock",
                                "Data ve složce %1 právě mění %2. Zkus to znovu, až skončí; nic se "
                                "nezměnilo."),
                       {PathUtf8(folder), ReadHolder(holderFile)})};
    return {FolderLock(), LockFailedText(folder, error)};
  }
  const bool named = WriteHolder(holderFile, HolderText(holder));
  FolderLockAttempt attempt = FolderLockAttempt::Made(handle, named ? holderFile : fs::path());
  if (const auto other = FolderOfLinkedDataFile(folder)) {
    FolderLockAttempt real = LockDataFolder(*other, holder, wait);
    if (real.Refused) return {FolderLock(), real.Refused};
    attempt.AlsoHold(std::move(real.Lock));
  }
  return attempt;
}

}  // namespace ardeno
