// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reference/catalogue_lines.h"

#include <limits>

#include "core/data/aux_file_io.h"
#include "core/entry/cell_numbers.h"
#include "core/text/shown_text.h"

namespace ardeno {

namespace {
constexpr std::size_t kShownLineChars = 80;
}

std::vector<NumberedLine> NonEmptyLines(std::string_view text) {
  std::vector<NumberedLine> lines;
  std::size_t position = 0;
  int number = 0;
  while (position < text.size()) {
    // A CR right after a CR is the second half of the group files' CR CR LF, not a line.
    const bool doubledEnd = position > 0 && text[position - 1] == '\r' && text[position] == '\r';
    const std::string_view line = NextTextLine(text, position);
    if (!doubledEnd) ++number;
    bool blank = true;
    for (const char c : line) blank = blank && (c == ' ' || c == '\t');
    if (!blank) lines.push_back({number, line});
  }
  return lines;
}

std::vector<std::string_view> BlankSeparated(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    const std::size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    if (i > start) fields.push_back(line.substr(start, i - start));
  }
  return fields;
}

std::vector<std::string_view> Separated(std::string_view line, char separator) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = line.find(separator, start);
    fields.push_back(line.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) return fields;
    start = end + 1;
  }
}

std::optional<int> WholeField(std::string_view text) {
  const auto value = ParseWholeNumber(text);
  if (!value || *value > std::numeric_limits<int>::max() ||
      *value < std::numeric_limits<int>::min())
    return std::nullopt;
  return static_cast<int>(*value);
}

std::optional<double> RealField(std::string_view text) {
  // The tables write whole numbers as "252.0"; a comma is never a decimal mark there.
  if (text.find(',') != std::string_view::npos) return std::nullopt;
  return ParseDecimal(text);
}

std::string LineProblem(const std::string& source, int line, std::string_view text,
                        const std::string& reason) {
  return source + ":" + std::to_string(line) + ": " + ShownText(text, kShownLineChars) + " (" +
         reason + ")";
}

}  // namespace ardeno
