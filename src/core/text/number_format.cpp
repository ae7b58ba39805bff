// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/number_format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace ardeno {

std::int64_t Round(double x) { return static_cast<std::int64_t>(std::nearbyint(x)); }

std::int64_t Trunc(double x) { return static_cast<std::int64_t>(std::trunc(x)); }

double Int(double x) { return std::trunc(x); }

DecimalText RoundDecimal(double value, int decimals) {
  DecimalText result;
  value = std::fabs(value);
  if (!std::isfinite(value)) value = 0.0;
  // Whole numbers (counts, dates, times) are most of what the program formats: exact as they are.
  if (decimals >= 0 && value < 1e15 && value == std::trunc(value)) {
    result.IntegerDigits = std::to_string(static_cast<std::int64_t>(value));
    result.FractionDigits.assign(static_cast<std::size_t>(decimals), '0');
    result.IsZero = value == 0.0;
    return result;
  }
  // 15 significant digits: the decimal value the user meant, so that 0.15 rounds to 0.2.
  char buf[40];
  *std::to_chars(buf, buf + sizeof buf - 1, value, std::chars_format::scientific, 14).ptr = '\0';
  std::string digits;
  digits += buf[0];
  digits.append(buf + 2, 14);
  int exponent = std::atoi(buf + 17);
  // value = 0.<digits> * 10^(exponent + 1); a leading 0 leaves room for a carry.
  digits.insert(digits.begin(), '0');
  int integerCount = exponent + 2;
  int keep = integerCount + decimals;
  if (keep < 0) {
    digits = "0";
    integerCount = 1;
    keep = 1 + decimals;
  }
  if (keep < static_cast<int>(digits.size())) {
    const bool roundUp = digits[keep] >= '5';
    digits.resize(keep);
    if (roundUp) {
      int i = keep - 1;
      while (i >= 0 && digits[i] == '9') digits[i--] = '0';
      if (i >= 0) {
        ++digits[i];
      } else {
        digits.insert(digits.begin(), '1');
        ++integerCount;
      }
    }
  } else {
    digits.append(keep - digits.size(), '0');
  }
  // digits now hold integerCount integer digits (maybe negative count) then the decimals.
  if (integerCount <= 0) {
    digits.insert(digits.begin(), 1 - integerCount, '0');
    integerCount = 1;
  }
  result.IntegerDigits = digits.substr(0, integerCount);
  result.FractionDigits = digits.substr(integerCount);
  const auto firstNonZero = result.IntegerDigits.find_first_not_of('0');
  result.IntegerDigits =
      firstNonZero == std::string::npos ? "0" : result.IntegerDigits.substr(firstNonZero);
  result.IsZero = result.IntegerDigits == "0" &&
                  result.FractionDigits.find_first_not_of('0') == std::string::npos;
  return result;
}

namespace {

// One section of a pattern, split into pieces: placeholders and literal text.
struct PatternSection {
  struct Piece {
    char Placeholder = 0;  // '0', '#', '.' or 0 for literal text
    std::string Literal;
  };
  std::vector<Piece> Pieces;
  int IntegerPlaceholders = 0;
  int RequiredIntegerDigits = 0;  // placeholders from the first '0' to the decimal point
  int Decimals = 0;
  int RequiredDecimals = 0;  // up to the last '0' after the decimal point
};

std::vector<std::string> SplitSections(std::string_view pattern) {
  std::vector<std::string> sections(1);
  char quote = 0;
  for (char c : pattern) {
    if (quote) {
      if (c == quote) quote = 0;
      sections.back() += c;
    } else if (c == '"' || c == '\'') {
      quote = c;
      sections.back() += c;
    } else if (c == ';') {
      sections.emplace_back();
    } else {
      sections.back() += c;
    }
  }
  return sections;
}

PatternSection ParseSection(const std::string& text) {
  PatternSection section;
  bool afterPoint = false;
  bool seenZero = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '"' || c == '\'') {
      const auto end = text.find(c, i + 1);
      const auto stop = end == std::string::npos ? text.size() : end;
      section.Pieces.push_back({0, text.substr(i + 1, stop - i - 1)});
      i = stop;
    } else if (c == '0' || c == '#') {
      section.Pieces.push_back({c, {}});
      if (afterPoint) {
        ++section.Decimals;
        if (c == '0') section.RequiredDecimals = section.Decimals;
      } else {
        ++section.IntegerPlaceholders;
        if (c == '0') seenZero = true;
        if (seenZero) ++section.RequiredIntegerDigits;
      }
    } else if (c == '.' && !afterPoint) {
      afterPoint = true;
      section.Pieces.push_back({'.', {}});
    } else if (c == ',') {
      // thousands separators are never used in this program's patterns
    } else {
      if (section.Pieces.empty() || section.Pieces.back().Placeholder != 0) {
        section.Pieces.push_back({0, {}});
      }
      section.Pieces.back().Literal += c;
    }
  }
  return section;
}

