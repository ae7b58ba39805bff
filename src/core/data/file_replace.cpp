#include "core/data/file_replace.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace ardeno {

namespace {

namespace fs = std::filesystem;

constexpr fs::perms kAnyWrite =
    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;

std::error_code LastError() {
  const int code = errno != 0 ? errno : EIO;
  return std::error_code(code, std::generic_category());
}

// The file a link names, or the path itself.
fs::path RealFile(const fs::path& path, std::error_code& error) {
  std::error_code noFile;
  const bool isLink = fs::is_symlink(fs::symlink_status(path, noFile));
  return isLink ? fs::canonical(path, error) : path;
}

fs::path FolderOf(const fs::path& file) {
  return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

bool HasNoWriteBit(const fs::file_status& status) {
  return fs::exists(status) && (status.permissions() & kAnyWrite) == fs::perms::none;
}

// Flushes the folder's entry of a renamed file, so the rename itself survives a power cut.
void SyncFolder(const fs::path& folder) {
  const int handle = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (handle < 0) return;
  ::fsync(handle);
  ::close(handle);
}

std::error_code WriteAndSync(const fs::path& temporary, std::string_view bytes) {
  errno = 0;
  // "x": created here and now; a leftover under this name was removed just before.
  std::FILE* raw = std::fopen(temporary.c_str(), "wbx");
  if (!raw) return LastError();
  std::error_code error;
  errno = 0;
  bool written = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), raw) == bytes.size();
  if (written) written = std::fflush(raw) == 0 && ::fsync(::fileno(raw)) == 0;
  if (!written) error = LastError();
  errno = 0;
  if (std::fclose(raw) != 0 && !error) error = LastError();
  return error;
}

}  // namespace

WriteBlock FindWriteBlock(const fs::path& path) {
  std::error_code error;
  const fs::path file = RealFile(path, error);
  if (error) return WriteBlock::None;  // the write itself will say why
  std::error_code noFile;
  if (HasNoWriteBit(fs::status(file, noFile))) return WriteBlock::ReadOnlyFile;
  const fs::path folder = FolderOf(file);
  if (HasNoWriteBit(fs::status(folder, noFile))) return WriteBlock::ReadOnlyFolder;
  if (fs::is_directory(folder, noFile) && ::access(folder.c_str(), W_OK) != 0)
    return WriteBlock::ReadOnlyFolder;
  return WriteBlock::None;
}

fs::path TemporaryFileFor(const fs::path& file) {
  fs::path temporary = file;
  temporary += ".tmp";
  return temporary;
}

std::error_code ReplaceFileBytes(const fs::path& link, std::string_view bytes) {
  std::error_code error;
  const fs::path file = RealFile(link, error);
  if (error) return error;
  if (FindWriteBlock(file) != WriteBlock::None)
    return std::make_error_code(std::errc::permission_denied);
  const fs::path temporary = TemporaryFileFor(file);
  std::error_code ignored;
  if (fs::is_symlink(fs::symlink_status(temporary, ignored)) ||
      fs::is_regular_file(fs::symlink_status(temporary, ignored)))
    fs::remove(temporary, ignored);
  error = WriteAndSync(temporary, bytes);
  if (!error) {
    std::error_code noOldFile;
    const auto status = fs::status(file, noOldFile);
    if (!noOldFile && fs::exists(status)) fs::permissions(temporary, status.permissions(), error);
  }
  if (!error) fs::rename(temporary, file, error);
  if (error) {
    // Only a file this write created is removed; anything else under the name stays.
    if (fs::is_regular_file(fs::symlink_status(temporary, ignored)) &&
        error != std::errc::file_exists)
      fs::remove(temporary, ignored);
    return error;
  }
  SyncFolder(FolderOf(file));
  return error;
}

}  // namespace ardeno
