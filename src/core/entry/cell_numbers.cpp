// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/entry/cell_numbers.h"

#include <charconv>

namespace ardeno {
namespace {

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// More digits than any field holds is never a sensible entry and would overflow the parse.
constexpr std::size_t kMaxDigits = 15;

}  // namespace

std::optional<std::int64_t> ParseWholeNumber(std::string_view text) {
  text = TrimBlanks(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || text.size() > kMaxDigits) return std::nullopt;
  std::int64_t value = 0;
  for (char c : text) {
    if (!IsDigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return negative ? -value : value;
}

std::optional<double> ParseDecimal(std::string_view text) {
  text = TrimBlanks(text);
  std::string normalized;
  std::size_t digits = 0;
  bool separator = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (IsDigit(c)) {
      ++digits;
      normalized += c;
    } else if ((c == '.' || c == ',') && !separator) {
      separator = true;
      normalized += '.';
    } else if ((c == '+' || c == '-') && i == 0) {
      normalized += c;
    } else {
      return std::nullopt;
    }
  }
  if (digits == 0 || digits > kMaxDigits) return std::nullopt;
  // from_chars ignores the process locale, which may want a decimal comma.
  const char* begin = normalized.data();
  if (*begin == '+') ++begin;
  double value = 0.0;
  std::from_chars(begin, normalized.data() + normalized.size(), value);
  return value;
}

double DecimalOrZero(std::string_view text) { return ParseDecimal(text).value_or(0.0); }

bool IsBlank(std::string_view text) { return TrimBlanks(text).empty(); }

HemisphereMarker MarkerOf(std::string_view text) {
  text = TrimBlanks(text);
  if (text == "s" || text == "S") return HemisphereMarker::North;
  if (text == "j" || text == "J") return HemisphereMarker::South;
  return HemisphereMarker::None;
}

std::string WithDecimalPoint(std::string text) {
  const auto comma = text.find(',');
  if (comma != std::string::npos) text[comma] = '.';
  return text;
}

}  // namespace ardeno
