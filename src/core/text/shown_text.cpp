// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/shown_text.h"

#include <cstdio>

namespace ardeno {

namespace {

std::string Escaped(unsigned char byte) {
  switch (byte) {
    case '\t':
      return "\\t";
    case '\r':
      return "\\r";
    case '\n':
      return "\\n";
    case '\\':
      return "\\\\";
    default:
      break;
  }
  char text[5];
  std::snprintf(text, sizeof text, "\\x%02X", byte);
  return text;
}

// Bytes of the well-formed UTF-8 character starting at `at`, 0 when it is not one.
std::size_t CharacterLength(std::string_view text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  std::size_t length = 0;
  char32_t code = 0;
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) {
    length = 2;
    code = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    code = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    code = lead & 0x07;
  } else {
    return 0;
  }
  if (at + length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[at + i]);
    if ((next & 0xC0) != 0x80) return 0;
    code = (code << 6) | (next & 0x3F);
  }
  constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  // C1 controls (U+0080..U+009F) act on terminals as the escape sequences do.
  if (code <= 0x9F) return 0;
  // Invisible marks (a byte order mark, zero-width spaces, direction overrides that reorder the
  // rest of the line) would hide what is wrong with the text.
  if (code == 0xFEFF || (code >= 0x200B && code <= 0x200F) || (code >= 0x202A && code <= 0x202E) ||
      (code >= 0x2060 && code <= 0x2069))
    return 0;
  return length;
}

}  // namespace

std::string ShownText(std::string_view text, std::size_t maxCharacters) {
  std::string shown;
  std::size_t characters = 0;
  for (std::size_t at = 0; at < text.size();) {
    if (characters == maxCharacters) {
      shown += "…";
      break;
    }
    const auto byte = static_cast<unsigned char>(text[at]);
    const std::size_t length = CharacterLength(text, at);
    if (length == 0 || byte < 0x20 || byte == 0x7F || byte == '\\') {
      // A control or invisible mark in UTF-8 form is shown byte by byte.
      shown += Escaped(byte);
      ++at;
    } else {
      shown.append(text.substr(at, length));
      at += length;
    }
    ++characters;
  }
  return shown;
}

}  // namespace ardeno
