#include "core/data/zoom_file.h"

#include <charconv>
#include <fstream>

#include "core/data/aux_file_io.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {
constexpr std::uintmax_t kZoomFileReadBytes = 4096;  // only the first line matters
}  // namespace

float ZoomFromText(std::string_view firstLine) {
  const auto end = firstLine.find_first_of("\r\n");
  std::string_view line = firstLine.substr(0, end);
  while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
  while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
  int percent = 0;
  const auto [rest, error] = std::from_chars(line.data(), line.data() + line.size(), percent);
  // Anything but a whole number reads as 0 and so falls back to the default.
  if (error != std::errc() || rest != line.data() + line.size()) percent = 0;
  if (percent > 100 && percent < 200) return static_cast<float>(percent) / 100.0f;
  return kDefaultZoom;
}

float ReadZoom(const std::filesystem::path& progDir, MissingZoomFile missing) {
  const auto file = progDir / kZoomFileName;
  const auto content = ReadAuxFile(file, kZoomFileName, kZoomFileReadBytes, false);
  if (content) return ZoomFromText(content->Bytes);
  if (missing == MissingZoomFile::LeaveMissing) return kDefaultZoom;
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << Round(kDefaultZoom * 100.0) << "\r\n";
  out.close();
  if (!out) throw AuxFileError("Soubor " + std::string(kZoomFileName) + " nelze vytvořit.");
  return kDefaultZoom;
}

}  // namespace ardeno
