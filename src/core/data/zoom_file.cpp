// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/data/zoom_file.h"

#include <charconv>
#include <fstream>
#include <optional>

#include "core/data/aux_file_io.h"
#include "core/text/encoding.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {
constexpr std::uintmax_t kZoomFileReadBytes = 4096;  // only the first line matters
}  // namespace

namespace {

// The whole number on the first line, if it holds one and nothing else.
std::optional<int> ZoomPercent(std::string_view text) {
  text = WithoutUtf8Bom(text);
  const auto end = text.find_first_of("\r\n");
  std::string_view line = text.substr(0, end);
  while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
  while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
  int percent = 0;
  const auto [rest, error] = std::from_chars(line.data(), line.data() + line.size(), percent);
  if (error != std::errc() || rest != line.data() + line.size()) return std::nullopt;
  return percent;
}

}  // namespace

float ZoomFromText(std::string_view firstLine) {
  // Anything but a whole number falls back to the default.
  const int percent = ZoomPercent(firstLine).value_or(0);
  if (percent > 100 && percent < 200) return static_cast<float>(percent) / 100.0f;
  return kDefaultZoom;
}

bool ZoomTextUnusable(std::string_view firstLine) { return !ZoomPercent(firstLine); }

float ReadZoom(const std::filesystem::path& progDir, MissingZoomFile missing, bool* unusable) {
  const auto file = progDir / kZoomFileName;
  const auto content = ReadAuxFile(file, kZoomFileName, kZoomFileReadBytes, false);
  if (content) {
    if (unusable != nullptr) *unusable = ZoomTextUnusable(content->Bytes);
    return ZoomFromText(content->Bytes);
  }
  if (missing == MissingZoomFile::LeaveMissing) return kDefaultZoom;
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << Round(kDefaultZoom * 100.0) << "\r\n";
  out.close();
  if (!out) throw AuxFileError("Soubor " + std::string(kZoomFileName) + " nelze vytvořit.");
  return kDefaultZoom;
}

}  // namespace ardeno