std::string Render(const PatternSection& section, const DecimalText& number) {
  std::string integerDigits = number.IntegerDigits == "0" ? "" : number.IntegerDigits;
  if (static_cast<int>(integerDigits.size()) < section.RequiredIntegerDigits) {
    integerDigits.insert(0, section.RequiredIntegerDigits - integerDigits.size(), '0');
  }
  std::string fraction = number.FractionDigits;
  while (static_cast<int>(fraction.size()) > section.RequiredDecimals && fraction.back() == '0') {
    fraction.pop_back();
  }
  std::string out;
  int integerSeen = 0;
  int decimalSeen = 0;
  // Integer digits fill the integer placeholders from the right; surplus digits go to the first.
  const int surplus = static_cast<int>(integerDigits.size()) - section.IntegerPlaceholders;
  for (const auto& piece : section.Pieces) {
    switch (piece.Placeholder) {
      case 0:
        out += piece.Literal;
        break;
      case '.':
        if (!fraction.empty()) out += '.';
        break;
      default:
        if (decimalSeen < section.Decimals && integerSeen == section.IntegerPlaceholders) {
          if (decimalSeen < static_cast<int>(fraction.size())) out += fraction[decimalSeen];
          ++decimalSeen;
        } else {
          // placeholder number integerSeen (0-based) shows digit (integerSeen + surplus)
          const int index = integerSeen + surplus;
          if (integerSeen == 0 && surplus > 0)
            out += integerDigits.substr(0, surplus + 1);
          else if (index >= 0)
            out += integerDigits[index];
          ++integerSeen;
        }
    }
  }
  return out;
}

// A pattern split into its sections (positive; negative; zero), each parsed.
struct ParsedPattern {
  std::vector<std::string> Texts;
  std::vector<PatternSection> Sections;
};

// The program formats every number of an export or report through a handful of patterns, so each
// is parsed once per thread; the bound only guards against a caller with ever-new patterns.
const ParsedPattern& Parsed(std::string_view pattern) {
  constexpr std::size_t kMaxPatterns = 256;
  thread_local std::unordered_map<std::string, ParsedPattern> cache;
  const std::string key(pattern);
  if (const auto found = cache.find(key); found != cache.end()) return found->second;
  if (cache.size() >= kMaxPatterns) cache.clear();
  ParsedPattern parsed;
  parsed.Texts = SplitSections(pattern);
  for (const std::string& text : parsed.Texts) parsed.Sections.push_back(ParseSection(text));
  return cache.emplace(key, std::move(parsed)).first->second;
}

}  // namespace

std::string FormatFloat(std::string_view pattern, double value) {
  const ParsedPattern& parsed = Parsed(pattern);
  const auto& texts = parsed.Texts;
  std::size_t index = 0;
  if (value < 0 && texts.size() >= 2 && !texts[1].empty()) index = 1;
  const PatternSection& section = parsed.Sections[index];
  const DecimalText number = RoundDecimal(value, section.Decimals);
  if (number.IsZero && texts.size() >= 3 && !texts[2].empty()) {
    const PatternSection& zero = parsed.Sections[2];
    return Render(zero, RoundDecimal(0.0, zero.Decimals));
  }
  if (number.IsZero && index == 1) {
    // a negative value that rounds to zero takes the positive section
    const PatternSection& positive = parsed.Sections[0];
    return Render(positive, RoundDecimal(0.0, positive.Decimals));
  }
  std::string text = Render(section, number);
  if (value < 0 && index == 0 && !number.IsZero) text.insert(0, "-");
  return text;
}

namespace {

constexpr std::array<double, 7> kPowersOfTen = {1, 10, 100, 1e3, 1e4, 1e5, 1e6};

// |value| below this many units of the last decimal: its 15 significant digits lie within
// 1e-5 of a unit, well inside the margin below.
constexpr double kQuickLimit = 1e9;
// Scaled values this close to a half are left to the decimal rounding, which decides ties.
constexpr double kTieMargin = 1e-3;

// The rounded digits of FormatFixed without the text work of RoundDecimal, for the values far
// from a rounding tie, which are nearly all that tables and reports format; nothing otherwise.
std::optional<std::string> QuickFixed(double value, int decimals) {
  if (decimals < 0 || decimals >= static_cast<int>(kPowersOfTen.size())) return std::nullopt;
  const double scaled = std::fabs(value) * kPowersOfTen[static_cast<std::size_t>(decimals)];
  if (!(scaled < kQuickLimit)) return std::nullopt;  // also infinities and NaN
  const double units = std::floor(scaled + 0.5);
  if (std::fabs(scaled - units) > 0.5 - kTieMargin) return std::nullopt;
  const auto whole = static_cast<std::int64_t>(units);
  const auto scale = static_cast<std::int64_t>(kPowersOfTen[static_cast<std::size_t>(decimals)]);
  std::string text = value < 0 && whole != 0 ? "-" : "";
  text += std::to_string(whole / scale);
  if (decimals > 0) {
    const std::string fraction = std::to_string(whole % scale);
    text += '.';
    text.append(static_cast<std::size_t>(decimals) - fraction.size(), '0');
    text += fraction;
  }
  return text;
}

}  // namespace

std::string FormatFixed(double value, int width, int decimals) {
  if (std::optional<std::string> quick = QuickFixed(value, decimals)) {
    if (static_cast<int>(quick->size()) < width) quick->insert(0, width - quick->size(), ' ');
    return *std::move(quick);
  }
  const DecimalText number = RoundDecimal(value, decimals);
  std::string text = number.IntegerDigits;
  if (decimals > 0) text += "." + number.FractionDigits;
  if (value < 0 && !number.IsZero) text.insert(0, "-");
  if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), ' ');
  return text;
}

std::string FormatInt(std::int64_t value, int width) {
  std::string text = std::to_string(value);
  if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), ' ');
  return text;
}

}  // namespace ardeno
