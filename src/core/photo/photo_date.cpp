// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/photo/photo_date.h"

#include <cstdint>
#include <fstream>

#include "core/text/core_text.h"

namespace ardeno {

namespace {

constexpr std::uint16_t kExifIfdPointerTag = 0x8769;
constexpr std::uint16_t kDateTimeOriginalTag = 0x9003;
constexpr std::uint16_t kAsciiType = 2;
constexpr std::size_t kDateTimeLength = 19;  // "YYYY:MM:DD HH:MM:SS"
constexpr std::size_t kIfdEntrySize = 12;
constexpr std::streamsize kExifSearchBytes = 256 * 1024;

// The TIFF structure inside the EXIF block: byte order from its header, every read checked
// against the block's end.
class TiffReader {
 public:
  TiffReader(std::string_view tiff, bool littleEndian) : m_tiff(tiff), m_little(littleEndian) {}

  std::optional<std::uint32_t> Read(std::size_t offset, int bytes) const {
    if (offset > m_tiff.size() || m_tiff.size() - offset < static_cast<std::size_t>(bytes))
      return std::nullopt;
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) {
      const auto byte = static_cast<unsigned char>(m_tiff[offset + static_cast<std::size_t>(i)]);
      value |= static_cast<std::uint32_t>(byte) << (8 * (m_little ? i : bytes - 1 - i));
    }
    return value;
  }

  // The entry of `tag` in the directory at `ifd`: the offset of the entry.
  std::optional<std::size_t> FindEntry(std::size_t ifd, std::uint16_t tag) const {
    const auto count = Read(ifd, 2);
    if (!count) return std::nullopt;
    for (std::uint32_t i = 0; i < *count; ++i) {
      const std::size_t entry = ifd + 2 + i * kIfdEntrySize;
      const auto entryTag = Read(entry, 2);
      if (!entryTag) return std::nullopt;
      if (*entryTag == tag) return entry;
    }
    return std::nullopt;
  }

  std::string_view Bytes(std::size_t offset, std::size_t length) const {
    if (offset > m_tiff.size() || m_tiff.size() - offset < length) return {};
    return m_tiff.substr(offset, length);
  }

 private:
  std::string_view m_tiff;
  bool m_little;
};

std::optional<CalendarDate> DateOfExifBlock(std::string_view exif) {
  // "Exif\0\0", then a TIFF header: "II" or "MM", 42, the offset of the first directory.
  if (exif.substr(0, 6) != std::string_view("Exif\0\0", 6)) return std::nullopt;
  const std::string_view tiff = exif.substr(6);
  if (tiff.size() < 8) return std::nullopt;
  const bool little = tiff.substr(0, 2) == "II";
  if (!little && tiff.substr(0, 2) != "MM") return std::nullopt;
  const TiffReader reader(tiff, little);
  if (reader.Read(2, 2) != 42u) return std::nullopt;
  const auto ifd0 = reader.Read(4, 4);
  if (!ifd0) return std::nullopt;
  const auto pointer = reader.FindEntry(*ifd0, kExifIfdPointerTag);
  if (!pointer) return std::nullopt;
  const auto exifIfd = reader.Read(*pointer + 8, 4);
  if (!exifIfd) return std::nullopt;
  const auto entry = reader.FindEntry(*exifIfd, kDateTimeOriginalTag);
  if (!entry || reader.Read(*entry + 2, 2) != kAsciiType) return std::nullopt;
  const auto count = reader.Read(*entry + 4, 4);
  const auto at = reader.Read(*entry + 8, 4);
  if (!count || !at || *count < kDateTimeLength) return std::nullopt;
  const std::string_view text = reader.Bytes(*at, kDateTimeLength);
  if (text.size() != kDateTimeLength || text[4] != ':' || text[7] != ':') return std::nullopt;
  std::string dotted;
  dotted.append(text.substr(8, 2)).append(".").append(text.substr(5, 2)).append(".");
  dotted.append(text.substr(0, 4));
  return ParseEnteredDate(dotted);
}

}  // namespace

std::optional<CalendarDate> PhotoTakenDate(std::string_view jpeg) {
  // Markers from the start of the image: each segment is FF xx, a two-byte length (counting
  // itself) and its bytes; the EXIF block is an APP1 segment before the image data.
  if (jpeg.size() < 4 || static_cast<unsigned char>(jpeg[0]) != 0xFF ||
      static_cast<unsigned char>(jpeg[1]) != 0xD8)
    return std::nullopt;
  std::size_t pos = 2;
  while (pos + 4 <= jpeg.size()) {
    if (static_cast<unsigned char>(jpeg[pos]) != 0xFF) return std::nullopt;
    const auto marker = static_cast<unsigned char>(jpeg[pos + 1]);
    // Start of scan or end of image: no EXIF block before the picture.
    if (marker == 0xDA || marker == 0xD9) return std::nullopt;
    const std::size_t length = static_cast<std::size_t>(static_cast<unsigned char>(jpeg[pos + 2]))
                                   << 8 |
                               static_cast<unsigned char>(jpeg[pos + 3]);
    if (length < 2 || pos + 2 + length > jpeg.size()) return std::nullopt;
    if (marker == 0xE1) {
      if (auto date = DateOfExifBlock(jpeg.substr(pos + 4, length - 2))) return date;
    }
    pos += 2 + length;
  }
  return std::nullopt;
}

std::optional<CalendarDate> PhotoTakenDateOfFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(kExifSearchBytes), '\0');
  in.read(bytes.data(), kExifSearchBytes);
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return PhotoTakenDate(bytes);
}

std::optional<std::string> OtherDayQuestion(const std::optional<CalendarDate>& photoDate,
                                            const std::string& recordDate) {
  const std::optional<CalendarDate> drawn = ParseDate(recordDate);
  if (!photoDate || !drawn || *photoDate == *drawn) return std::nullopt;
  return FillText(CoreText("PhotoEntry",
                           "Fotografie je podle svých údajů z %1, ale vybraný zákres "
                           "je z %2.\nZapsat do něj přesto údaje z této fotografie?"),
                  {FormatDate(*photoDate), FormatDate(*drawn)});
}

}  // namespace ardeno
