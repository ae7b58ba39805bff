// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/encoding.h"

#include <array>
#include <cstdint>

namespace ardeno {
namespace {

// Unicode code points of the bytes 0x80..0xFF; 0 marks a byte the code page leaves undefined.
constexpr std::array<char32_t, 128> kCp1250High = {
    0x20AC, 0x0000, 0x201A, 0x0000, 0x201E, 0x2026, 0x2020, 0x2021, 0x0000, 0x2030, 0x0160, 0x2039,
    0x015A, 0x0164, 0x017D, 0x0179, 0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0000, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141,
    0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB,
    0x013D, 0x02DD, 0x013E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3,
    0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB,
    0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

char EncodeCodePoint(char32_t cp) {
  if (cp < 0x80) return static_cast<char>(cp);
  for (std::size_t i = 0; i < kCp1250High.size(); ++i) {
    if (kCp1250High[i] == cp) return static_cast<char>(0x80 + i);
  }
  return '?';
}

}  // namespace

std::string Cp1250ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (char c : bytes) {
    const auto b = static_cast<std::uint8_t>(c);
    if (b < 0x80) {
      out += c;
    } else {
      const char32_t cp = kCp1250High[b - 0x80];
      AppendUtf8(out, cp == 0 ? char32_t{0xFFFD} : cp);
    }
  }
  return out;
}

std::string Utf8ToCp1250(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto b = static_cast<std::uint8_t>(text[i]);
    int extra = 0;
    char32_t cp = 0;
    if (b < 0x80) {
      cp = b;
    } else if ((b & 0xE0) == 0xC0) {
      cp = b & 0x1F;
      extra = 1;
    } else if ((b & 0xF0) == 0xE0) {
      cp = b & 0x0F;
      extra = 2;
    } else if ((b & 0xF8) == 0xF0) {
      cp = b & 0x07;
      extra = 3;
    } else {
      out += '?';
      ++i;
      continue;
    }
    if (i + extra >= text.size()) {  // a sequence cut off at the end
      out += '?';
      break;
    }
    bool valid = true;
    for (int k = 1; k <= extra; ++k) {
      const auto cont = static_cast<std::uint8_t>(text[i + k]);
      if ((cont & 0xC0) != 0x80) {
        valid = false;
        break;
      }
      cp = (cp << 6) | (cont & 0x3F);
    }
    if (!valid) {
      out += '?';
      ++i;
      continue;
    }
    out += EncodeCodePoint(cp);
    i += extra + 1;
  }
  return out;
}

namespace {

// Well-formed UTF-8 (shortest forms, no surrogates) that holds at least one multi-byte letter.
bool IsUtf8BeyondAscii(std::string_view bytes) {
  bool beyondAscii = false;
  for (std::size_t i = 0; i < bytes.size();) {
    const auto lead = static_cast<std::uint8_t>(bytes[i]);
    int extra = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if ((lead & 0xE0) == 0xC0) {
      extra = 1;
      cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
      extra = 2;
      cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
      extra = 3;
      cp = lead & 0x07;
    } else {
      return false;
    }
    if (i + static_cast<std::size_t>(extra) >= bytes.size()) return false;
    for (int k = 1; k <= extra; ++k) {
      const auto next = static_cast<std::uint8_t>(bytes[i + static_cast<std::size_t>(k)]);
      if ((next & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (next & 0x3F);
    }
    static constexpr char32_t kSmallest[4] = {0, 0x80, 0x800, 0x10000};
    if (cp < kSmallest[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    beyondAscii = true;
    i += static_cast<std::size_t>(extra) + 1;
  }
  return beyondAscii;
}

}  // namespace

std::string_view WithoutUtf8Bom(std::string_view bytes) {
  constexpr std::string_view kBom = "\xEF\xBB\xBF";
  return bytes.substr(0, kBom.size()) == kBom ? bytes.substr(kBom.size()) : bytes;
}

std::string TextFileToUtf8(std::string_view bytes) {
  const std::string_view text = WithoutUtf8Bom(bytes);
  // ASCII reads the same either way; a file marked as UTF-8 but malformed is read byte by byte.
  return IsUtf8BeyondAscii(text) ? std::string(text) : Cp1250ToUtf8(text);
}

}  // namespace ardeno
