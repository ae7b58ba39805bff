#include "core/data/file_replace.h"

#include <cerrno>
#include <cstdio>

namespace ardeno {

namespace {

std::error_code LastError() {
  const int code = errno != 0 ? errno : EIO;
  return std::error_code(code, std::generic_category());
}

}  // namespace

std::error_code ReplaceFileBytes(const std::filesystem::path& link, std::string_view bytes) {
  std::error_code error;
  std::error_code noFile;
  const bool isLink = std::filesystem::is_symlink(std::filesystem::symlink_status(link, noFile));
  const std::filesystem::path file = isLink ? std::filesystem::canonical(link, error) : link;
  if (error) return error;
  std::filesystem::path temporary = file;
  temporary += ".tmp";
  errno = 0;
  std::FILE* raw = std::fopen(temporary.c_str(), "wb");
  if (!raw) return LastError();
  errno = 0;
  bool written = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), raw) == bytes.size();
  if (written) written = std::fflush(raw) == 0;
  if (!written) error = LastError();
  errno = 0;
  if (std::fclose(raw) != 0 && !error) error = LastError();
  if (!error) {
    std::error_code noOldFile;
    const auto status = std::filesystem::status(file, noOldFile);
    if (!noOldFile && std::filesystem::exists(status))
      std::filesystem::permissions(temporary, status.permissions(), error);
  }
  if (!error) std::filesystem::rename(temporary, file, error);
  if (error) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
  }
  return error;
}

}  // namespace ardeno
