// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/description_file.h"

#include "core/data/aux_file_io.h"
#include "core/text/encoding.h"

namespace ardeno {

namespace {
constexpr std::uintmax_t kDescriptionReadBytes = 64 * 1024;  // seven lines never need more
}  // namespace

DescriptionLines ParseDescription(std::string_view bytes) {
  DescriptionLines lines;
  std::size_t position = 0;
  for (std::string& line : lines) {
    if (position >= bytes.size()) break;
    line = Cp1250ToUtf8(NextTextLine(bytes, position));
  }
  return lines;
}

bool HasDescriptionFile(const std::filesystem::path& progDir) {
  std::error_code noFile;
  return std::filesystem::exists(progDir / kDescriptionFileName, noFile);
}

DescriptionLines ReadDescriptionFile(const std::filesystem::path& progDir) {
  const auto file = ReadAuxFile(progDir / kDescriptionFileName, kDescriptionFileName,
                                kDescriptionReadBytes, false);
  if (!file) return {};
  return ParseDescription(file->Bytes);
}

}  // namespace ardeno
