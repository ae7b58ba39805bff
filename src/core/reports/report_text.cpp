// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/report_text.h"

#include <system_error>

#include "core/data/file_error_text.h"
#include "core/data/file_replace.h"
#include "core/text/encoding.h"
#include "core/text/number_format.h"
#include "core/text/path_text.h"

namespace ardeno {

std::string ReportFileBytes(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return Utf8ToCp1250(text);
}

Refusal WriteReportFile(const std::filesystem::path& file, const std::string& bytes) {
  return WriteReportFiles({{file, bytes}});
}

Refusal WriteReportFiles(const std::vector<std::pair<std::filesystem::path, std::string>>& files) {
  std::vector<FileContent> contents;
  for (const auto& [file, bytes] : files) {
    if (const std::error_code error = CreateFolders(file.parent_path()))
      return "Soubor " + PathUtf8(file.filename()) + " nelze zapsat: " + FileErrorText(error) +
             ". Původní soubory zůstaly beze změny.";
    contents.push_back({file, bytes});
  }
  const auto failure = ReplaceOutputFileSet(contents);
  if (!failure) return std::nullopt;
  return "Soubor " + PathUtf8(failure->File.filename()) +
         " nelze zapsat: " + FileErrorText(failure->Error) +
         (files.size() > 1 ? ". Žádný ze souborů se nezměnil."
                           : ". Původní soubor zůstal beze změny.");
}

std::optional<std::filesystem::path> FirstTakenName(
    const std::vector<std::filesystem::path>& files) {
  for (const auto& file : files) {
    std::error_code noFile;
    if (std::filesystem::exists(std::filesystem::symlink_status(file, noFile))) return file;
  }
  return std::nullopt;
}

std::string Digits(long long value, int digits) {
  return FormatFloat(std::string(static_cast<std::size_t>(digits), '0'),
                     static_cast<double>(value));
}

}  // namespace ardeno
