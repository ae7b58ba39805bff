// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/publishing/picture_text.h"
#include "core/text/core_text.h"

#include <array>
#include <cstdint>

namespace ardeno {

namespace {

constexpr std::string_view kPngSignature = "\x89PNG\r\n\x1a\n";
constexpr std::size_t kPngChunkFrame = 12;                      // length, type, CRC
constexpr std::size_t kPngHeaderEnd = 8 + kPngChunkFrame + 13;  // signature and IHDR
// Text chunks larger than this are not facts of this program; they are skipped unread, so that
// a hostile length never makes the reader allocate it.
constexpr std::uint32_t kMaxTextChunk = 1 << 20;
// PNG lengths are at most 2^31 - 1.
constexpr std::uint32_t kMaxPngLength = 0x7fffffffu;
constexpr std::size_t kMaxJpegSegment = 65535 - 2;  // a segment's length counts its own 2 bytes
constexpr unsigned char kJpegMarker = 0xff;
constexpr unsigned char kJpegStart = 0xd8;
constexpr unsigned char kJpegEnd = 0xd9;
constexpr unsigned char kJpegScanStart = 0xda;
constexpr unsigned char kJpegComment = 0xfe;
constexpr unsigned char kJpegJfif = 0xe0;

// CRC-32 of PNG chunks (ISO 3309, polynomial 0xEDB88320 reflected).
constexpr std::array<std::uint32_t, 256> MakeCrcTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}
constexpr std::array<std::uint32_t, 256> kCrcTable = MakeCrcTable();

std::uint32_t Crc(std::string_view bytes) {
  std::uint32_t c = 0xffffffffu;
  for (const char byte : bytes)
    c = kCrcTable[(c ^ static_cast<unsigned char>(byte)) & 0xff] ^ (c >> 8);
  return c ^ 0xffffffffu;
}

std::uint32_t BigEndian32(std::string_view bytes) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>(bytes[i]);
  return value;
}

void PutBigEndian32(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xff);
}

std::string PngChunk(std::string_view type, std::string_view data) {
  std::string chunk;
  PutBigEndian32(chunk, static_cast<std::uint32_t>(data.size()));
  const std::size_t typeAt = chunk.size();
  chunk += type;
  chunk += data;
  PutBigEndian32(chunk, Crc(std::string_view(chunk).substr(typeAt)));
  return chunk;
}

// A keyword as PNG allows it: printable Latin-1 without leading, trailing or double spaces,
// 1 to 79 bytes; the program's own keys are such.
std::string PngKeyword(const std::string& key) {
  std::string keyword;
  for (const char c : key) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7f) keyword += c;
  }
  return keyword.substr(0, 79);
}

// Latin-1 (tEXt) to UTF-8.
std::string Latin1ToUtf8(std::string_view text) {
  std::string utf8;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      utf8 += c;
    } else {
      utf8 += static_cast<char>(0xc0 | byte >> 6);
      utf8 += static_cast<char>(0x80 | (byte & 0x3f));
    }
  }
  return utf8;
}

// Reads exactly `count` bytes; false when the stream ends first.
bool ReadBytes(std::istream& in, std::string& bytes, std::size_t count) {
  bytes.assign(count, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(count));
  return static_cast<std::size_t>(in.gcount()) == count;
}

// Skips `count` bytes; false when the stream ends first.
bool SkipBytes(std::istream& in, std::uint64_t count) {
  const std::istream::pos_type here = in.tellg();
  if (here != std::istream::pos_type(-1)) {
    in.seekg(0, std::ios::end);
    const std::istream::pos_type end = in.tellg();
    if (end == std::istream::pos_type(-1) || static_cast<std::uint64_t>(end - here) < count)
      return false;
    in.seekg(here + static_cast<std::streamoff>(count));
    return static_cast<bool>(in);
  }
  in.clear();
  in.ignore(static_cast<std::streamsize>(count));
  return static_cast<std::uint64_t>(in.gcount()) == count;
}

