// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/entry/drawing_radius.h"

#include <charconv>
#include <string>

namespace ardeno {

namespace {
constexpr float kMinRadiusMm = 1.0f;
constexpr float kMaxRadiusMm = 999.0f;
}  // namespace

std::optional<float> ParseDrawingRadius(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  const auto last = text.find_last_not_of(' ');
  std::string number(text.substr(first, last - first + 1));
  for (char& c : number) {
    if (c == ',') c = '.';
    const bool allowed = (c >= '0' && c <= '9') || c == '.';
    if (!allowed) return std::nullopt;
  }
  // from_chars ignores the process locale, which the user interface may have changed.
  double value = 0.0;
  const char* end = number.data() + number.size();
  const auto [stop, error] = std::from_chars(number.data(), end, value);
  if (error != std::errc() || stop != end) return std::nullopt;
  if (value < kMinRadiusMm || value > kMaxRadiusMm) return std::nullopt;
  return static_cast<float>(value);
}

}  // namespace ardeno
