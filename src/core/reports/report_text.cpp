#include "core/reports/report_text.h"

#include <system_error>

#include "core/data/file_error_text.h"
#include "core/data/file_replace.h"
#include "core/text/encoding.h"
#include "core/text/number_format.h"

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
  std::error_code error;
  std::filesystem::create_directories(file.parent_path(), error);
  if (!error) error = ReplaceFileBytes(file, bytes);
  if (!error) return std::nullopt;
  return "Soubor " + file.filename().string() + " nelze zapsat: " + FileErrorText(error) +
         ". Původní soubor zůstal beze změny.";
}

std::string Digits(long long value, int digits) {
  return FormatFloat(std::string(static_cast<std::size_t>(digits), '0'),
                     static_cast<double>(value));
}

}  // namespace ardeno