// The fact of a tEXt or iTXt chunk's data; a problem text when it cannot be read.
std::variant<PictureFact, std::string> TextChunkFact(std::string_view type, std::string_view data) {
  const std::size_t keyEnd = data.find('\0');
  if (keyEnd == std::string_view::npos || keyEnd == 0) return std::string("textový blok bez klíče");
  const std::string key = Latin1ToUtf8(data.substr(0, keyEnd));
  if (type == "tEXt") return PictureFact{key, Latin1ToUtf8(data.substr(keyEnd + 1))};
  // iTXt: compression flag and method, language tag, translated keyword, text.
  std::string_view rest = data.substr(keyEnd + 1);
  if (rest.size() < 2) return "textový blok " + key + " je zkrácený";
  if (rest[0] != 0) return "text " + key + " je komprimovaný a nečte se";
  rest.remove_prefix(2);
  for (int field = 0; field < 2; ++field) {
    const std::size_t end = rest.find('\0');
    if (end == std::string_view::npos) return "textový blok " + key + " je zkrácený";
    rest.remove_prefix(end + 1);
  }
  return PictureFact{key, std::string(rest)};
}

PictureDescription DescribePng(std::istream& in) {
  PictureDescription description{PictureFormat::Png, {}, {}};
  std::string header;
  std::string data;
  std::string crc;
  while (true) {
    if (!ReadBytes(in, header, 8)) {
      description.Problems.push_back("soubor končí dřív než blok IEND (je zkrácený)");
      break;
    }
    const std::uint32_t length = BigEndian32(header);
    const std::string type = header.substr(4, 4);
    if (length > kMaxPngLength) {
      description.Problems.push_back("blok s nemožnou délkou " + std::to_string(length) +
                                     " B; dál se nečte");
      break;
    }
    if (type == "IEND") break;
    const bool text = type == "tEXt" || type == "iTXt";
    if (type == "zTXt") description.Problems.push_back("komprimovaný text zTXt se nečte");
    if (!text || length > kMaxTextChunk) {
      if (text) description.Problems.push_back("příliš velký textový blok se přeskočil");
      if (!SkipBytes(in, std::uint64_t{length} + 4)) {
        description.Problems.push_back("blok " + type + " je zkrácený (soubor končí uvnitř)");
        break;
      }
      continue;
    }
    if (!ReadBytes(in, data, length) || !ReadBytes(in, crc, 4)) {
      description.Problems.push_back("blok " + type + " je zkrácený (soubor končí uvnitř)");
      break;
    }
    if (Crc(header.substr(4) + data) != BigEndian32(crc)) {
      description.Problems.push_back("blok " + type + " je poškozený (nesedí kontrolní součet)");
      continue;
    }
    auto fact = TextChunkFact(type, data);
    if (auto* read = std::get_if<PictureFact>(&fact))
      description.Facts.push_back(std::move(*read));
    else
      description.Problems.push_back(std::get<std::string>(fact));
  }
  return description;
}

// "Key: value" lines of a comment; a line without ": " is a comment of its own.
void AddCommentFacts(std::string_view comment, PictureFacts& facts) {
  while (!comment.empty()) {
    const std::size_t end = std::min(comment.find('\n'), comment.size());
    std::string_view line = comment.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    comment.remove_prefix(std::min(end + 1, comment.size()));
    if (line.empty()) continue;
    const std::size_t colon = line.find(": ");
    if (colon == std::string_view::npos || colon == 0)
      facts.push_back({"Comment", std::string(line)});
    else
      facts.push_back({std::string(line.substr(0, colon)), std::string(line.substr(colon + 2))});
  }
}

