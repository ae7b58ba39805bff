// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/data/kept_copy.h"
#include "core/text/path_text.h"

#include <fstream>
#include <string>

namespace ardeno {

namespace {

namespace fs = std::filesystem;

constexpr int kMaxCopies = 999;
constexpr std::size_t kCompareChunk = 64 * 1024;

// "datax-puvodni.dat", "datax-puvodni-2.dat", ...
fs::path CopyName(const fs::path& baseName, int number) {
  if (number == 1) return baseName;
  return Utf8Path(PathUtf8(baseName.stem()) + "-" + std::to_string(number) +
                  PathUtf8(baseName.extension()));
}

bool SameBytes(const fs::path& a, const fs::path& b) {
  std::error_code error;
  const auto sizeA = fs::file_size(a, error);
  if (error) return false;
  const auto sizeB = fs::file_size(b, error);
  if (error || sizeA != sizeB) return false;
  std::ifstream inA(a, std::ios::binary);
  std::ifstream inB(b, std::ios::binary);
  std::string chunkA(kCompareChunk, '\0');
  std::string chunkB(kCompareChunk, '\0');
  while (inA && inB) {
    inA.read(chunkA.data(), static_cast<std::streamsize>(chunkA.size()));
    inB.read(chunkB.data(), static_cast<std::streamsize>(chunkB.size()));
    if (inA.gcount() != inB.gcount()) return false;
    if (chunkA.compare(0, static_cast<std::size_t>(inA.gcount()), chunkB, 0,
                       static_cast<std::size_t>(inB.gcount())) != 0)
      return false;
  }
  return !inA.bad() && !inB.bad();
}

}  // namespace

KeptCopy KeepCopyOf(const fs::path& file, const fs::path& baseName) {
  const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
  KeptCopy kept;
  for (int number = 1; number <= kMaxCopies; ++number) {
    const fs::path name = CopyName(baseName, number);
    const fs::path candidate = folder / name;
    std::error_code noFile;
    const auto status = fs::symlink_status(candidate, noFile);
    if (fs::exists(status)) {
      if (fs::is_regular_file(status) && SameBytes(file, candidate)) {
        kept.Name = name;
        return kept;
      }
      continue;
    }
    // Fails rather than overwrite, should another program create the name meanwhile.
    fs::copy_file(file, candidate, fs::copy_options::none, kept.Error);
    if (!kept.Error) kept.Name = name;
    return kept;
  }
  kept.Error = std::make_error_code(std::errc::file_exists);
  return kept;
}

}  // namespace ardeno
