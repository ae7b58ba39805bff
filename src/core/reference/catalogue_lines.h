// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small pieces shared by the catalogue readers: splitting a file into numbered lines, fields, and
// the text that names a line that cannot be read.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ardeno {

struct NumberedLine {
  int Number = 0;  // 1-based line number in the file
  std::string_view Text;
};

// Every non-empty line (CR, LF and CR LF ends; the group files end their lines CR CR LF).
std::vector<NumberedLine> NonEmptyLines(std::string_view text);

// Fields separated by blanks.
std::vector<std::string_view> BlankSeparated(std::string_view line);
// Fields separated by one character, kept empty where two separators meet.
std::vector<std::string_view> Separated(std::string_view line, char separator);

// Whole number or decimal filling the text (blanks around allowed).
std::optional<int> WholeField(std::string_view text);
std::optional<double> RealField(std::string_view text);

// "name:line: text (reason)", the text cut to a readable length; `reason` is given in the
// language of the interface.
std::string LineProblem(const std::string& source, int line, std::string_view text,
                        const std::string& reason);

}  // namespace ardeno