PictureDescription DescribeJpeg(std::istream& in) {
  PictureDescription description{PictureFormat::Jpeg, {}, {}};
  std::string bytes;
  while (true) {
    // A marker: 0xFF, any fill bytes 0xFF, then its code.
    if (!ReadBytes(in, bytes, 1) || static_cast<unsigned char>(bytes[0]) != kJpegMarker) {
      description.Problems.push_back(in ? "mezi segmenty je něco jiného než značka; dál se nečte"
                                        : "soubor končí dřív než obrazová data (je zkrácený)");
      break;
    }
    unsigned char code = kJpegMarker;
    while (code == kJpegMarker && ReadBytes(in, bytes, 1))
      code = static_cast<unsigned char>(bytes[0]);
    if (code == kJpegMarker) {
      description.Problems.push_back("soubor končí dřív než obrazová data (je zkrácený)");
      break;
    }
    if (code == kJpegScanStart || code == kJpegEnd) break;  // the comments come before the image
    if (code == 0x01 || (code >= 0xd0 && code <= 0xd7)) continue;  // markers without a segment
    if (!ReadBytes(in, bytes, 2)) {
      description.Problems.push_back("soubor končí uprostřed segmentu (je zkrácený)");
      break;
    }
    const std::size_t length =
        static_cast<unsigned char>(bytes[0]) << 8 | static_cast<unsigned char>(bytes[1]);
    if (length < 2) {
      description.Problems.push_back("segment s nemožnou délkou " + std::to_string(length) +
                                     "; dál se nečte");
      break;
    }
    if (code != kJpegComment) {
      if (!SkipBytes(in, length - 2)) {
        description.Problems.push_back("soubor končí uprostřed segmentu (je zkrácený)");
        break;
      }
      continue;
    }
    if (!ReadBytes(in, bytes, length - 2)) {
      description.Problems.push_back("komentář je zkrácený (soubor končí uvnitř)");
      break;
    }
    AddCommentFacts(bytes, description.Facts);
  }
  return description;
}

}  // namespace

std::optional<std::string> PngWithFacts(std::string_view png, const PictureFacts& facts) {
  if (png.size() < kPngHeaderEnd || png.substr(0, 8) != kPngSignature ||
      png.substr(12, 4) != "IHDR" || BigEndian32(png.substr(8)) != 13)
    return std::nullopt;
  std::string out(png.substr(0, kPngHeaderEnd));
  for (const PictureFact& fact : facts) {
    const std::string keyword = PngKeyword(fact.Key);
    if (keyword.empty()) continue;
    // Keyword, no compression, no language tag, no translated keyword, the UTF-8 text.
    std::string data = keyword;
    data += std::string("\0\0\0\0\0", 5);
    data += fact.Value;
    out += PngChunk("iTXt", data);
  }
  out += png.substr(kPngHeaderEnd);
  return out;
}

std::optional<std::string> JpegWithFacts(std::string_view jpeg, const PictureFacts& facts) {
  if (jpeg.size() < 4 || static_cast<unsigned char>(jpeg[0]) != kJpegMarker ||
      static_cast<unsigned char>(jpeg[1]) != kJpegStart)
    return std::nullopt;
  if (facts.empty()) return std::string(jpeg);
  std::string comment;
  for (const PictureFact& fact : facts) comment += fact.Key + ": " + fact.Value + "\n";
  comment = comment.substr(0, kMaxJpegSegment);
  // JFIF wants its APP0 segment first; the comment follows it.
  std::size_t at = 2;
  if (static_cast<unsigned char>(jpeg[2]) == kJpegMarker &&
      static_cast<unsigned char>(jpeg[3]) == kJpegJfif && jpeg.size() >= 6) {
    const std::size_t length =
        static_cast<unsigned char>(jpeg[4]) << 8 | static_cast<unsigned char>(jpeg[5]);
    if (2 + 2 + length <= jpeg.size()) at = 2 + 2 + length;
  }
  std::string out(jpeg.substr(0, at));
  const std::size_t length = comment.size() + 2;
  out += static_cast<char>(kJpegMarker);
  out += static_cast<char>(kJpegComment);
  out += static_cast<char>(length >> 8);
  out += static_cast<char>(length & 0xff);
  out += comment;
  out += jpeg.substr(at);
  return out;
}

std::variant<PictureDescription, std::string> DescribePicture(std::istream& in) {
  std::string start;
  if (ReadBytes(in, start, 8) && start == kPngSignature) return DescribePng(in);
  if (start.size() >= 2 && static_cast<unsigned char>(start[0]) == kJpegMarker &&
      static_cast<unsigned char>(start[1]) == kJpegStart) {
    in.clear();
    in.seekg(2);
    return DescribeJpeg(in);
  }
  return CoreText("PictureText", "Soubor není obrázek PNG ani JPG.");
}

}  // namespace ardeno
